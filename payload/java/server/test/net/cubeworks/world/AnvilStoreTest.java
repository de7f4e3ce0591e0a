package net.cubeworks.world;

import static org.junit.Assert.assertEquals;
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
import net.cubeworks.world.storage.Worlds;

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
        assertNotNull("the store's record rides along", back.kept);
        back.set(3, 200, 9, 0, 0);
        store.saveColumns(Arrays.asList(back));
        Column again = store.loadColumn(-33, 5);
        assertEquals(0, again.block(3, 200, 9));
        assertEquals(2, again.block(5, 3, 5));
    }

    @Test
    public void playersKeepPlaceModeHealthAndEveryKindOfSlot() throws Exception {
        AnvilStore store = store();
        WorldStore.PlayerData d = new WorldStore.PlayerData();
        d.x = -12.25;
        d.y = 4;
        d.z = 300.5;
        d.yaw = 91.5f;
        d.pitch = -20f;
        d.gameMode = 1;
        d.health = 13.5f;
        d.food = 17;
        d.saturation = 2.5f;
        d.selectedSlot = 4;
        int[][] items = {{36, 3, 64, 0}, {44, 35, 7, 14}, {9, 276, 1, 30}, {35, 4, 1, 0}, {5, 310, 1, 0}, {8, 313, 1, 2}};
        for (int[] it : items) {
            d.item[it[0]] = it[1];
            d.count[it[0]] = it[2];
            d.damage[it[0]] = it[3];
        }
        d.item[1] = 5; // the crafting grid is not kept by the game
        d.count[1] = 1;
        store.savePlayer("Alex", d);
        assertNull(store.loadPlayer("Steve"));

        WorldStore.PlayerData back = store.loadPlayer("Alex");
        assertEquals(-12.25, back.x, 0);
        assertEquals(300.5, back.z, 0);
        assertEquals(91.5f, back.yaw, 0f);
        assertEquals(1, back.gameMode);
        assertEquals(13.5f, back.health, 0f);
        assertEquals(17, back.food);
        assertEquals(4, back.selectedSlot);
        for (int[] it : items) {
            assertEquals("slot " + it[0], it[1], back.item[it[0]]);
            assertEquals(it[2], back.count[it[0]]);
            assertEquals(it[3], back.damage[it[0]]);
        }
        assertEquals(0, back.count[1]);
    }

    @Test
    public void theLevelKeepsSpawnTimeAndWhatItDoesNotUse() throws Exception {
        AnvilStore store = store();
        assertNull(store.loadLevel());
        WorldStore.LevelData l = new WorldStore.LevelData();
        l.spawnX = 100;
        l.spawnY = 4;
        l.spawnZ = -7;
        l.time = 123456;
        l.dayTime = 23000;
        l.levelName = "world";
        store.saveLevel(l);
        WorldStore.LevelData back = store.loadLevel();
        assertEquals(100, back.spawnX);
        assertEquals(-7, back.spawnZ);
        assertEquals(123456, back.time);
        assertEquals(23000, back.dayTime);
        assertTrue(back.kept != null);
        back.time = 200000;
        store.saveLevel(back);
        assertEquals(200000, store.loadLevel().time);
    }
}
