package net.cubeworks.world.storage;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.logging.Logger;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.level.Column;

/** The world's records through the Anvil files and back. */
public class AnvilStoreTest {
    private final List<File> dirs = new ArrayList<File>();

    @After
    public void tearDown() {
        for (File d : dirs) {
            Worlds.delete(d);
        }
    }


    private AnvilStore store() throws Exception {
        File d = Files.createTempDirectory("anvilstore").toFile();
        dirs.add(d);
        return new AnvilStore(new File(d, "world"), Logger.getAnonymousLogger());
    }

    @Test
    public void columnsComeBackBlockForBlockWithWhatTheStoreKept() throws Exception {
        AnvilStore store = store();
        Column high = Column.flat(-33, 5);
        high.set(3, 200, 9, 35, 14);
        high.set(0, 0, 0, 0, 0);
        high.biomes()[17] = 4;
        high.lastUpdate = 1234;
        Column other = Column.flat(31, 31);
        other.set(15, 4, 15, 1, 0);
        store.saveColumns(Arrays.asList(high, other));
        assertNull("a column never saved", store.loadColumn(0, 0));

        Column back = store.loadColumn(-33, 5);
        assertNotNull(back);
        for (int y : new int[] {0, 1, 3, 4, 200}) {
            for (int i = 0; i < 256; i++) {
                assertEquals(high.block(i & 15, y, i >> 4), back.block(i & 15, y, i >> 4));
                assertEquals(high.meta(i & 15, y, i >> 4), back.meta(i & 15, y, i >> 4));
            }
        }
        assertEquals(35, back.block(3, 200, 9));
        assertEquals(14, back.meta(3, 200, 9));
        assertEquals(4, back.biomes()[17]);
        assertEquals(1234, back.lastUpdate);
        assertEquals(1 << 12 | 1, back.sectionMask());
        assertEquals(1, store.loadColumn(31, 31).block(15, 4, 15));

        // changed and saved again: the change is kept, the rest too
        assertNull("a column of ours keeps nothing beside it: it is written the same without", back.kept);
        back.set(3, 200, 9, 0, 0);
        store.saveColumns(Arrays.asList(back));
        Column again = store.loadColumn(-33, 5);
        assertEquals(0, again.block(3, 200, 9));
        assertEquals(2, again.block(5, 3, 5));
    }

    @Test
    public void theLevelKeepsSpawnTimeAndWhatItDoesNotUse() throws Exception {
        AnvilStore store = store();
        assertNull(store.loadLevel());
        StoredLevel l = new StoredLevel();
        l.spawnX = 100;
        l.spawnY = 4;
        l.spawnZ = -7;
        l.time = 123456;
        l.dayTime = 23000;
        l.levelName = "world";
        store.saveLevel(l);
        StoredLevel back = store.loadLevel();
        assertEquals(100, back.spawnX);
        assertEquals(-7, back.spawnZ);
        assertEquals(123456, back.time);
        assertEquals(23000, back.dayTime);
        assertTrue(back.kept != null);
        assertTrue("a new world's weather clocks are drawn", back.rainTime >= 12000 && back.thunderTime >= 12000);
        assertFalse(back.raining);
        back.time = 200000;
        back.raining = true;
        back.rainTime = 777;
        back.thundering = true;
        back.thunderTime = 55;
        store.saveLevel(back);
        StoredLevel again = store.loadLevel();
        assertEquals(200000, again.time);
        assertTrue(again.raining && again.thundering);
        assertEquals(777, again.rainTime);
        assertEquals(55, again.thunderTime);
    }
}
