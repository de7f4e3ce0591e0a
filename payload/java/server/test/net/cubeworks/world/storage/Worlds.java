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
