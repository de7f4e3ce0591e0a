package net.cubeworks.world.level;

import java.io.ByteArrayOutputStream;
import java.util.Arrays;
import java.util.Collection;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.Map;

/**
 * One column of 16x256x16 blocks in 16 sections of 16 high. A section is kept as 4096 block
 * ids and 2048 bytes of metadata nibbles, indexed (y&15)<<8 | z<<4 | x with the low nibble
 * first; a section that holds only air has no arrays. Once the column is lit ({@link #lit}) each
 * section also keeps its block light and sky light as nibbles; a column never lit (a flat one, or
 * one read from a world that keeps no light) has block light 0 and sky light following from the
 * height of each block column. An empty section is open sky: sky light 15, block light 0.
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
    private final byte[][] blocks = new byte[16][];
    private final byte[][] meta = new byte[16][];
    private final byte[][] blockLight = new byte[16][];
    private final byte[][] skyLight = new byte[16][];
    private final byte[] biomes = new byte[256];
    /** True when the light arrays hold the column's light (see {@link ColumnLight}). */
    private boolean lit;
    /** True when the arrays may be shared with a copy (see {@link #copy}). */
    private boolean shared;
    /** The block entities, by {@link #place}, in the order read or put; null while there are none. */
    private Map<Integer, BlockEntity> blockEntities;
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

    /** The default superflat column: bedrock, two dirt, grass, plains. */
    public static Column flat(int x, int z) {
        Column c = new Column(x, z);
        byte[] b = new byte[4096];
        for (int i = 0; i < 256; i++) {
            b[i] = BEDROCK;
            b[256 + i] = DIRT;
            b[512 + i] = DIRT;
            b[768 + i] = GRASS;
        }
        c.blocks[0] = b;
        c.meta[0] = new byte[2048];
        Arrays.fill(c.biomes, (byte) PLAINS);
        return c;
    }

    static int index(int bx, int y, int bz) {
        return (y & 15) << 8 | bz << 4 | bx;
    }

    /** The block id at local x and z (0..15) and y (0..255). */
    public int block(int bx, int y, int bz) {
        byte[] s = blocks[y >> 4];
        return s == null ? 0 : s[index(bx, y, bz)] & 0xFF;
    }

    public int meta(int bx, int y, int bz) {
        byte[] m = meta[y >> 4];
        if (m == null) {
            return 0;
        }
        int i = index(bx, y, bz);
        return (i & 1) == 0 ? m[i >> 1] & 0x0F : (m[i >> 1] >> 4) & 0x0F;
    }

    /**
     * Sets a block. A block of another id than before loses its block entity, and a sign or
     * container gets a new empty one.
     */
    public void set(int bx, int y, int bz, int id, int data) {
        unshare();
        int sy = y >> 4;
        int i = index(bx, y, bz);
        if (blocks[sy] == null) {
            if (id == 0) {
                return;
            }
            blocks[sy] = new byte[4096];
            meta[sy] = new byte[2048];
            if (lit) {
                newLight(sy);
            }
        }
        if ((blocks[sy][i] & 0xFF) != (id & 0xFF)) {
            replaced(bx, y, bz, id & 0xFF);
        }
        blocks[sy][i] = (byte) id;
        byte old = meta[sy][i >> 1];
        meta[sy][i >> 1] = (i & 1) == 0 ? (byte) ((old & 0xF0) | (data & 0x0F))
                : (byte) ((old & 0x0F) | (data & 0x0F) << 4);
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

    /** Light arrays of one level throughout, shared by every section that has them until it changes one. */
    private static final byte[] DARK = new byte[2048];
    private static final byte[] BRIGHT = new byte[2048];

    static {
        Arrays.fill(BRIGHT, (byte) 0xFF);
    }

    private static boolean constant(byte[] a) {
        return a == DARK || a == BRIGHT;
    }

    /** The array itself, or the shared one of the same bytes when it holds one level throughout. */
    private static byte[] compact(byte[] a) {
        byte first = a[0];
        if (first != 0 && first != (byte) 0xFF) {
            return a;
        }
        for (byte b : a) {
            if (b != first) {
                return a;
            }
        }
        return first == 0 ? DARK : BRIGHT;
    }

    private void newLight(int sy) {
        blockLight[sy] = DARK;
        skyLight[sy] = BRIGHT;
    }

    /** Puts in the light computed for a non-empty section (2048 nibble bytes each). */
    public void putLight(int sy, byte[] block, byte[] sky) {
        unshare();
        if (blocks[sy] == null) {
            return;
        }
        blockLight[sy] = compact(block);
        skyLight[sy] = compact(sky);
    }

    public boolean lit() {
        return lit;
    }

    /** Marks the light arrays as the column's light, once it has been computed or read. */
    public void setLit(boolean lit) {
        unshare();
        this.lit = lit;
        if (lit) {
            for (int sy = 0; sy < 16; sy++) {
                if (blocks[sy] != null && skyLight[sy] == null) {
                    newLight(sy);
                }
            }
        }
    }

    private static int nibble(byte[] a, int i) {
        return (i & 1) == 0 ? a[i >> 1] & 0x0F : (a[i >> 1] >> 4) & 0x0F;
    }

    private static void setNibble(byte[] a, int i, int v) {
        byte old = a[i >> 1];
        a[i >> 1] = (i & 1) == 0 ? (byte) ((old & 0xF0) | (v & 0x0F)) : (byte) ((old & 0x0F) | (v & 0x0F) << 4);
    }

    /** Sky light at local x, z and y 0..255; 15 in an empty section or once unlit above the height. */
    public int sky(int bx, int y, int bz) {
        byte[] s = skyLight[y >> 4];
        return s == null ? 15 : nibble(s, index(bx, y, bz));
    }

    public int blockLight(int bx, int y, int bz) {
        byte[] s = blockLight[y >> 4];
        return s == null ? 0 : nibble(s, index(bx, y, bz));
    }

    /** Sets sky light; an empty section stays open sky. */
    public void setSky(int bx, int y, int bz, int v) {
        unshare();
        byte[] s = skyLight[y >> 4];
        if (s != null && nibble(s, index(bx, y, bz)) != v) {
            if (constant(s)) {
                s = s.clone();
                skyLight[y >> 4] = s;
            }
            setNibble(s, index(bx, y, bz), v);
        }
    }

    public void setBlockLight(int bx, int y, int bz, int v) {
        unshare();
        byte[] s = blockLight[y >> 4];
        if (s != null && nibble(s, index(bx, y, bz)) != v) {
            if (constant(s)) {
                s = s.clone();
                blockLight[y >> 4] = s;
            }
            setNibble(s, index(bx, y, bz), v);
        }
    }

    /** The light arrays of a section (2048 nibble bytes, not to be changed), or null for an empty or unlit one. */
    public byte[] sectionSkyLight(int sy) {
        return lit ? skyLight[sy] : null;
    }

    public byte[] sectionBlockLight(int sy) {
        return lit ? blockLight[sy] : null;
    }

    /** Puts light read from disk into a non-empty section; arrays of the wrong size are ignored. */
    public void setSectionLight(int sy, byte[] block, byte[] sky) {
        unshare();
        if (blocks[sy] == null || block == null || sky == null || block.length != 2048 || sky.length != 2048) {
            return;
        }
        blockLight[sy] = block.clone();
        skyLight[sy] = sky.clone();
    }

    /** Section arrays as they are kept on disk; null for an empty section. */
    public byte[] sectionBlocks(int sy) {
        return blocks[sy];
    }

    public byte[] sectionMeta(int sy) {
        return meta[sy];
    }

    /** Puts a section in as read from disk; arrays of the wrong size leave the section empty. */
    public void setSection(int sy, byte[] ids, byte[] data) {
        unshare();
        if (ids == null || ids.length != 4096) {
            blocks[sy] = null;
            meta[sy] = null;
            blockLight[sy] = null;
            skyLight[sy] = null;
            return;
        }
        blocks[sy] = ids.clone();
        meta[sy] = data != null && data.length == 2048 ? data.clone() : new byte[2048];
        blockLight[sy] = null;
        skyLight[sy] = null;
    }

    public byte[] biomes() {
        return biomes;
    }

    /** One past the highest non-air block at local x, z; 0 when the block column is empty. */
    public int height(int bx, int bz) {
        for (int sy = 15; sy >= 0; sy--) {
            byte[] s = blocks[sy];
            if (s == null) {
                continue;
            }
            for (int y = 15; y >= 0; y--) {
                if (s[y << 8 | bz << 4 | bx] != 0) {
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
            byte[] s = blocks[sy];
            if (s == null) {
                continue;
            }
            for (byte b : s) {
                if (b != 0) {
                    mask |= 1 << sy;
                    break;
                }
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
        int n = Integer.bitCount(mask);
        ByteArrayOutputStream out = new ByteArrayOutputStream(n * 10240 + 256);
        for (int sy = 0; sy < 16; sy++) {
            if ((mask & 1 << sy) != 0) {
                out.write(blocks[sy], 0, 4096);
            }
        }
        for (int sy = 0; sy < 16; sy++) {
            if ((mask & 1 << sy) != 0) {
                out.write(meta[sy], 0, 2048);
            }
        }
        if (lit) {
            for (int sy = 0; sy < 16; sy++) {
                if ((mask & 1 << sy) != 0) {
                    out.write(blockLight[sy], 0, 2048);
                }
            }
            for (int sy = 0; sy < 16; sy++) {
                if ((mask & 1 << sy) != 0) {
                    out.write(skyLight[sy], 0, 2048);
                }
            }
            out.write(biomes, 0, 256);
            return out.toByteArray();
        }
        byte[] dark = new byte[2048];
        for (int i = 0; i < n; i++) {
            out.write(dark, 0, 2048);
        }
        int[] heights = heightMap();
        for (int sy = 0; sy < 16; sy++) {
            if ((mask & 1 << sy) != 0) {
                out.write(skyLight(sy, heights), 0, 2048);
            }
        }
        out.write(biomes, 0, 256);
        return out.toByteArray();
    }

    /**
     * A copy at the same place, for saving outside the world's lock. The two share their arrays
     * until either is changed: the one changed first takes arrays of its own then, so a copy is
     * cheap however many columns a save takes and however few of them change meanwhile.
     */
    public Column copy() {
        Column c = new Column(x, z);
        for (int sy = 0; sy < 16; sy++) {
            c.blocks[sy] = blocks[sy];
            c.meta[sy] = meta[sy];
            c.blockLight[sy] = blockLight[sy];
            c.skyLight[sy] = skyLight[sy];
        }
        System.arraycopy(biomes, 0, c.biomes, 0, 256);
        c.lit = lit;
        c.litBorders = litBorders;
        c.kept = kept;
        c.tileTicks = tileTicks;
        c.lastUpdate = lastUpdate;
        if (blockEntities != null) {
            // few and small: copied whole, so the copy keeps them as they are now
            for (BlockEntity e : blockEntities.values()) {
                c.putBlockEntity(e.copy());
            }
        }
        shared = true;
        c.shared = true;
        return c;
    }

    public int version() {
        return version;
    }

    /** Before a change: arrays shared with a copy become the column's own. */
    private void unshare() {
        version++;
        sendCache = null;
        if (!shared) {
            return;
        }
        shared = false;
        for (int sy = 0; sy < 16; sy++) {
            blocks[sy] = blocks[sy] == null ? null : blocks[sy].clone();
            meta[sy] = meta[sy] == null ? null : meta[sy].clone();
            blockLight[sy] = blockLight[sy] == null || constant(blockLight[sy]) ? blockLight[sy] : blockLight[sy].clone();
            skyLight[sy] = skyLight[sy] == null || constant(skyLight[sy]) ? skyLight[sy] : skyLight[sy].clone();
        }
    }
}
