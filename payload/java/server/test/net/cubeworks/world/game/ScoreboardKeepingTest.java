package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Handler;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.bukkit.OfflinePlayer;
import org.bukkit.scoreboard.DisplaySlot;
import org.bukkit.scoreboard.Objective;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.scoreboard.Team;
import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.storage.StoredScoreboard;
import net.cubeworks.world.storage.WorldStorage;

/** The world keeps the main scoreboard across restarts, and what it cannot put on the board is not lost. */
public class ScoreboardKeepingTest {
    private final List<String> warnings = new ArrayList<String>();
    private final List<Game> games = new ArrayList<Game>();
    private File world;

    @After
    public void tearDown() {
        for (Game g : games) {
            g.world().close();
        }
    }

    /** A game over the world folder, as a start of the server makes it. */
    private Game start() throws Exception {
        if (world == null) {
            world = Files.createTempDirectory("cwboard").toFile();
        }
        Logger logger = Logger.getAnonymousLogger();
        logger.setUseParentHandlers(false);
        logger.addHandler(new Handler() {
            public void publish(LogRecord r) {
                synchronized (warnings) {
                    warnings.add(r.getMessage());
                }
            }

            public void flush() {
            }

            public void close() {
            }
        });
        Game g = new Game(logger, ServerProperties.parse("view-distance=2\n".getBytes(Charset.forName("UTF-8"))), null,
                TestGames.host(new EventDispatch(logger)), new AnvilStore(world, logger));
        games.add(g);
        return g;
    }

    private static OfflinePlayer named(final String name) {
        return (OfflinePlayer) Proxy.newProxyInstance(OfflinePlayer.class.getClassLoader(),
                new Class<?>[] {OfflinePlayer.class}, new InvocationHandler() {
                    public Object invoke(Object proxy, Method m, Object[] args) {
                        return m.getName().equals("getName") ? name : null;
                    }
                });
    }

    private void stop(Game g) {
        g.world().saveAndWait();
        g.world().close();
        games.remove(g);
    }

    @Test
    public void theMainBoardComesBackAfterARestartAndPluginsBoardsDoNot() throws Exception {
        Game first = start();
        Scoreboard board = first.scoreboards().getMainScoreboard();
        Objective kills = board.registerNewObjective("kills", "playerKillCount");
        kills.setDisplayName("Kills!");
        kills.setDisplaySlot(DisplaySlot.SIDEBAR);
        kills.getScore("Alex").setScore(7);
        kills.getScore("#hidden").setScore(-2);
        board.registerNewObjective("hp", "health").setDisplaySlot(DisplaySlot.BELOW_NAME);
        Team red = board.registerNewTeam("red");
        red.setPrefix("\u00a7c");
        red.setDisplayName("Red Team");
        red.setAllowFriendlyFire(false);
        red.addPlayer(named("Alex"));
        first.scoreboards().getNewScoreboard().registerNewObjective("mine", "dummy");
        stop(first);

        Game second = start();
        Scoreboard back = second.scoreboards().getMainScoreboard();
        Objective k = back.getObjective("kills");
        assertEquals("Kills!", k.getDisplayName());
        assertEquals("playerKillCount", k.getCriteria());
        assertSame(k, back.getObjective(DisplaySlot.SIDEBAR));
        assertEquals(7, k.getScore("Alex").getScore());
        assertEquals(-2, k.getScore("#hidden").getScore());
        assertEquals("health", back.getObjective(DisplaySlot.BELOW_NAME).getCriteria());
        assertNull(back.getObjective(DisplaySlot.PLAYER_LIST));
        Team t = back.getPlayerTeam(named("Alex"));
        assertEquals("red", t.getName());
        assertEquals("Red Team", t.getDisplayName());
        assertEquals("\u00a7c", t.getPrefix());
        assertFalse(t.allowFriendlyFire());
        assertNull("a plugin's own board lasts the session", back.getObjective("mine"));
        // removed things stay removed
        back.getObjective("hp").unregister();
        t.unregister();
        stop(second);
        Scoreboard third = start().scoreboards().getMainScoreboard();
        assertNull(third.getObjective("hp"));
        assertTrue(third.getTeams().isEmpty());
        assertEquals(7, third.getObjective("kills").getScore("Alex").getScore());
    }

    @Test
    public void whatBreaksTheGamesLimitsIsLeftOffTheBoardButKeptInTheFile() throws Exception {
        world = Files.createTempDirectory("cwboard").toFile();
        WorldStorage storage = new WorldStorage(world, message -> { });
        StoredScoreboard s = new StoredScoreboard();
        s.objectives.add(new StoredScoreboard.Objective("ok", "dummy", "OK"));
        s.objectives.add(new StoredScoreboard.Objective("a_far_too_long_objective", "dummy", "long"));
        s.scores.add(new StoredScoreboard.Score("Alex", "ok", 1));
        s.scores.add(new StoredScoreboard.Score("Alex", "a_far_too_long_objective", 2));
        s.scores.add(new StoredScoreboard.Score("a_far_too_long_entry", "ok", 3));
        StoredScoreboard.Team loud = new StoredScoreboard.Team("loud");
        loud.prefix = "a prefix too long for a client";
        s.teams.add(loud);
        s.slots[1] = "a_far_too_long_objective";
        storage.saveScoreboard(s);
        storage.close();

        Game g = start();
        Scoreboard board = g.scoreboards().getMainScoreboard();
        assertEquals(1, board.getObjectives().size());
        assertEquals(1, board.getObjective("ok").getScore("Alex").getScore());
        assertTrue(board.getTeams().isEmpty());
        assertNull(board.getObjective(DisplaySlot.SIDEBAR));
        String said = warnings.toString();
        assertTrue(said, said.contains("objective 'a_far_too_long_objective'") && said.contains("team 'loud'")
                && said.contains("score of 'a_far_too_long_entry'"));
        board.getObjective("ok").getScore("Bo").setScore(4);
        stop(g);

        StoredScoreboard kept = new WorldStorage(world, message -> { }).loadScoreboard();
        assertEquals(2, kept.objectives.size());
        assertEquals(4, kept.scores.size());
        assertEquals("a prefix too long for a client", kept.teams.get(0).prefix);
        assertEquals("a_far_too_long_objective", kept.slots[1]);
    }

    @Test
    public void aBoardThatCannotBeReadIsNeverWrittenOver() throws Exception {
        world = Files.createTempDirectory("cwboard").toFile();
        File f = new File(world, "data/scoreboard.dat");
        assertTrue(f.mkdirs()); // a folder where the file should be: it cannot be read
        Game g = start();
        g.scoreboards().getMainScoreboard().registerNewObjective("new", "dummy");
        stop(g);
        assertTrue(f.isDirectory());
        String said = warnings.toString();
        assertTrue(said, said.contains("the scoreboard is not saved until the server is started again"));
        assertFalse(said, said.contains("Could not save the scoreboard"));
    }
}
