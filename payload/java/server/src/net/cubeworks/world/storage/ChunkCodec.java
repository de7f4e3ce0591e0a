package net.cubeworks.world.storage;

import java.util.Arrays;
import java.util.List;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.TileTick;

/**
 * A column to and from the tag layout of the game's region files: a root compound holding
 * "Level" with the position, the height map, the non-empty sections, the biomes and the lists of
 * entities and block entities ("TileEntities", see {@link BlockEntityCodec}) and the block updates
 * due ("TileTicks": block id i, place x y z, ticks to wait t, priority p). What the world does
 * not model (entities, "Add" arrays of block ids above 255, tags of later versions,
 * block entries it cannot take) comes back from {@link StoredColumn#kept}.
 */
public final class ChunkCodec {
    private ChunkCodec() {
    }

    /** Why a column cannot be written (a section array of the wrong size), or null. */
    static String invalid(StoredColumn c) {
        if (c.biomes != null && c.biomes.length != 256) {
            return "its biome array has " + c.biomes.length + " bytes, not 256";
        }
        for (int y = 0; y < 16; y++) {
            if (c.blocks[y] == null) {
                continue;
            }
            if (c.blocks[y].length != 4096) {
                return "section " + y + " has " + c.blocks[y].length + " block ids, not 4096";
            }
            byte[][][] nibbles = { c.data, c.blockLight, c.skyLight };
            for (byte[][] n : nibbles) {
                if (n[y] != null && n[y].length != 2048) {
                    return "section " + y + " has a nibble array of " + n[y].length + " bytes, not 2048";
                }
            }
        }
        return null;
    }

    /** The height map: per z<<4 | x, the first y above the highest non-air block. */
    static int[] heightMap(StoredColumn c) {
        int[] h = new int[256];
        int missing = 256;
        for (int s = 15; s >= 0 && missing > 0; s--) {
            byte[] b = c.blocks[s];
            if (b == null) {
                continue;
            }
            for (int y = 15; y >= 0 && missing > 0; y--) {
                int base = y << 8;
                for (int i = 0; i < 256; i++) {
                    if (h[i] == 0 && b[base + i] != 0) {
                        h[i] = (s << 4) + y + 1;
                        missing--;
                    }
                }
            }
        }
        return h;
    }

    static NbtCompound encode(StoredColumn c) {
        NbtCompound keptRoot = c.kept instanceof NbtCompound ? (NbtCompound) c.kept : null;
        NbtCompound keptLevel = keptRoot != null ? keptRoot.compound("Level") : null;
        NbtCompound root = keptRoot != null ? keptRoot.copy() : new NbtCompound();
        NbtCompound level = keptLevel != null ? keptLevel.copy() : new NbtCompound();

        NbtCompound[] keptSections = new NbtCompound[16];
        NbtList oldSections = keptLevel != null ? keptLevel.list("Sections") : null;
        if (oldSections != null && oldSections.type == Nbt.COMPOUND) {
            for (Object o : oldSections.items) {
                NbtCompound s = (NbtCompound) o;
                long y = s.number("Y", -1);
                if (y >= 0 && y < 16) {
                    keptSections[(int) y] = s;
                }
            }
        }

        int[] heights = heightMap(c);
        NbtList sections = new NbtList(Nbt.COMPOUND);
        for (int y = 0; y < 16; y++) {
            NbtCompound s = section(c, y, keptSections[y], heights);
            if (s != null) {
                sections.add(s);
            }
        }

        level.put("xPos", c.x);
        level.put("zPos", c.z);
        level.put("LastUpdate", c.lastUpdate);
        level.put("TerrainPopulated", (byte) 1);
        level.put("LightPopulated", (byte) 1);
        level.put("V", (byte) 1);
        level.putIfAbsent("InhabitedTime", 0L);
        level.put("HeightMap", heights);
        level.put("Sections", sections);
        byte[] biomes = c.biomes;
        if (biomes == null) {
            biomes = new byte[256];
            Arrays.fill(biomes, (byte) -1); // the game's "not yet decided"
        }
        level.put("Biomes", biomes);
        level.put("Entities", entities(c));
        level.put("TileEntities", tileEntities(c, keptLevel != null ? keptLevel.list("TileEntities") : null));
        NbtList ticks = tileTicks(c, keptLevel != null ? keptLevel.list("TileTicks") : null);
        if (ticks != null) {
            level.put("TileTicks", ticks);
        } else {
            level.remove("TileTicks");
        }
        root.put("Level", level);
        return root;
    }

    /**
     * The column's block entities, after the entries read that could not be taken (kept as they
     * were): a reader that finds two at one place keeps the later, the world's.
     */
    private static NbtList tileEntities(StoredColumn c, NbtList broken) {
        if (c.blockEntities.isEmpty() && (broken == null || broken.size() == 0)) {
            return new NbtList(Nbt.END);
        }
        NbtList list = new NbtList(Nbt.COMPOUND);
        if (broken != null) {
            for (Object o : broken.items) {
                list.add(o);
            }
        }
        for (BlockEntity e : c.blockEntities) {
            list.add(BlockEntityCodec.write(e));
        }
        return list;
    }

    /**
     * The block updates due, after the entries read that could not be taken (kept as they were);
     * null when there are none, as the game then writes no list.
     */
    private static NbtList tileTicks(StoredColumn c, NbtList broken) {
        if (c.tileTicks.isEmpty() && (broken == null || broken.size() == 0)) {
            return null;
        }
        NbtList list = new NbtList(Nbt.COMPOUND);
        if (broken != null) {
            for (Object o : broken.items) {
                list.add(o);
            }
        }
        for (TileTick t : c.tileTicks) {
            NbtCompound e = new NbtCompound();
            e.put("i", t.blockId);
            e.put("x", t.x);
            e.put("y", t.y);
            e.put("z", t.z);
            e.put("t", (int) Math.max(Integer.MIN_VALUE, Math.min(Integer.MAX_VALUE, t.delay)));
            e.put("p", t.priority);
            list.add(e);
        }
        return list;
    }

    private static NbtCompound section(StoredColumn c, int y, NbtCompound kept, int[] heights) {
        byte[] blocks = c.blocks[y];
        if (blocks == null) {
            return null;
        }
        byte[] add = kept != null ? kept.bytes("Add") : null;
        if (add != null) {
            add = cleanAdd(add, kept.bytes("Blocks"), blocks);
        }
        if (add == null && allZero(blocks)) {
            return null;
        }
        NbtCompound s = kept != null ? kept.copy() : new NbtCompound();
        s.put("Y", (byte) y);
        s.put("Blocks", blocks);
        if (add != null) {
            s.put("Add", add);
        } else {
            s.remove("Add");
        }
        s.put("Data", c.data[y] != null ? c.data[y] : new byte[2048]);
        s.put("BlockLight", c.blockLight[y] != null ? c.blockLight[y] : new byte[2048]);
        s.put("SkyLight", c.skyLight[y] != null ? c.skyLight[y] : openSky(y, heights));
        return s;
    }

    /**
     * The high nibbles of block ids above 255 that a real server stored. Where the world changed
     * a block, its old high nibble no longer applies and is cleared. Null when none is left.
     */
    private static byte[] cleanAdd(byte[] add, byte[] oldBlocks, byte[] blocks) {
        if (add.length != 2048) {
            return null;
        }
        byte[] out = add.clone();
        boolean any = false;
        for (int i = 0; i < 4096; i++) {
            if (oldBlocks == null || oldBlocks.length != 4096 || oldBlocks[i] != blocks[i]) {
                out[i >> 1] &= (i & 1) == 0 ? 0xF0 : 0x0F;
            }
        }
        for (byte b : out) {
            any |= b != 0;
        }
        return any ? out : null;
    }

    /** Sky light for a section the world gave none: 15 from the height map up, dark below. */
    private static byte[] openSky(int sy, int[] heights) {
        byte[] n = new byte[2048];
        for (int y = 0; y < 16; y++) {
            int wy = (sy << 4) + y;
            for (int i = 0; i < 256; i++) {
                if (wy >= heights[i]) {
                    int idx = y << 8 | i;
                    n[idx >> 1] |= (idx & 1) == 0 ? 0x0F : 0xF0;
                }
            }
        }
        return n;
    }

    private static boolean allZero(byte[] b) {
        for (byte x : b) {
            if (x != 0) {
                return false;
            }
        }
        return true;
    }

    /**
     * Reads a column. A column stored under other coordinates is taken for the one asked for
     * (as the game does); the caller is told through the answer's coordinates differing from xPos/zPos.
     * A block entry that cannot be taken (tags of other types than the layout's, a place outside
     * the column) is left out of the column, kept to be written back as it is, and said in skipped.
     */
    static StoredColumn decode(NbtCompound root, int cx, int cz, List<String> skipped) throws Nbt.FormatException {
        NbtCompound level = root.compound("Level");
        if (level == null) {
            throw new Nbt.FormatException("it has no Level compound");
        }
        StoredColumn c = new StoredColumn(cx, cz);
        c.lastUpdate = level.number("LastUpdate", 0);
        Object sectionsTag = level.get("Sections");
        if (sectionsTag != null) {
            if (!(sectionsTag instanceof NbtList)) {
                throw new Nbt.FormatException("its Sections tag is not a list");
            }
            NbtList sections = (NbtList) sectionsTag;
            if (sections.size() > 0 && sections.type != Nbt.COMPOUND) {
                throw new Nbt.FormatException("its Sections list holds tags of type " + sections.type);
            }
            for (Object o : sections.items) {
                NbtCompound s = (NbtCompound) o;
                long y = s.number("Y", -1);
                if (y < 0 || y > 15) {
                    throw new Nbt.FormatException("a section has Y " + (s.has("Y") ? String.valueOf(y) : "missing"));
                }
                int sy = (int) y;
                c.blocks[sy] = array(s, "Blocks", 4096, sy, false);
                c.data[sy] = array(s, "Data", 2048, sy, true);
                c.blockLight[sy] = array(s, "BlockLight", 2048, sy, true);
                c.skyLight[sy] = array(s, "SkyLight", 2048, sy, true);
            }
        }
        byte[] biomes = level.bytes("Biomes");
        if (biomes != null && biomes.length == 256) {
            c.biomes = biomes.clone();
        } else {
            Arrays.fill(c.biomes, (byte) 1); // plains, the only biome the world generates
        }
        readTileEntities(level, c, skipped);
        readEntities(level, c, skipped);
        readTileTicks(level, c, skipped);
        NbtCompound kept = withoutModelled(root);
        c.kept = onlyWhatIsWritten(kept) ? null : kept;
        return c;
    }

    /** The tags of "Level" that {@link #encode} writes itself whatever the column kept (with their values). */
    private static final java.util.Set<String> WRITTEN = new java.util.HashSet<String>(java.util.Arrays.asList(
            "xPos", "zPos", "LastUpdate", "TerrainPopulated", "LightPopulated", "V", "HeightMap", "Sections",
            "Biomes"));

    /**
     * True when what is kept of a column holds nothing that {@link #encode} would not write the
     * same without it (the position, the flags, a zero InhabitedTime, empty lists of entities,
     * sections with only their Y): it need not stay in memory with the column, which is most of
     * the land a server of ours saved.
     */
    static boolean onlyWhatIsWritten(NbtCompound root) {
        if (root.size() != 1) {
            return false;
        }
        NbtCompound level = root.compound("Level");
        if (level == null) {
            return false;
        }
        for (java.util.Map.Entry<String, Object> e : level.entries()) {
            String name = e.getKey();
            Object v = e.getValue();
            if (name.equals("InhabitedTime")) {
                if (!(v instanceof Long) || (Long) v != 0L) {
                    return false;
                }
            } else if (name.equals("Entities") || name.equals("TileEntities")) {
                if (!(v instanceof NbtList) || ((NbtList) v).size() != 0) {
                    return false;
                }
            } else if (!WRITTEN.contains(name)) {
                return false;
            }
        }
        NbtList sections = level.list("Sections");
        if (sections != null) {
            for (Object o : sections.items) {
                if (!(o instanceof NbtCompound) || ((NbtCompound) o).size() != 1 || !((NbtCompound) o).has("Y")) {
                    return false;
                }
            }
        } else if (level.has("Sections")) {
            return false;
        }
        return true;
    }

    /**
     * Takes the block entities of the column out of the level's TileEntities list, which is left
     * holding the entries that could not be taken.
     */
    private static void readTileEntities(NbtCompound level, StoredColumn c, List<String> skipped) {
        Object tag = level.get("TileEntities");
        if (tag == null) {
            return;
        }
        if (!(tag instanceof NbtList) || ((NbtList) tag).size() > 0 && ((NbtList) tag).type != Nbt.COMPOUND) {
            skipped.add("its TileEntities tag is not a list of compounds; it is left out");
            level.remove("TileEntities");
            return;
        }
        NbtList broken = new NbtList(Nbt.COMPOUND);
        for (Object o : ((NbtList) tag).items) {
            NbtCompound entry = (NbtCompound) o;
            try {
                c.blockEntities.add(BlockEntityCodec.read(entry, c.x, c.z));
            } catch (BlockEntityCodec.Broken e) {
                Object id = entry.get("id");
                skipped.add("a block entity" + (id instanceof String ? " \"" + id + "\"" : "") + " is not used ("
                        + e.getMessage() + "); it is kept in the file as it is");
                broken.add(entry);
            }
        }
        if (broken.size() > 0) {
            level.put("TileEntities", broken);
        } else {
            level.remove("TileEntities");
        }
    }

    /**
     * Takes the block updates due out of the level's TileTicks list, which is left holding the
     * entries that could not be taken (no number for the id or place, a place outside the column),
     * without a word: they are written back as they were, and an update is not worth a console line.
     */
    private static void readTileTicks(NbtCompound level, StoredColumn c, List<String> skipped) {
        Object tag = level.get("TileTicks");
        if (tag == null) {
            return;
        }
        if (!(tag instanceof NbtList) || ((NbtList) tag).size() > 0 && ((NbtList) tag).type != Nbt.COMPOUND) {
            skipped.add("its TileTicks tag is not a list of compounds; it is left out");
            level.remove("TileTicks");
            return;
        }
        NbtList broken = new NbtList(Nbt.COMPOUND);
        for (Object o : ((NbtList) tag).items) {
            NbtCompound e = (NbtCompound) o;
            long x = e.number("x", Long.MIN_VALUE);
            long y = e.number("y", Long.MIN_VALUE);
            long z = e.number("z", Long.MIN_VALUE);
            long id = e.number("i", Long.MIN_VALUE);
            if (x >> 4 != c.x || z >> 4 != c.z || y < 0 || y > 255 || id < 0 || id > 4095) {
                broken.add(e);
                continue;
            }
            c.tileTicks.add(new TileTick((int) x, (int) y, (int) z, (int) id, e.number("t", 0), (int) e.number("p", 0)));
        }
        if (broken.size() > 0) {
            level.put("TileTicks", broken);
        } else {
            level.remove("TileTicks");
        }
    }

    /**
     * What is kept of a column as read, without the arrays the world holds itself (blocks,
     * metadata, light, height map, biomes): those are written from the world's own on every
     * save, and keeping them twice would double a column's memory. A section's block ids stay
     * where it has the high nibbles of ids above 255, which are cleared where a block changed.
     */
    private static NbtCompound withoutModelled(NbtCompound root) {
        NbtCompound level = root.compound("Level");
        level.remove("HeightMap");
        level.remove("Biomes");
        NbtList sections = level.list("Sections");
        if (sections != null) {
            for (Object o : sections.items) {
                NbtCompound s = (NbtCompound) o;
                s.remove("Data");
                s.remove("BlockLight");
                s.remove("SkyLight");
                if (s.bytes("Add") == null) {
                    s.remove("Blocks");
                }
            }
        }
        return root;
    }

    /** A copy of a section's array: the world changes its arrays, the kept tags stay as read. */
    private static byte[] array(NbtCompound s, String name, int length, int y, boolean optional)
            throws Nbt.FormatException {
        Object v = s.get(name);
        if (v == null && optional) {
            return new byte[length];
        }
        if (!(v instanceof byte[]) || ((byte[]) v).length != length) {
            throw new Nbt.FormatException("section " + y + " has " + (v == null ? "no " + name
                    : "a " + name + " tag that is not " + length + " bytes"));
        }
        return ((byte[]) v).clone();
    }

    /** The column's Entities list: its entries as the world handed them, an empty list when none. */
    private static NbtList entities(StoredColumn c) {
        if (c.entities.isEmpty()) {
            return new NbtList(Nbt.END);
        }
        NbtList list = new NbtList(Nbt.COMPOUND);
        for (NbtCompound e : c.entities) {
            list.add(e);
        }
        return list;
    }

    /**
     * Takes the entries of the level's Entities list into the column; the world reads the kinds it
     * runs and keeps the others as they are. A list of something other than compounds is left out.
     */
    private static void readEntities(NbtCompound level, StoredColumn c, List<String> skipped) {
        Object tag = level.remove("Entities");
        if (tag == null) {
            return;
        }
        if (!(tag instanceof NbtList) || ((NbtList) tag).size() > 0 && ((NbtList) tag).type != Nbt.COMPOUND) {
            skipped.add("its Entities tag is not a list of compounds; it is left out");
            return;
        }
        for (Object o : ((NbtList) tag).items) {
            c.entities.add((NbtCompound) o);
        }
    }
}
