package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.Random;
import java.util.logging.Logger;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.storage.StorageLog;
import net.cubeworks.world.storage.StoredColumn;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.WorldStorage;
import net.cubeworks.world.storage.Worlds;

/** The world type and seed a world is played with, and the light and saving of natural land. */
public class NaturalWorldTest {
    private File dir;
    private GameWorld world;

    @After
    public void tearDown() throws Exception {
        if (world != null) {
            world.close();
        }
        if (dir != null) {
            Worlds.delete(dir);
        }
    }

    private GameWorld open(String... properties) throws Exception {
        if (dir == null) {
            dir = Files.createTempDirectory("cwnatural").toFile();
        }
        StringBuilder b = new StringBuilder("view-distance=3\n");
        for (String p : properties) {
            b.append(p).append('\n');
        }
        Game game = new Game(Logger.getAnonymousLogger(), ServerProperties.parse(b.toString().getBytes(Charset.forName("UTF-8"))),
                null, null, new AnvilStore(dir, Logger.getAnonymousLogger()));
        world = game.world();
        world.loadLevel();
        return world;
    }

    private void reopen(String... properties) throws Exception {
        world.close();
        world = null;
        open(properties);
    }

    @Test
    public void theSeedIsANumberOrTheHashOfTheTextOrRandom() {
        assertEquals(-42L, WorldChoice.seed("-42", new Random(1)));
        assertEquals("hello".hashCode(), WorldChoice.seed("hello", new Random(1)));
        assertEquals("12345678901234567890".hashCode(), WorldChoice.seed("12345678901234567890", new Random(1)));
        assertEquals(new Random(7).nextLong(), WorldChoice.seed("", new Random(7)));
        assertEquals("0 is no seed: a random one", new Random(7).nextLong(), WorldChoice.seed("0", new Random(7)));
        assertEquals("largeBiomes", WorldChoice.generatorName("LARGEBIOMES"));
        assertEquals("flat", WorldChoice.generatorName("flat"));
        assertEquals("default", WorldChoice.generatorName("something else"));
    }

    @Test
    public void aNewWorldTakesTheSettingsAndItsLevelDatDecidesAfterwards() throws Exception {
        open("level-type=DEFAULT", "level-seed=cubes");
        LevelState l = world.level();
        assertEquals("cubes".hashCode(), l.seed);
        assertEquals("default", world.levelType());
        synchronized (world.game().lock()) {
            int below = world.blocks().blockAt(l.spawnX, l.spawnY - 1, l.spawnZ);
            assertTrue("the spawn stands on grass or sand: " + below, below == 2 || below == 12);
            assertEquals(0, world.blocks().blockAt(l.spawnX, l.spawnY, l.spawnZ));
        }
        assertEquals(null, world.saveAndWait());
        // the settings change to a flat world with another seed: the kept world stays as it is
        reopen("level-type=FLAT", "level-seed=99");
        assertEquals("cubes".hashCode(), world.level().seed);
        assertEquals("default", world.levelType());
        StoredLevel kept = new AnvilStore(dir, Logger.getAnonymousLogger()).loadLevel();
        assertEquals("default", kept.generatorName);
        assertEquals("cubes".hashCode(), kept.seed);
    }

    @Test
    public void aFlatWorldStaysFlatAndHonoursItsPreset() throws Exception {
        open("level-type=FLAT", "generator-settings=2;7,3x1,12;2;");
        synchronized (world.game().lock()) {
            assertEquals(7, world.blocks().blockAt(100, 0, -40));
            assertEquals(1, world.blocks().blockAt(100, 3, -40));
            assertEquals(12, world.blocks().blockAt(100, 4, -40));
            assertEquals(0, world.blocks().blockAt(100, 5, -40));
        }
        assertEquals("flat", world.levelType());
        assertEquals(5, world.level().spawnY);
        assertEquals(null, world.saveAndWait());
        reopen("level-type=DEFAULT");
        assertEquals("flat", world.levelType());
        synchronized (world.game().lock()) {
            assertEquals(12, world.blocks().blockAt(500, 4, 500));
        }
        reopen();
        StoredLevel stored = new AnvilStore(dir, Logger.getAnonymousLogger()).loadLevel();
        assertEquals("2;7,3x1,12;2;", stored.generatorOptions);
    }

    @Test
    public void aChangedBlockIsRelitAndSeenLandIsSavedWithItsLight() throws Exception {
        open("level-type=DEFAULT", "level-seed=7");
        synchronized (world.game().lock()) {
            world.prepareSpawn();
        }
        LevelState l = world.level();
        int x = l.spawnX;
        int z = l.spawnZ;
        int y = l.spawnY + 3;
        synchronized (world.game().lock()) {
            world.blocks().setBlock(x, y, z, 89, 0); // glowstone in the air
        }
        ColumnCache cache = world.cache();
        Column c = cache.held(net.cubeworks.world.level.ColumnKey.of(x >> 4, z >> 4));
        assertNotNull(c);
        assertEquals(15, c.blockLight(x & 15, y, z & 15));
        synchronized (world.game().lock()) {
            world.blocks().setBlock(x + 20, y, z, 1, 0); // and stone in the air of a neighbour column
        }
        assertEquals(null, world.saveAndWait());
        reopen();
        synchronized (world.game().lock()) {
            assertEquals(89, world.blocks().blockAt(x, y, z));
            assertEquals(1, world.blocks().blockAt(x + 20, y, z));
        }
        Column back = world.cache().held(net.cubeworks.world.level.ColumnKey.of(x >> 4, z >> 4));
        assertEquals("lit again when read back", 15, back.blockLight(x & 15, y, z & 15));
        // what a real server reads: the column's light (the codec marks every column written as
        // populated and lit)
        WorldStorage disk = new WorldStorage(dir, new StorageLog() {
            public void warn(String message) {
                throw new AssertionError(message);
            }
        });
        StoredColumn stored = disk.loadColumn(x >> 4, z >> 4);
        byte[] bl = stored.blockLight[y >> 4];
        int i = (y & 15) << 8 | (z & 15) << 4 | (x & 15);
        assertEquals("the glowstone's light is saved", 15, (i & 1) == 0 ? bl[i >> 1] & 15 : (bl[i >> 1] >> 4) & 15);
        // every column made around the spawn is on the disk too
        assertNotNull(disk.loadColumn((x >> 4) + 2, (z >> 4) - 2));
        disk.close();
    }
}
