package net.cubeworks.world.storage;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.Arrays;

import org.junit.Test;

/** What a real server put in the files and the world does not model survives the world's saves. */
public class KeptTagsTest {
    @Test
    public void aColumnKeepsItsChestsMobsAndHighBlockIds() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        // a column as a real server leaves it: a pig, a chest, a tile tick, block 300 (Add nibble 1)
        NbtCompound section = new NbtCompound().put("Y", (byte) 0);
        byte[] blocks = Worlds.flat(0, 0).blocks[0].clone();
        blocks[5 << 8] = (byte) 44;    // id 300 = 1 << 8 | 44 at y 5
        blocks[5 << 8 | 1] = (byte) 44; // another, at x 1
        byte[] add = new byte[2048];
        add[(5 << 8) >> 1] = 0x11;        // both high nibbles
        section.put("Blocks", blocks).put("Add", add).put("Data", new byte[2048])
                .put("BlockLight", new byte[2048]).put("SkyLight", new byte[2048]).put("Extra", "kept");
        NbtCompound chest = new NbtCompound().put("id", "Chest").put("x", 35).put("y", 4).put("z", -45)
                .put("Items", NbtList.of(Nbt.COMPOUND, new NbtCompound().put("id", (short) 264).put("Count", (byte) 5)));
        NbtCompound level = new NbtCompound().put("xPos", 2).put("zPos", -3).put("LastUpdate", 77L)
                .put("InhabitedTime", 1234L)
                .put("Sections", NbtList.of(Nbt.COMPOUND, section))
                .put("Entities", NbtList.of(Nbt.COMPOUND, new NbtCompound().put("id", "Pig")))
                .put("TileEntities", NbtList.of(Nbt.COMPOUND, chest))
                .put("TileTicks", NbtList.of(Nbt.COMPOUND, new NbtCompound().put("i", 8)));
        NbtCompound root = new NbtCompound().put("Level", level).put("DataVersion", 1);
        File f = new File(world, "region/r.0.-1.mca");
        f.getParentFile().mkdirs();
        RegionFile raw = new RegionFile(f, true);
        int index = 2 + 29 * 32;
        raw.write(Arrays.asList(new RegionFile.Pending(index, Nbt.zlib(Nbt.write(root)), 1)));
        raw.close();

        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn c = storage.loadColumn(2, -3);
        assertNotNull(c);
        assertEquals(77L, c.lastUpdate);
        // what is kept beside the column holds none of the arrays the world holds itself: a
        // column is in memory once (the block ids stay for the section with high nibbles)
        NbtCompound keptSection = (NbtCompound) ((NbtCompound) c.kept).compound("Level").list("Sections").get(0);
        for (String modelled : new String[] {"Data", "BlockLight", "SkyLight"}) {
            assertNull(modelled, keptSection.get(modelled));
        }
        assertNull(((NbtCompound) c.kept).compound("Level").get("HeightMap"));
        assertEquals(44, c.blocks[0][5 << 8]);
        c.blocks[0][5 << 8 | 1] = 0; // the world digs the second one
        c.blocks[2] = new byte[4096];
        c.blocks[2][0] = 1;
        storage.saveColumns(Arrays.asList(c));
        storage.close();

        RegionFile again = new RegionFile(f, true);
        RegionFile.Entry e = again.read(index);
        again.close();
        NbtCompound back = Nbt.read(Nbt.unzlib(e.packed, 0, e.packed.length));
        NbtCompound lv = back.compound("Level");
        assertEquals(1, back.get("DataVersion"));
        assertEquals("Pig", ((NbtCompound) lv.list("Entities").get(0)).get("id"));
        NbtCompound chestBack = (NbtCompound) lv.list("TileEntities").get(0);
        assertEquals("Chest", chestBack.get("id"));
        assertEquals((short) 264, ((NbtCompound) chestBack.list("Items").get(0)).get("id"));
        assertEquals(1, lv.list("TileTicks").size());
        assertEquals(1234L, lv.get("InhabitedTime"));
        NbtList sections = lv.list("Sections");
        assertEquals(2, sections.size());
        NbtCompound s0 = (NbtCompound) sections.get(0);
        assertEquals("kept", s0.get("Extra"));
        // the untouched block keeps its high nibble, the dug one loses it
        assertEquals(0x01, ((byte[]) s0.get("Add"))[(5 << 8) >> 1]);
        NbtCompound s2 = (NbtCompound) sections.get(1);
        assertEquals((byte) 2, s2.get("Y"));
        assertNull(s2.get("Add"));
        // the height map follows the blocks: 33 above the block at y 32, 4 where block 300 was dug
        int[] hm = (int[]) lv.get("HeightMap");
        assertEquals(33, hm[0]);
        assertEquals(4, hm[1]);
        assertEquals(4, hm[255]);
        assertEquals((byte) 1, lv.get("TerrainPopulated"));
        assertEquals("[]", log.all());
    }

    @Test
    public void aNewColumnHasTheTagsTheGameExpects() throws Exception {
        StoredColumn c = Worlds.flat(-7, 9);
        c.skyLight[0] = null; // the world may leave sky light to the storage
        NbtCompound lv = ChunkCodec.encode(c).compound("Level");
        for (String tag : new String[] { "xPos", "zPos", "LastUpdate", "TerrainPopulated", "LightPopulated", "V",
                "InhabitedTime", "HeightMap", "Sections", "Biomes", "Entities", "TileEntities" }) {
            assertTrue(tag, lv.has(tag));
        }
        assertEquals(-7, lv.get("xPos"));
        assertEquals(256, ((int[]) lv.get("HeightMap")).length);
        assertEquals(4, ((int[]) lv.get("HeightMap"))[17]);
        assertEquals(0, lv.list("Entities").size());
        NbtCompound s = (NbtCompound) lv.list("Sections").get(0);
        byte[] sky = (byte[]) s.get("SkyLight");
        assertEquals(0, sky[(3 << 8) >> 1]);             // grass at y 3 is dark
        assertEquals((byte) 0xFF, sky[(4 << 8) >> 1]);   // open sky from y 4
        // an all-air section is not written
        c.blocks[5] = new byte[4096];
        assertEquals(1, ChunkCodec.encode(c).compound("Level").list("Sections").size());
    }

    @Test
    public void levelDatKeepsWhatTheWorldDoesNotModel() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        NbtCompound rules = new NbtCompound().put("keepInventory", "true").put("myPluginRule", "5");
        NbtCompound data = new NbtCompound().put("LevelName", "Old world").put("generatorName", "default")
                .put("RandomSeed", 42L).put("SpawnX", 100).put("SpawnY", 70).put("SpawnZ", -8).put("Time", 5000L)
                .put("DayTime", 6000L).put("raining", (byte) 1).put("GameRules", rules)
                .put("Player", new NbtCompound().put("Score", 9)).put("BorderSize", 1000.0);
        Worlds.write(new File(world, "level.dat"), Nbt.gzip(Nbt.write(new NbtCompound().put("Data", data).put("FML", "x"))));

        WorldStorage storage = new WorldStorage(world, log);
        StoredLevel l = storage.loadLevel();
        assertEquals("Old world", l.levelName);
        assertEquals(100, l.spawnX);
        assertEquals(42L, l.seed);
        l.time = 9000;
        storage.saveLevel(l);
        storage.close();

        byte[] file = Worlds.read(new File(world, "level.dat"));
        assertEquals(0x1F, file[0] & 0xFF);
        assertEquals(0x8B, file[1] & 0xFF);
        NbtCompound back = Nbt.read(Nbt.gunzip(file));
        NbtCompound d = back.compound("Data");
        assertEquals("x", back.get("FML"));
        assertEquals(9000L, d.get("Time"));
        assertEquals(19133, d.get("version"));
        assertEquals("default", d.get("generatorName")); // a real server's world keeps its generator
        assertEquals((byte) 1, d.get("raining"));
        assertEquals(1000.0, d.get("BorderSize"));
        assertEquals(9, d.compound("Player").get("Score"));
        assertEquals("5", d.compound("GameRules").get("myPluginRule"));
        assertEquals("true", d.compound("GameRules").get("keepInventory"));
        // the file before the save is kept as level.dat_old, as the game does
        assertEquals(5000L, Nbt.read(Nbt.gunzip(Worlds.read(new File(world, "level.dat_old")))).compound("Data").get("Time"));
        assertEquals("[]", log.all());
    }

    @Test
    public void aNewLevelDatDescribesTheFlatWorld() throws Exception {
        File world = Worlds.tempWorld();
        WorldStorage storage = new WorldStorage(world, new Worlds.Log());
        assertNull(storage.loadLevel());
        StoredLevel l = new StoredLevel();
        l.levelName = "world";
        l.spawnY = 4;
        l.gameType = 1;
        l.hardcore = true;
        storage.saveLevel(l);
        NbtCompound d = Nbt.read(Nbt.gunzip(Worlds.read(new File(world, "level.dat")))).compound("Data");
        assertEquals("flat", d.get("generatorName"));
        assertEquals("2;7,2x3,2;1", d.get("generatorOptions"));
        assertEquals(0, d.get("generatorVersion"));
        assertEquals((byte) 0, d.get("MapFeatures"));
        assertEquals((byte) 1, d.get("initialized"));
        assertEquals((byte) 1, d.get("hardcore"));
        assertEquals(1, d.get("GameType"));
        assertEquals("true", d.compound("GameRules").get("doDaylightCycle"));
        assertTrue((Long) d.get("LastPlayed") > 0);
        assertTrue(d.has("rainTime") && d.has("thunderTime") && d.has("thundering"));
        StoredLevel back = storage.loadLevel();
        assertEquals(4, back.spawnY);
        assertTrue(back.hardcore);
        assertTrue(new File(world, "level.dat").isFile() && !new File(world, "level.dat.tmp").exists());
        storage.close();
    }

    @Test
    public void aPlayerFileKeepsItsEffectsEnchantmentsAndLaterItems() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        NbtCompound ench = new NbtCompound().put("ench", NbtList.of(Nbt.COMPOUND,
                new NbtCompound().put("id", (short) 16).put("lvl", (short) 5)));
        NbtList inv = NbtList.of(Nbt.COMPOUND,
                new NbtCompound().put("id", (short) 276).put("Count", (byte) 1).put("Damage", (short) 3)
                        .put("tag", ench).put("Slot", (byte) 0),
                new NbtCompound().put("id", "minecraft:stone").put("Count", (byte) 2).put("Slot", (byte) 5),
                new NbtCompound().put("id", (short) 310).put("Count", (byte) 1).put("Slot", (byte) 103));
        NbtCompound root = new NbtCompound().put("Pos", NbtList.of(Nbt.DOUBLE, 1.5, 70.0, -2.5))
                .put("Rotation", NbtList.of(Nbt.FLOAT, 90f, 10f)).put("HealF", 13.5f).put("Health", (short) 14)
                .put("foodLevel", 17).put("foodSaturationLevel", 2.5f).put("playerGameType", 0)
                .put("SelectedItemSlot", 4).put("Inventory", inv)
                .put("ActiveEffects", NbtList.of(Nbt.COMPOUND, new NbtCompound().put("Id", (byte) 1)))
                .put("XpLevel", 30).put("bukkit", new NbtCompound().put("firstPlayed", 5L))
                .put("abilities", new NbtCompound().put("walkSpeed", 0.2f).put("flying", (byte) 0));
        Worlds.write(new File(world, "players/Alex.dat"), Nbt.gzip(Nbt.write(root)));

        WorldStorage storage = new WorldStorage(world, log);
        StoredPlayer p = storage.loadPlayer("Alex");
        assertEquals(1.5, p.x, 0);
        assertEquals(-2.5, p.z, 0);
        assertEquals(90f, p.yaw, 0);
        assertEquals(13.5f, p.health, 0);
        assertEquals(17, p.food);
        assertEquals(4, p.selectedSlot);
        assertEquals(2, p.inventory.size()); // the string id is not a stack the world can hold
        StoredItem sword = p.inventory.get(0);
        assertEquals(276, sword.id);
        assertEquals(3, sword.damage);
        assertArrayEquals(Nbt.write(ench), Nbt.write((NbtCompound) sword.tag));
        assertEquals(103, p.inventory.get(1).slot);

        p.x = 10;
        p.gameMode = 1;
        p.inventory.remove(1); // the boots taken off
        StoredItem dirt = new StoredItem();
        dirt.slot = 9;
        dirt.id = 3;
        dirt.count = 64;
        p.inventory.add(dirt);
        storage.savePlayer("Alex", p);
        storage.close();

        byte[] file = Worlds.read(new File(world, "players/Alex.dat"));
        assertEquals(0x1F, file[0] & 0xFF);
        NbtCompound back = Nbt.read(Nbt.gunzip(file));
        assertEquals(10.0, ((NbtList) back.get("Pos")).get(0));
        assertEquals(1, back.get("playerGameType"));
        assertEquals((short) 14, back.get("Health"));
        assertEquals(13.5f, back.get("HealF"));
        assertEquals(30, back.get("XpLevel"));
        assertEquals(5L, back.compound("bukkit").get("firstPlayed"));
        assertEquals(1, back.list("ActiveEffects").size());
        NbtCompound ab = back.compound("abilities");
        assertEquals(0.2f, ab.get("walkSpeed"));
        assertEquals((byte) 1, ab.get("mayfly"));
        assertEquals((byte) 1, ab.get("instabuild"));
        assertEquals(0.05f, ab.get("flySpeed"));
        NbtList items = back.list("Inventory");
        assertEquals(3, items.size());
        NbtCompound first = (NbtCompound) items.get(0);
        assertEquals((short) 276, first.get("id"));
        assertEquals((byte) 0, first.get("Slot"));
        assertArrayEquals(Nbt.write(ench), Nbt.write(first.compound("tag")));
        assertEquals((byte) 64, ((NbtCompound) items.get(1)).get("Count"));
        assertEquals("minecraft:stone", ((NbtCompound) items.get(2)).get("id"));
        for (String tag : new String[] { "Motion", "OnGround", "Dimension", "foodExhaustionLevel", "foodTickTimer",
                "EnderItems", "XpP", "XpTotal", "Score" }) {
            assertTrue(tag, back.has(tag));
        }
        assertEquals("[]", log.all());
    }
}
