package net.cubeworks.world.level;

import java.util.Arrays;
import java.util.Collection;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * One column of 16x256x16 blocks in 16 sections of 16 high, each kept small (see {@link Section}):
 * a section of one block throughout as that block alone, one of at most 16 kinds of block as a
 * palette and a nibble a block, light of one level throughout as a shared array. An empty section
 * (null) holds only air. Once the column is lit ({@link #lit}) each section also keeps its block
 * light and sky light; a column never lit (a flat one, or one read from a world that keeps no
 * light) has block light 0 and sky light following from the height of each block column. An empty
 * section is open sky: sky light 15, block light 0. The arrays the packet and the save want
 * (4096 ids, 2048 bytes of metadata) are made when they are asked for.
 * The column also keeps the {@link BlockEntity block entities} of its blocks, by place: one goes
 * when its block is replaced by a block of another id, and a new sign or container gets an empty one.
 */
public final class Column {
    public static final int BEDROCK = 7;
    public static final int DIRT = 3;
    public static final int GRASS = 2;
    public static final int PLAINS = 1;
    /** The height of the superflat ground: bedrock at 0, dirt at 1 and 2, grass at 3. */
    public static final int FLAT_HEIGHT = 4;

    public final int x;
    public final int z;
    private final Section[] sections = new Section[16];
    private final byte[] biomes = new byte[256];
    /** True when the sections hold the column's light (see {@link ColumnLight}). */
    private boolean lit;
    /** The block entities, by {@link #place}, in the order read or put; null while there are none. */
    private Map<Integer, BlockEntity> blockEntities;
    /**
     * The entities that stand in the column while they are not in the world, each an entry as the
     * store keeps it: read with the column and not yet taken into the world, of a kind the world
     * does not run, or put back when nobody saw the column any more; in a copy for saving, also
     * those the world runs, as they were when it was made. Null while there are none.
     */
    public java.util.List<Object> entities;
    /** What the storage keeps about the column beyond its blocks, handed back on save. */
    public Object kept;
    /**
     * The block updates due in the column as read from its TileTicks, until the world takes them
     * into its queue (then null); in a copy made for saving, those still due then. Never changed
     * in place: a new list replaces it.
     */
    public java.util.List<TileTick> tileTicks;
    public long lastUpdate;
    /**
     * The sides whose light has been brought across from the neighbour there (bit 0 west, 1 east,
     * 2 north, 3 south); see {@link Relight#acrossBorder}.
     */
    public int litBorders;
    /** Goes up with every change of blocks or light, so data made from the column can tell it is stale. */
    private volatile int version;
    /**
     * Whatever the protocol made of the column for sending, with the version it was made from;
     * kept here so a column sent to many players is prepared once.
     */
    public volatile Object sendCache;
    /**
     * True for the columns whose prepared data is worth its memory: those around the spawn, which
     * every joining player is sent. Others are prepared anew each time they are sent.
     */
    public boolean keepSendCache;

    public Column(int x, int z) {
        this.x = x;
        this.z = z;
    }

    /** The bottom section of the superflat ground, shared by the flat columns until one changes it. */
    private static final Section FLAT_SECTION;

    static {
        byte[] b = new byte[4096];
        for (int i = 0; i < 256; i++) {
            b[i] = BEDROCK;
            b[256 + i] = DIRT;
            b[512 + i] = DIRT;
            b[768 + i] = GRASS;
        }
        FLAT_SECTION = Section.of(b, null);
    }

    /** The default superflat column: bedrock, two dirt, grass, plains. */
    public static Column flat(int x, int z) {
        Column c = new Column(x, z);
        synchronized (FLAT_SECTION) {
            c.sections[0] = FLAT_SECTION.copy();
        }
        Arrays.fill(c.biomes, (byte) PLAINS);
        return c;
    }

    static int index(int bx, int y, int bz) {
        return (y & 15) << 8 | bz << 4 | bx;
    }

    /** The block id at local x and z (0..15) and y (0..255). */
    public int block(int bx, int y, int bz) {
        Section s = sections[y >> 4];
        return s == null ? 0 : s.id(index(bx, y, bz));
    }

    public int meta(int bx, int y, int bz) {
        Section s = sections[y >> 4];
        return s == null ? 0 : s.state(index(bx, y, bz)) & 15;
    }

    /**
     * Sets a block. A block of another id than before loses its block entity, and a sign or
     * container gets a new empty one.
     */
    public void set(int bx, int y, int bz, int id, int data) {
        changing();
        int sy = y >> 4;
        Section s = sections[sy];
        if (s == null) {
            if (id == 0) {
                return;
            }
            s = new Section();
            if (lit) {
                s.levelLight(0, 15);
            }
            sections[sy] = s;
        }
        int i = index(bx, y, bz);
        if (s.id(i) != (id & 0xFF)) {
            replaced(bx, y, bz, id & 0xFF);
        }
        s.set(i, (id & 0xFF) << 4 | (data & 0x0F));
    }

    /** The block became one of another id: its block entity goes, the new block's comes. */
    private void replaced(int bx, int y, int bz, int id) {
        if (blockEntities != null) {
            blockEntities.remove(place(bx, y, bz));
        }
        BlockEntity e = BlockEntity.forBlock(id, x << 4 | bx, y, z << 4 | bz);
        if (e != null) {
            putBlockEntity(e);
        }
    }

    /** A block's place in the column, y (0..255), z and x (0..15): the key of its block entity. */
    private static int place(int bx, int y, int bz) {
        return y << 8 | bz << 4 | bx;
    }

    /** The block entity at local x, z (0..15) and y (0..255); null when there is none. */
    public BlockEntity blockEntity(int bx, int y, int bz) {
        return blockEntities == null ? null : blockEntities.get(place(bx, y, bz));
    }

    /**
     * Puts the block entity at its place, in place of the one there. Its place must be in the
     * column (IllegalArgumentException otherwise).
     */
    public void putBlockEntity(BlockEntity e) {
        if (e.x >> 4 != x || e.z >> 4 != z || e.y < 0 || e.y > 255) {
            throw new IllegalArgumentException("the block entity at (" + e.x + ", " + e.y + ", " + e.z
                    + ") is not in the column (" + x + ", " + z + ")");
        }
        if (blockEntities == null) {
            blockEntities = new LinkedHashMap<Integer, BlockEntity>();
        }
        blockEntities.put(place(e.x & 15, e.y, e.z & 15), e);
    }

    /** Removes the block entity at local x, z and y; returns it, or null when there was none. */
    public BlockEntity removeBlockEntity(int bx, int y, int bz) {
        return blockEntities == null ? null : blockEntities.remove(place(bx, y, bz));
    }

    /** The block entities, not to be changed through (use put and remove); empty when there are none. */
    public Collection<BlockEntity> blockEntities() {
        return blockEntities == null ? Collections.<BlockEntity>emptyList()
                : Collections.unmodifiableCollection(blockEntities.values());
    }

    /** Puts in the light computed for a non-empty section (2048 nibble bytes each, the section's own from here on). */
    public void putLight(int sy, byte[] block, byte[] sky) {
        changing();
        Section s = sections[sy];
        if (s != null) {
            s.putLight(block, sky);
        }
    }

    public boolean lit() {
        return lit;
    }

    /** Marks the light arrays as the column's light, once it has been computed or read. */
    public void setLit(boolean lit) {
        changing();
        this.lit = lit;
        if (lit) {
            for (Section s : sections) {
                if (s != null && s.skyLight == null) {
                    s.levelLight(0, 15);
                }
            }
        }
    }

    /** Sky light at local x, z and y 0..255; 15 in an empty section or once unlit above the height. */
    public int sky(int bx, int y, int bz) {
        Section s = sections[y >> 4];
        return s == null || s.skyLight == null ? 15 : Section.light(s.skyLight, index(bx, y, bz));
    }

    public int blockLight(int bx, int y, int bz) {
        Section s = sections[y >> 4];
        return s == null || s.blockLight == null ? 0 : Section.light(s.blockLight, index(bx, y, bz));
    }

    /** Sets sky light; an empty section stays open sky. */
    public void setSky(int bx, int y, int bz, int v) {
        changing();
        Section s = sections[y >> 4];
        if (s != null) {
            s.setLight(true, index(bx, y, bz), v);
        }
    }

    public void setBlockLight(int bx, int y, int bz, int v) {
        changing();
        Section s = sections[y >> 4];
        if (s != null) {
            s.setLight(false, index(bx, y, bz), v);
        }
    }

    /** The light arrays of a section (2048 nibble bytes, not to be changed), or null for an empty or unlit one. */
    public byte[] sectionSkyLight(int sy) {
        Section s = sections[sy];
        return lit && s != null ? s.skyLight : null;
    }

    public byte[] sectionBlockLight(int sy) {
        Section s = sections[sy];
        return lit && s != null ? s.blockLight : null;
    }

    /** Puts light read from disk into a non-empty section; arrays of the wrong size are ignored. */
    public void setSectionLight(int sy, byte[] block, byte[] sky) {
        changing();
        Section s = sections[sy];
        if (s == null || block == null || sky == null || block.length != 2048 || sky.length != 2048) {
            return;
        }
        s.putLight(block.clone(), sky.clone());
    }

    /** True when the section is there (it may still hold only air); false for an empty one. */
    public boolean hasSection(int sy) {
        return sections[sy] != null;
    }

    /** The section's 4096 block ids as they are kept on disk, made now; null for an empty section. */
    public byte[] sectionBlocks(int sy) {
        Section s = sections[sy];
        if (s == null) {
            return null;
        }
        byte[] ids = new byte[4096];
        s.fill(ids, 0, null, 0);
        return ids;
    }

    /** The section's 4096 block ids written into out (which the caller reuses); false for an empty section. */
    public boolean sectionBlocks(int sy, byte[] out) {
        Section s = sections[sy];
        if (s == null) {
            return false;
        }
        s.fill(out, 0, null, 0);
        return true;
    }

    /** The section's 2048 bytes of metadata nibbles, made now; null for an empty section. */
    public byte[] sectionMeta(int sy) {
        Section s = sections[sy];
        if (s == null) {
            return null;
        }
        byte[] m = new byte[2048];
        s.fill(null, 0, m, 0);
        return m;
    }

    /** The section's 2048 bytes of metadata written into out; false for an empty section. */
    public boolean sectionMeta(int sy, byte[] out) {
        Section s = sections[sy];
        if (s == null) {
            return false;
        }
        s.fill(null, 0, out, 0);
        return true;
    }

    /**
     * Puts a section in as read from disk; arrays of the wrong size leave the section empty. The
     * arrays are not written, and may be kept: the caller leaves them as they are.
     */
    public void setSection(int sy, byte[] ids, byte[] data) {
        changing();
        if (ids == null || ids.length != 4096) {
            sections[sy] = null;
            return;
        }
        sections[sy] = Section.of(ids, data != null && data.length == 2048 ? data : null);
    }

    public byte[] biomes() {
        return biomes;
    }

    /** One past the highest non-air block at local x, z; 0 when the block column is empty. */
    public int height(int bx, int bz) {
        for (int sy = 15; sy >= 0; sy--) {
            Section s = sections[sy];
            if (s == null) {
                continue;
            }
            for (int y = 15; y >= 0; y--) {
                if (s.id(y << 8 | bz << 4 | bx) != 0) {
                    return sy * 16 + y + 1;
                }
            }
        }
        return 0;
    }

    /** The 256 heights, index z<<4 | x. */
    public int[] heightMap() {
        int[] h = new int[256];
        for (int bz = 0; bz < 16; bz++) {
            for (int bx = 0; bx < 16; bx++) {
                h[bz << 4 | bx] = height(bx, bz);
            }
        }
        return h;
    }

    /** Sky light of one section: 15 at and above the height of each block column, else 0. */
    public byte[] skyLight(int sy, int[] heights) {
        byte[] light = new byte[2048];
        for (int i = 0; i < 4096; i++) {
            int y = sy * 16 + (i >> 8);
            if (y >= heights[i & 0xFF]) {
                light[i >> 1] |= (i & 1) == 0 ? 0x0F : (byte) 0xF0;
            }
        }
        return light;
    }

    /** Sections holding a non-air block, as a bit map (bit n for section n). */
    public int sectionMask() {
        int mask = 0;
        for (int sy = 0; sy < 16; sy++) {
            Section s = sections[sy];
            if (s != null && !s.empty()) {
                mask |= 1 << sy;
            }
        }
        return mask;
    }

    /**
     * The column as the game client reads it from a ground-up chunk packet, uncompressed:
     * for the sections of the mask, every block-id array, then every metadata array, every
     * block-light array and every sky-light array, then the biomes.
     */
    public byte[] chunkData(int mask) {
        byte[] out = new byte[Integer.bitCount(mask) * 10240 + 256];
        chunkData(mask, out);
        return out;
    }

    /** The same data written into out (at least 10240 bytes a section of the mask and 256); its length. */
    public int chunkData(int mask, byte[] out) {
        int n = Integer.bitCount(mask);
        int ids = 0;
        int meta = n * 4096;
        int block = n * 6144;
        int sky = n * 8192;
        int[] heights = lit ? null : heightMap();
        for (int sy = 0; sy < 16; sy++) {
            if ((mask & 1 << sy) == 0) {
                continue;
            }
            Section s = sections[sy];
            s.fill(out, ids, out, meta);
            ids += 4096;
            meta += 2048;
            if (lit) {
                copyLight(s.blockLight, 0, out, block);
                copyLight(s.skyLight, 15, out, sky);
            } else {
                Arrays.fill(out, block, block + 2048, (byte) 0);
                System.arraycopy(skyLight(sy, heights), 0, out, sky, 2048);
            }
            block += 2048;
            sky += 2048;
        }
        System.arraycopy(biomes, 0, out, sky, 256);
        return sky + 256;
    }

    private static void copyLight(byte[] light, int missing, byte[] out, int off) {
        System.arraycopy(light != null ? light : Section.LEVEL[missing], 0, out, off, 2048);
    }

    /**
     * A copy at the same place, for saving outside the world's lock. The two share their arrays:
     * a section changed in either takes its own copy of the array it changes then, so a copy is
     * cheap however many columns a save takes and however few of them change meanwhile.
     */
    public Column copy() {
        Column c = new Column(x, z);
        for (int sy = 0; sy < 16; sy++) {
            Section s = sections[sy];
            c.sections[sy] = s == null ? null : s.copy();
        }
        System.arraycopy(biomes, 0, c.biomes, 0, 256);
        c.lit = lit;
        c.litBorders = litBorders;
        c.kept = kept;
        c.tileTicks = tileTicks;
        c.lastUpdate = lastUpdate;
        c.entities = entities == null ? null : new java.util.ArrayList<Object>(entities);
        if (blockEntities != null) {
            // few and small: copied whole, so the copy keeps them as they are now
            for (BlockEntity e : blockEntities.values()) {
                c.putBlockEntity(e.copy());
            }
        }
        return c;
    }

    /** Packs every section as small as it goes (see {@link Section#pack}); the blocks and light stay as they are. */
    public void compact() {
        for (Section s : sections) {
            if (s != null) {
                s.pack();
            }
        }
    }

    /** About how many bytes of heap the column takes, arrays shared with a copy counted, its send cache not. */
    public int footprint() {
        int n = 64 + 80 + 272;
        for (Section s : sections) {
            if (s != null) {
                n += s.footprint();
            }
        }
        return n;
    }

    public int version() {
        return version;
    }

    /** Before a change: data made from the column is stale from here on. */
    private void changing() {
        version++;
        sendCache = null;
    }
}
