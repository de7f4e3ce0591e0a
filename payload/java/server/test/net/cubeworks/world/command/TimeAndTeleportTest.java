package net.cubeworks.world.command;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.List;
import java.util.logging.Handler;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.junit.After;
import org.junit.Before;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.TestGames;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.net.Connections;

/** time and tp from the console and from a player, with the game's answers. */
public class TimeAndTeleportTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;
    private OnlinePlayer alex;
    private OnlinePlayer bo;
    private final List<String> said = new ArrayList<String>();
    private ConsoleSender console;

    @Before
    public void setUp() {
        game = TestGames.flat(folder.getRoot());
        alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        bo = TestGames.join(game, "Bo", 2, 7.25, 9, -3.75);
        Logger log = Logger.getAnonymousLogger();
        log.setUseParentHandlers(false);
        log.addHandler(new Handler() {
            public void publish(LogRecord r) {
                said.add(r.getMessage());
            }

            public void flush() {
            }

            public void close() {
            }
        });
        console = new ConsoleSender(log, null);
    }

    @After
    public void tearDown() {
        game.world().close();
    }

    /** Runs the command line from the console; what it answered. */
    private String console(String line) {
        said.clear();
        String[] words = line.split(" ");
        String[] args = new String[words.length - 1];
        System.arraycopy(words, 1, args, 0, args.length);
        synchronized (game.lock()) {
            if (words[0].equals("time")) {
                new TimeCommand(game).run(console, args);
            } else {
                new TeleportCommand(game).run(console, args);
            }
        }
        return said.toString();
    }

    private double[] where(OnlinePlayer p) {
        double[] w = game.world().teleport().where(p);
        return new double[] {w[0], w[1], w[2]};
    }

    private static int sent(OnlinePlayer p, int id) throws Exception {
        int n = 0;
        for (int[] f : Connections.takeSent(p.connection())) {
            n += f[0] == id ? 1 : 0;
        }
        return n;
    }

    @Test
    public void timeIsSetAndMovedOnAndEveryClientIsToldAtOnce() throws Exception {
        assertEquals("[Set the time to 1000]", console("time set 1000"));
        assertEquals(1000, game.world().level().dayTime);
        assertEquals(1, sent(alex, 0x03));
        assertEquals(1, sent(bo, 0x03));
        assertEquals("[Added 100 to the time]", console("time add 100"));
        assertEquals(1100, game.world().level().dayTime);
        assertEquals("[Set the time to 13000]", console("time set night"));
        assertEquals(13000, game.world().level().dayTime);
        assertEquals("[Set the time to 1000]", console("time set DAY"));
        assertEquals(1000, game.world().level().dayTime);

        assertEquals("[The number you have entered (-5) is too small, it must be at least 0]", console("time set -5"));
        assertEquals("['day' is not a valid number]", console("time add day"));
        assertEquals("['99999999999' is not a valid number]", console("time add 99999999999"));
        assertEquals("[Usage: /time <set|add> <value>]", console("time query daytime"));
        assertEquals("[Usage: /time <set|add> <value>]", console("time set"));
        assertEquals("nothing changed by the refusals", 1000, game.world().level().dayTime);
    }

    @Test
    public void tpMovesAPlayerToAnotherOrToAPlaceAndTellsItsClient() throws Exception {
        Connections.takeSent(alex.connection());
        assertEquals("[Teleported Alex to Bo]", console("tp Alex Bo"));
        assertArrayEquals(new double[] {7.25, 9, -3.75}, where(alex), 0);
        assertEquals("the client is told where it is", 1, sent(alex, 0x08));
        assertTrue(TestGames.teleportPending(alex));

        assertEquals("[Teleported Alex to 10.50, 70.00, -2.50]", console("tp Alex 10 70 -3"));
        assertArrayEquals(new double[] {10.5, 70, -2.5}, where(alex), 0);
        assertEquals("[Teleported Alex to 11.50, 70.00, -4.00]", console("tp Alex ~1 ~ ~-1.5"));
        assertEquals("[Teleported Alex to 0.25, 4.00, -7.00]", console("tp Alex 0.25 4 ~-3"));

        // a player moves itself with three coordinates or one name
        synchronized (game.lock()) {
            new TeleportCommand(game).run(bo, new String[] {"~", "~1", "~"});
        }
        assertArrayEquals(new double[] {7.25, 10, -3.75}, where(bo), 0);
        synchronized (game.lock()) {
            new TeleportCommand(game).run(bo, new String[] {"Alex"});
        }
        assertArrayEquals(where(alex), where(bo), 0);
    }

    @Test
    public void tpRefusesWhatCannotBeDone() {
        double[] before = where(alex);
        assertEquals("[You must specify which player you wish to perform this action on.]", console("tp 1 2 3"));
        assertEquals("[You must specify which player you wish to perform this action on.]", console("tp Bo"));
        assertEquals("[That player cannot be found]", console("tp Nobody Bo"));
        assertEquals("[That player cannot be found]", console("tp Alex Nobody"));
        assertEquals("['x' is not a valid number]", console("tp Alex 1 x 3"));
        assertEquals("['NaN' is not a valid number]", console("tp Alex NaN 4 0"));
        assertEquals("['1e400' is not a valid number]", console("tp Alex 1 4 ~1e400"));
        assertEquals("[The number you have entered (40000000.50) is too big, it must be at most 30000000.00]",
                console("tp Alex 40000000 4 0"));
        assertTrue(console("tp a b c d e").contains("Usage: /tp [target player] <destination player> OR"));
        assertArrayEquals("Alex has not moved", before, where(alex), 0);
    }
}
