package net.cubeworks.world.storage;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.Arrays;
import java.util.List;

import org.junit.Test;

/** Broken level.dat and player files, and player names that must not become paths. */
public class BrokenFilesTest {
    private static StoredLevel level(long time) {
        StoredLevel l = new StoredLevel();
        l.levelName = "world";
        l.time = time;
        return l;
    }

    @Test
    public void aBrokenLevelDatIsSetAsideAndThePreviousSaveTakesOver() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        storage.saveLevel(level(100));
        storage.saveLevel(level(200));
        File main = new File(world, "level.dat");
        byte[] good = Worlds.read(main);
        byte[] cut = Arrays.copyOf(good, good.length / 2);
        Worlds.write(main, cut);

        StoredLevel back = storage.loadLevel();
        assertEquals(100, back.time);
        List<File> aside = Worlds.named(world, "level.dat.broken-");
        assertEquals(1, aside.size());
        assertArrayEquals(cut, Worlds.read(aside.get(0)));
        assertFalse(main.exists());
        assertEquals(2, log.count());
        assertTrue(log.all(), log.warnings.get(0).contains(main.getPath()) && log.warnings.get(0).contains(aside.get(0).getPath()));
        assertTrue(log.warnings.get(1).contains("level.dat_old"));

        // neither file usable: no settings, both set aside, nothing thrown
        Worlds.write(main, "not a level".getBytes("UTF-8"));
        Worlds.write(new File(world, "level.dat_old"), Nbt.gzip(Nbt.write(new NbtCompound().put("NoData", 1))));
        assertNull(storage.loadLevel());
        assertEquals(2, Worlds.named(world, "level.dat.broken-").size());
        assertEquals(1, Worlds.named(world, "level.dat_old.broken-").size());
        storage.saveLevel(level(300));
        assertEquals(300, storage.loadLevel().time);
        storage.close();
    }

    @Test
    public void aBrokenPlayerFileIsReportedAndSetAside() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        File f = new File(world, "players/Steve.dat");
        byte[][] broken = {
            {},
            Arrays.copyOf(Nbt.gzip(Nbt.write(new NbtCompound().put("Pos", NbtList.of(Nbt.DOUBLE, 1.0, 2.0, 3.0)))), 20),
            Nbt.gzip(Nbt.write(new NbtCompound().put("Health", (short) 20))), // no position
            Nbt.gzip(Nbt.write(new NbtCompound().put("Pos", NbtList.of(Nbt.DOUBLE, Double.NaN, 2.0, 3.0)))),
            Nbt.zlib(Nbt.write(new NbtCompound().put("Pos", NbtList.of(Nbt.DOUBLE, 1.0, 2.0, 3.0)))), // not gzip
        };
        for (int i = 0; i < broken.length; i++) {
            Worlds.write(f, broken[i]);
            assertNull(storage.loadPlayer("Steve"));
            assertEquals(i + 1, log.count());
            assertTrue(log.warnings.get(i), log.warnings.get(i).contains(f.getPath()) && log.warnings.get(i).contains("broken-"));
            assertFalse(f.exists());
        }
        assertEquals(broken.length, Worlds.named(f.getParentFile(), "Steve.dat.broken-").size());

        StoredPlayer p = new StoredPlayer();
        p.y = 4;
        p.health = 20;
        storage.savePlayer("Steve", p);
        assertEquals(4.0, storage.loadPlayer("Steve").y, 0);
        assertNull(storage.loadPlayer("Nobody"));
        assertEquals(broken.length, log.count());
        storage.close();
    }

    @Test
    public void unsafeNamesNeverBecomePaths() throws Exception {
        File world = Worlds.tempWorld();
        File outside = new File(world.getParentFile(), world.getName() + "-evil");
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        String[] unsafe = { "", "../" + world.getName() + "-evil/x", "..", ".", "a/b", "a\\b", "C:x", "a*", "a?", "a\"b",
            "<a>", "a|b", "tab\there", "nul\u0000", "bell\u0007", "dot.", "space ", "CON", "con", "NuL", "aux.dat",
            "COM1", "lpt9.x", "COM\u00b9", "prn ", "abcdefghijklmnopq", "\ud800x" };
        StoredPlayer p = new StoredPlayer();
        for (String name : unsafe) {
            int before = log.count();
            storage.savePlayer(name, p);
            assertNull(storage.loadPlayer(name));
            assertEquals(name, before + 2, log.count());
        }
        assertFalse(outside.exists());
        File players = new File(world, "players");
        assertTrue(!players.exists() || players.list().length == 0);
        assertEquals(0, world.list().length);
        // names that are fine, also in other scripts and with a dot inside
        String[] safe = { "Steve", "x_1", "\u73a9\u5bb6", "a.b", "COM10", "CONSOLE", "Notch-", "abcdefghijklmnop" };
        for (String name : safe) {
            storage.savePlayer(name, p);
            assertNotNull(name, storage.loadPlayer(name));
        }
        assertEquals(safe.length, players.list().length);
        storage.close();
    }
}
