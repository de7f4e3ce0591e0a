package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.IOException;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.UUID;
import java.util.logging.Handler;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.command.CommandRegistry;
import net.cubeworks.world.command.ConsoleSender;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerRecords;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.WorldStore;

/** Saves on a disk that is full for a while: nothing rolled back, nothing said saved that was not. */
public class SaveFailureTest {
    /** Keeps players in memory; every write fails while the disk is full. */
    static final class FullDiskStore implements WorldStore {
        final Map<String, StoredPlayer> players = new HashMap<String, StoredPlayer>();
        volatile boolean full;

        private void check() throws IOException {
            if (full) {
                throw new IOException("No space left on device");
            }
        }

        public StoredLevel loadLevel() {
            return null;
        }

        public void saveLevel(StoredLevel level) throws IOException {
            check();
        }

        public Column loadColumn(int cx, int cz) {
            return null;
        }

        public void saveColumns(List<Column> columns) throws IOException {
            check();
        }

        public synchronized StoredPlayer loadPlayer(String name) {
            return players.get(name);
        }

        public synchronized void savePlayer(String name, StoredPlayer player) throws IOException {
            check();
            players.put(name, player);
        }

        public String whyNotWritable() {
            return null;
        }

        public void close() {
        }
    }

    private final FullDiskStore store = new FullDiskStore();
    private final List<String> console = new ArrayList<String>();
    private Game game;
    private GameWorld world;
    private CommandRegistry commands;

    @Before
    public void setUp() {
        Logger logger = Logger.getAnonymousLogger();
        logger.setUseParentHandlers(false);
        logger.addHandler(new Handler() {
            public void publish(LogRecord r) {
                synchronized (console) {
                    console.add(r.getMessage());
                }
            }

            public void flush() {
            }

            public void close() {
            }
        });
        game = new Game(logger, ServerProperties.parse("view-distance=3\n".getBytes(Charset.forName("UTF-8"))), null,
                null, store);
        world = game.world();
        commands = new CommandRegistry(game, null, new org.bukkit.command.SimpleCommandMap(null), null);
    }

    @After
    public void tearDown() {
        store.full = false;
        world.close();
    }

    private OnlinePlayer player(double x, int stones) {
        OnlinePlayer p = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", UUID.randomUUID(), 1, GameMode.SURVIVAL);
        p.x = x;
        p.y = 4;
        p.z = 0.5;
        if (stones > 0) {
            p.inventory().set(36, 1, stones, 0, null);
        }
        return p;
    }

    /** Alex as a rejoin finds him. */
    private OnlinePlayer rejoin() throws Exception {
        OnlinePlayer p = player(0, 0);
        synchronized (game.lock()) {
            world.placement().place(p);
        }
        return p;
    }

    /** The console lines a save-all from the console prints. */
    private List<String> saveAll() {
        int from;
        synchronized (console) {
            from = console.size();
        }
        synchronized (game.lock()) {
            commands.dispatch(new ConsoleSender(game.logger(), null), "save-all");
        }
        synchronized (console) {
            return new ArrayList<String>(console.subList(from, console.size()));
        }
    }

    private static String last(List<String> lines) {
        return lines.get(lines.size() - 1);
    }

    @Test
    public void aRecordWhoseSaveFailedIsWhatTheRejoinGetsUntilItIsWritten() throws Exception {
        store.players.put("Alex", PlayerRecords.toStored(player(1.5, 0), world.level()));
        store.full = true;
        synchronized (game.lock()) {
            world.blocks().setBlock(3, 4, 3, 1, 0);
            world.placement().leave(player(50.5, 20)); // Alex leaves with the 20 stones he gained
        }
        List<String> lines = saveAll();
        assertTrue(lines.contains("Saving..."));
        assertFalse(lines.contains("Saved the world"));
        String said = last(lines);
        assertTrue(said, said.startsWith("Saving failed: ") && said.contains("1 column")
                && said.contains("the player Alex") && said.contains("No space left on device"));

        // back while the disk is still full: his record from memory, not the older file
        OnlinePlayer back = rejoin();
        assertEquals(50.5, back.x, 0);
        assertEquals(20, back.inventory().count(36));
        assertEquals(1.5, store.loadPlayer("Alex").x, 0);

        store.full = false;
        assertEquals(java.util.Arrays.asList("Saving...", "Saved the world"), saveAll());
        assertEquals(50.5, store.loadPlayer("Alex").x, 0);
        // written, so no longer kept: a rejoin reads the file
        store.players.get("Alex").x = 7.5;
        assertEquals(7.5, rejoin().x, 0);
    }

    @Test
    public void theAutosaveSaysWhatIsStillUnsaved() {
        store.full = true;
        synchronized (game.lock()) {
            world.blocks().setBlock(3, 4, 3, 1, 0);
            world.blocks().setBlock(40, 4, 3, 1, 0);
            world.placement().leave(player(50.5, 20));
            for (int i = 0; i < GameWorld.SAVE_INTERVAL_TICKS; i++) {
                world.tick();
            }
        }
        saveAll(); // waits for the autosave before it
        String warning = null;
        synchronized (console) {
            for (String line : console) {
                if (line.startsWith("The autosave failed: ")) {
                    assertEquals("one line for the autosave", null, warning);
                    warning = line;
                }
            }
        }
        assertTrue(String.valueOf(warning), warning != null && warning.contains("2 columns")
                && warning.contains("the player Alex") && warning.contains("are still unsaved"));
    }
}
