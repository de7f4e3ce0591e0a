package net.cubeworks.world.storage;

import java.io.File;
import java.io.IOException;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Random;

/** Test fixtures: temporary world folders, flat columns and a log that remembers its warnings. */
public final class Worlds {
    private Worlds() {
    }

    static final class Log implements StorageLog {
        final List<String> warnings = new ArrayList<String>();

        @Override
        public synchronized void warn(String message) {
            warnings.add(message);
        }

        synchronized String all() {
            return warnings.toString();
        }

        synchronized int count() {
            return warnings.size();
        }
    }

    private static final List<File> CREATED = new ArrayList<File>();

    static {
        Runtime.getRuntime().addShutdownHook(new Thread() {
            @Override
            public void run() {
                synchronized (CREATED) {
                    for (File f : CREATED) {
                        delete(f);
                    }
                }
            }
        });
    }

    /** A new empty folder, removed when the test run ends. */
    static File tempWorld() throws IOException {
        File f = Files.createTempDirectory("cwstorage").toFile();
        synchronized (CREATED) {
            CREATED.add(f);
        }
        return f;
    }

    /** Removes a folder and everything in it (a file, too). */
    public static void delete(File f) {
        File[] children = f.listFiles();
        if (children != null) {
            for (File c : children) {
                delete(c);
            }
        }
        f.delete();
    }

    /** The default superflat: bedrock y 0, dirt y 1-2, grass y 3, plains, sky light 15 above. */
    static StoredColumn flat(int x, int z) {
        StoredColumn c = new StoredColumn(x, z);
        byte[] b = new byte[4096];
        Arrays.fill(b, 0, 256, (byte) 7);
        Arrays.fill(b, 256, 768, (byte) 3);
        Arrays.fill(b, 768, 1024, (byte) 2);
        c.blocks[0] = b;
        c.data[0] = new byte[2048];
        c.blockLight[0] = new byte[2048];
        byte[] sky = new byte[2048];
        Arrays.fill(sky, 512, 2048, (byte) 0xFF); // y 4..15
        c.skyLight[0] = sky;
        Arrays.fill(c.biomes, (byte) 1);
        return c;
    }

    /** A flat column with one extra block whose id and place depend on the column. */
    static StoredColumn marked(int x, int z) {
        StoredColumn c = flat(x, z);
        int idx = 4 << 8 | (z & 15) << 4 | (x & 15);
        c.blocks[0][idx] = (byte) (20 + (x & 7));
        c.data[0][idx >> 1] = (byte) 0x50;
        c.lastUpdate = 1000L * x + z;
        return c;
    }

    /**
     * The block id a column of a built area has at (bx, by, bz): three blocks set on the
     * flat ground, their id depending on the column; elsewhere the flat ground.
     */
    public static int builtBlock(int bx, int by, int bz) {
        int lx = bx & 15;
        int lz = bz & 15;
        boolean placed = by == 4 && (lx == 1 && lz == 1 || lx == 8 && lz == 8) || by == 5 && lx == 14 && lz == 3;
        if (placed) {
            return 1 + (((bx >> 4) ^ (bz >> 4)) & 3);
        }
        return by == 0 ? 7 : by < 3 ? 3 : by == 3 ? 2 : 0;
    }

    /** A flat column with the blocks of {@link #builtBlock}. */
    static StoredColumn built(int cx, int cz) {
        StoredColumn c = flat(cx, cz);
        for (int i = 0; i < 4096; i++) {
            int bx = cx * 16 + (i & 15);
            int bz = cz * 16 + (i >> 4 & 15);
            c.blocks[0][i] = (byte) builtBlock(bx, i >> 8, bz);
        }
        return c;
    }

    /**
     * Saves into a world folder the (2 radius + 1)^2 built columns around the column
     * (ccx, ccz), as a server would have saved them before a restart.
     */
    public static void saveBuiltArea(File worldFolder, int ccx, int ccz, int radius) throws IOException {
        List<StoredColumn> area = new ArrayList<StoredColumn>();
        for (int dx = -radius; dx <= radius; dx++) {
            for (int dz = -radius; dz <= radius; dz++) {
                area.add(built(ccx + dx, ccz + dz));
            }
        }
        WorldStorage storage = new WorldStorage(worldFolder, new Log());
        try {
            storage.saveColumns(area);
        } finally {
            storage.close();
        }
    }

    /** Saves a survival player with full health standing on the flat ground at (x, z). */
    public static void savePlayerAt(File worldFolder, String name, double x, double z) throws IOException {
        StoredPlayer p = new StoredPlayer();
        p.x = x;
        p.y = 4.0;
        p.z = z;
        p.health = 20f;
        p.food = 20;
        p.saturation = 5f;
        WorldStorage storage = new WorldStorage(worldFolder, new Log());
        try {
            storage.savePlayer(name, p);
        } finally {
            storage.close();
        }
    }

    /** As {@link #savePlayerAt}, carrying items, each {file slot, id, count, damage}. */
    public static void savePlayerWith(File worldFolder, String name, double x, double z, int[]... items)
            throws IOException {
        StoredPlayer p = new StoredPlayer();
        p.x = x;
        p.y = 4.0;
        p.z = z;
        p.health = 20f;
        p.food = 20;
        p.saturation = 5f;
        for (int[] i : items) {
            StoredItem item = new StoredItem();
            item.slot = i[0];
            item.id = i[1];
            item.count = i[2];
            item.damage = i[3];
            p.inventory.add(item);
        }
        WorldStorage storage = new WorldStorage(worldFolder, new Log());
        try {
            storage.savePlayer(name, p);
        } finally {
            storage.close();
        }
    }

    /** A column that packs badly: random ids in every section. */
    static StoredColumn noisy(int x, int z, int sections, long seed) {
        StoredColumn c = flat(x, z);
        Random r = new Random(seed);
        for (int s = 0; s < sections; s++) {
            c.blocks[s] = new byte[4096];
            r.nextBytes(c.blocks[s]);
            c.data[s] = new byte[2048];
            r.nextBytes(c.data[s]);
            c.blockLight[s] = new byte[2048];
            c.skyLight[s] = new byte[2048];
        }
        return c;
    }

    static void assertSameColumn(StoredColumn want, StoredColumn got) {
        org.junit.Assert.assertNotNull("column (" + want.x + ", " + want.z + ") missing", got);
        org.junit.Assert.assertEquals(want.x, got.x);
        org.junit.Assert.assertEquals(want.z, got.z);
        org.junit.Assert.assertEquals(want.lastUpdate, got.lastUpdate);
        org.junit.Assert.assertArrayEquals(want.biomes, got.biomes);
        for (int s = 0; s < 16; s++) {
            String at = "(" + want.x + ", " + want.z + ") section " + s;
            org.junit.Assert.assertArrayEquals(at, want.blocks[s], got.blocks[s]);
            if (want.blocks[s] != null) {
                org.junit.Assert.assertArrayEquals(at, want.data[s], got.data[s]);
                org.junit.Assert.assertArrayEquals(at, want.blockLight[s], got.blockLight[s]);
                org.junit.Assert.assertArrayEquals(at, want.skyLight[s], got.skyLight[s]);
            }
        }
    }

    static int intAt(byte[] b, int off) {
        return (b[off] & 0xFF) << 24 | (b[off + 1] & 0xFF) << 16 | (b[off + 2] & 0xFF) << 8 | (b[off + 3] & 0xFF);
    }

    static void putInt(byte[] b, int off, int v) {
        b[off] = (byte) (v >>> 24);
        b[off + 1] = (byte) (v >>> 16);
        b[off + 2] = (byte) (v >>> 8);
        b[off + 3] = (byte) v;
    }

    static byte[] read(File f) throws IOException {
        return Files.readAllBytes(f.toPath());
    }

    static void write(File f, byte[] b) throws IOException {
        f.getAbsoluteFile().getParentFile().mkdirs();
        Files.write(f.toPath(), b);
    }

    /**
     * Writes a player file standing at (x, y, z) with one stone in the first hot-bar slot whose
     * item tag is nested depth compounds deep.
     */
    public static void writeDeepPlayer(File f, int depth, double x, double y, double z) throws IOException {
        NbtCompound tag = new NbtCompound();
        NbtCompound inner = tag;
        for (int i = 0; i < depth; i++) {
            NbtCompound next = new NbtCompound();
            inner.put("t", next);
            inner = next;
        }
        NbtCompound item = new NbtCompound().put("id", (short) 1).put("Count", (byte) 1).put("Damage", (short) 0)
                .put("Slot", (byte) 0).put("tag", tag);
        NbtCompound root = new NbtCompound().put("Pos", NbtList.of(Nbt.DOUBLE, x, y, z))
                .put("Inventory", NbtList.of(Nbt.COMPOUND, item));
        write(f, Nbt.gzip(Nbt.write(root)));
    }

    /** Files in the folder whose names start with the prefix. */
    static List<File> named(File dir, String prefix) {
        List<File> out = new ArrayList<File>();
        File[] all = dir.listFiles();
        if (all != null) {
            for (File f : all) {
                if (f.getName().startsWith(prefix)) {
                    out.add(f);
                }
            }
        }
        return out;
    }
}
