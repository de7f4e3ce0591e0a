package net.cubeworks.world.storage;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.Arrays;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.logging.Logger;

import org.junit.Test;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Column;

/** Signs, containers and the block entities the world does not model, through the region files. */
public class TileEntitiesTest {
    /** The column (1, -2): x 16..31, z -32..-17. */
    private static final int CX = 1;
    private static final int CZ = -2;

    private static NbtCompound entry(String id, int x, int y, int z) {
        return new NbtCompound().put("id", id).put("x", x).put("y", y).put("z", z);
    }

    private static NbtCompound item(int slot, Object id, int count, int damage) {
        return new NbtCompound().put("Slot", (byte) slot).put("id", id).put("Count", (byte) count)
                .put("Damage", (short) damage);
    }

    private static File regionWith(File world, NbtList tileEntities) throws Exception {
        StoredColumn flat = Worlds.flat(CX, CZ);
        NbtCompound level = ChunkCodec.encode(flat).compound("Level");
        level.put("TileEntities", tileEntities);
        File f = new File(world, "region/r.0.-1.mca");
        f.getParentFile().mkdirs();
        RegionFile raw = new RegionFile(f, true);
        NbtCompound root = new NbtCompound().put("Level", level);
        raw.write(Arrays.asList(new RegionFile.Pending(index(), Nbt.zlib(Nbt.write(root)), 1)));
        raw.close();
        return f;
    }

    private static int index() {
        return (CX & 31) | (CZ & 31) << 5;
    }

    private static NbtList writtenTileEntities(File region) throws Exception {
        RegionFile again = new RegionFile(region, true);
        RegionFile.Entry e = again.read(index());
        again.close();
        return Nbt.read(Nbt.unzlib(e.packed, 0, e.packed.length)).compound("Level").list("TileEntities");
    }

    private static Map<String, NbtCompound> byId(NbtList list) {
        Map<String, NbtCompound> out = new HashMap<String, NbtCompound>();
        for (Object o : list.items) {
            out.put(((NbtCompound) o).get("id") + "@" + ((NbtCompound) o).get("x"), (NbtCompound) o);
        }
        return out;
    }

    @Test
    public void theGamesLayoutIsReadModelledKindsAreWrittenInItAndTheRestGoesBackAsItWas() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        NbtCompound ench = new NbtCompound().put("ench", NbtList.of(Nbt.COMPOUND,
                new NbtCompound().put("id", (short) 16).put("lvl", (short) 5)));
        NbtCompound sign = entry("Sign", 20, 4, -20).put("Text1", "Welcome").put("Text2", "to").put("Text3", "")
                .put("Text4", "the spawn");
        NbtCompound chest = entry("Chest", 21, 4, -20).put("Items", NbtList.of(Nbt.COMPOUND,
                item(0, (short) 276, 1, 5).put("tag", ench), item(26, (short) 264, 64, 0),
                item(3, "minecraft:stone", 2, 0))).put("CustomName", "Loot");
        NbtCompound furnace = entry("Furnace", 22, 4, -20).put("BurnTime", (short) 120).put("CookTime", (short) 50)
                .put("Items", NbtList.of(Nbt.COMPOUND, item(1, (short) 263, 8, 0)));
        NbtCompound spawner = entry("MobSpawner", 23, 4, -20).put("EntityId", "Zombie").put("Delay", (short) 20)
                .put("SpawnData", new NbtCompound().put("CustomName", "Bob"));
        NbtCompound wrongX = new NbtCompound().put("id", "Sign").put("x", "20").put("y", 5).put("z", -20);
        NbtCompound elsewhere = entry("Chest", 100, 4, 100);
        NbtCompound badItems = entry("Trap", 24, 4, -20).put("Items", 5);
        File region = regionWith(world, NbtList.of(Nbt.COMPOUND, wrongX, sign, chest, elsewhere, furnace, spawner,
                badItems));

        WorldStorage storage = new WorldStorage(world, log);
        StoredColumn c = storage.loadColumn(CX, CZ);
        assertNotNull("the column loads", c);
        assertEquals(log.all(), 3, log.count());
        assertTrue(log.all(), log.warnings.get(0).contains(region.getPath()) && log.warnings.get(0).contains("(1, -2)")
                && log.warnings.get(0).contains("its x is not an int"));
        assertTrue(log.all(), log.warnings.get(1).contains("its place (100, 4, 100) is not in the column"));
        assertTrue(log.all(), log.warnings.get(2).contains("\"Trap\"") && log.warnings.get(2).contains("Items"));
        assertEquals(4, c.blockEntities.size());

        BlockEntity.Sign s = (BlockEntity.Sign) c.blockEntities.get(0);
        assertEquals("[Welcome, to, , the spawn]", Arrays.toString(s.lines()));
        assertEquals(20, s.x);
        BlockEntity.Container box = (BlockEntity.Container) c.blockEntities.get(1);
        assertEquals(27, box.slots.size());
        assertEquals(276, box.slots.item(0));
        assertEquals(5, box.slots.data(0));
        assertArrayEquals(Nbt.write(ench), Nbt.write((NbtCompound) box.slots.tag(0)));
        assertEquals(64, box.slots.count(26));
        assertEquals("an id that is no number is no stack the world holds", 0, box.slots.item(3));
        assertEquals("Loot", box.customName);
        BlockEntity.Furnace f = (BlockEntity.Furnace) c.blockEntities.get(2);
        assertEquals(120, f.burnTime);
        assertEquals(50, f.cookTime);
        assertEquals(8, f.slots.count(1));
        assertEquals("MobSpawner", c.blockEntities.get(3).id);

        s.setLine(1, "at");
        box.slots.set(26, 0, 0, 0, null);
        box.slots.set(1, 3, 10, 0, null);
        f.cookTime = 51;
        storage.saveColumns(Arrays.asList(c));
        storage.close();

        NbtList back = writtenTileEntities(region);
        assertEquals(Nbt.COMPOUND, back.type);
        assertEquals(7, back.size());
        // the entries that could not be taken, as they were, ahead of the world's
        assertArrayEquals(Nbt.write(wrongX), Nbt.write((NbtCompound) back.get(0)));
        assertArrayEquals(Nbt.write(elsewhere), Nbt.write((NbtCompound) back.get(1)));
        assertArrayEquals(Nbt.write(badItems), Nbt.write((NbtCompound) back.get(2)));
        Map<String, NbtCompound> out = byId(back);
        assertArrayEquals("a kind the world does not model is written as read", Nbt.write(spawner),
                Nbt.write(out.get("MobSpawner@23")));
        NbtCompound signBack = out.get("Sign@20");
        assertEquals("at", signBack.get("Text2"));
        assertEquals("the spawn", signBack.get("Text4"));
        for (NbtCompound e : out.values()) {
            assertTrue(e.get("x") instanceof Integer && e.get("y") instanceof Integer && e.get("z") instanceof Integer);
        }
        NbtCompound chestBack = out.get("Chest@21");
        assertEquals("Loot", chestBack.get("CustomName"));
        Map<Object, NbtCompound> items = new HashMap<Object, NbtCompound>();
        for (Object o : chestBack.list("Items").items) {
            items.put(((NbtCompound) o).get("Slot"), (NbtCompound) o);
        }
        assertEquals("[0, 1, 3]", new java.util.TreeSet<Object>(items.keySet()).toString());
        NbtCompound sword = items.get((byte) 0);
        assertEquals((short) 276, sword.get("id"));
        assertEquals((byte) 1, sword.get("Count"));
        assertEquals((short) 5, sword.get("Damage"));
        assertArrayEquals(Nbt.write(ench), Nbt.write(sword.compound("tag")));
        assertEquals((byte) 10, items.get((byte) 1).get("Count"));
        assertEquals("minecraft:stone", items.get((byte) 3).get("id"));
        NbtCompound furnaceBack = out.get("Furnace@22");
        assertEquals((short) 120, furnaceBack.get("BurnTime"));
        assertEquals((short) 51, furnaceBack.get("CookTime"));
        assertEquals((short) 263, ((NbtCompound) furnaceBack.list("Items").get(0)).get("id"));
    }

    @Test
    public void signsAndChestsComeBackFromTheRegionFileAndGoWithTheirBlocks() throws Exception {
        File world = Worlds.tempWorld();
        AnvilStore store = new AnvilStore(world, Logger.getAnonymousLogger());
        Column c = Column.flat(-1, 0);
        c.set(2, 4, 3, 63, 4);
        c.set(3, 4, 3, 54, 2);
        c.set(4, 200, 3, 54, 2);
        c.set(5, 4, 3, 1, 0);
        assertNull("stone has no block entity", c.blockEntity(5, 4, 3));
        BlockEntity.Sign sign = (BlockEntity.Sign) c.blockEntity(2, 4, 3);
        assertEquals(-14, sign.x);
        sign.setLines(new String[] {"Shop", "a line longer than a sign's"});
        BlockEntity.Container chest = (BlockEntity.Container) c.blockEntity(3, 4, 3);
        NbtCompound tag = new NbtCompound().put("display", new NbtCompound().put("Name", "Lucky"));
        chest.slots.set(13, 264, 3, 0, tag);
        ((BlockEntity.Container) c.blockEntity(4, 200, 3)).slots.set(0, 1, 64, 0, null);
        Column copy = c.copy();
        chest.slots.set(13, 0, 0, 0, null);
        assertEquals("a copy keeps the slots as they were", 3,
                ((BlockEntity.Container) copy.blockEntity(3, 4, 3)).slots.count(13));
        store.saveColumns(Arrays.asList(copy));

        Column back = store.loadColumn(-1, 0);
        assertEquals(3, back.blockEntities().size());
        BlockEntity.Sign signBack = (BlockEntity.Sign) back.blockEntity(2, 4, 3);
        assertEquals("[Shop, a line longer t, , ]", Arrays.toString(signBack.lines()));
        BlockEntity.Container chestBack = (BlockEntity.Container) back.blockEntity(3, 4, 3);
        assertEquals(264, chestBack.slots.item(13));
        assertEquals(3, chestBack.slots.count(13));
        assertArrayEquals(Nbt.write(tag), Nbt.write((NbtCompound) chestBack.slots.tag(13)));
        assertEquals("a high section's own", 64, ((BlockEntity.Container) back.blockEntity(4, 200, 3)).slots.count(0));

        // the chest is dug, the sign turned, the high chest made a trapped one
        back.set(3, 4, 3, 0, 0);
        back.set(2, 4, 3, 63, 8);
        back.set(4, 200, 3, 146, 2);
        assertNull(back.blockEntity(3, 4, 3));
        assertEquals("Shop", ((BlockEntity.Sign) back.blockEntity(2, 4, 3)).line(0));
        assertEquals("a new, empty chest", 0, ((BlockEntity.Container) back.blockEntity(4, 200, 3)).slots.count(0));
        store.saveColumns(Arrays.asList(back));
        List<BlockEntity> again = new java.util.ArrayList<BlockEntity>(store.loadColumn(-1, 0).blockEntities());
        assertEquals(2, again.size());
        assertEquals("Shop", ((BlockEntity.Sign) again.get(0)).line(0));
        assertEquals(0, ((BlockEntity.Container) again.get(1)).slots.count(0));
        store.close();
    }
}
