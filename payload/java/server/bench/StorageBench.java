import java.io.File;
import java.io.IOException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import net.cubeworks.world.storage.StorageLog;
import net.cubeworks.world.storage.StoredColumn;
import net.cubeworks.world.storage.StoredLevel;
import net.cubeworks.world.storage.WorldStorage;

/**
 * Times a save-all of 100 changed flat columns (a 10x10 square across four region files, the
 * world's level.dat and two players with it): into a fresh world folder, and again into a folder
 * that already holds those columns. Then times reading the 100 columns back. Prints wall and CPU
 * time: the save flushes to the disk, and on a busy machine the wall time includes waiting for a core.
 *
 * usage: java -cp Cubeworks-World.jar:BENCH_CLASSES StorageBench [FOLDER] [RUNS]
 */
public final class StorageBench {
    private static final StorageLog LOG = new StorageLog() {
        @Override
        public void warn(String message) {
            System.out.println("storage: " + message);
        }
    };

    public static void main(String[] args) throws Exception {
        File base = new File(args.length > 0 ? args[0] : "storage-bench");
        int runs = args.length > 1 ? Integer.parseInt(args[1]) : 30;
        base.mkdirs();
        String loadBefore = loadAverage();
        System.out.println("folder: " + base.getAbsolutePath() + ", runs: " + runs);

        double[] fresh = new double[runs];
        double[] again = new double[runs];
        double[] freshCpu = new double[runs];
        double[] againCpu = new double[runs];
        double[] load = new double[runs];
        for (int run = 0; run < runs; run++) {
            File world = new File(base, "world-" + run);
            delete(world);
            WorldStorage storage = new WorldStorage(world, LOG);
            long cpu0 = cpu();
            fresh[run] = saveAll(storage, run);
            long cpu1 = cpu();
            again[run] = saveAll(storage, run + 1000);
            freshCpu[run] = (cpu1 - cpu0) / 1e6;
            againCpu[run] = (cpu() - cpu1) / 1e6;
            storage.close();
            WorldStorage reader = new WorldStorage(world, LOG);
            long t0 = System.nanoTime();
            int found = 0;
            for (int x = -5; x < 5; x++) {
                for (int z = -5; z < 5; z++) {
                    found += reader.loadColumn(x, z) != null ? 1 : 0;
                }
            }
            load[run] = (System.nanoTime() - t0) / 1e6;
            reader.close();
            if (found != 100) {
                throw new IllegalStateException("read back " + found + " of 100 columns");
            }
            delete(world);
        }
        System.out.println("load average before: " + loadBefore + ", after: " + loadAverage());
        report("save-all of 100 changed columns, fresh world, wall", fresh, " (budget 200 ms)");
        report("save-all of 100 changed columns, fresh world, cpu", freshCpu, "");
        report("save-all of 100 changed columns, world that holds them, wall", again, " (budget 200 ms)");
        report("save-all of 100 changed columns, world that holds them, cpu", againCpu, "");
        report("reading the 100 columns back, wall", load, "");
    }

    /** One save-all: 100 changed columns, level.dat and two players, as the world's save does. */
    private static double saveAll(WorldStorage storage, int change) throws IOException {
        List<StoredColumn> columns = new ArrayList<StoredColumn>(100);
        for (int x = -5; x < 5; x++) {
            for (int z = -5; z < 5; z++) {
                StoredColumn c = flat(x, z);
                c.blocks[0][4 << 8 | (change & 255)] = 4; // a placed cobblestone
                c.lastUpdate = change;
                columns.add(c);
            }
        }
        StoredLevel level = new StoredLevel();
        level.levelName = "world";
        level.spawnY = 4;
        level.time = change;
        net.cubeworks.world.storage.StoredPlayer p = new net.cubeworks.world.storage.StoredPlayer();
        p.y = 4;
        p.health = 20;
        p.food = 20;
        long t0 = System.nanoTime();
        storage.saveColumns(columns);
        storage.saveLevel(level);
        storage.savePlayer("Alex", p);
        storage.savePlayer("Steve", p);
        return (System.nanoTime() - t0) / 1e6;
    }

    /** The default superflat column: bedrock y 0, dirt y 1-2, grass y 3, sky light 15 above. */
    private static StoredColumn flat(int x, int z) {
        StoredColumn c = new StoredColumn(x, z);
        byte[] b = new byte[4096];
        Arrays.fill(b, 0, 256, (byte) 7);
        Arrays.fill(b, 256, 768, (byte) 3);
        Arrays.fill(b, 768, 1024, (byte) 2);
        c.blocks[0] = b;
        c.data[0] = new byte[2048];
        c.blockLight[0] = new byte[2048];
        byte[] sky = new byte[2048];
        Arrays.fill(sky, 512, 2048, (byte) 0xFF);
        c.skyLight[0] = sky;
        Arrays.fill(c.biomes, (byte) 1);
        return c;
    }

    /** The CPU time of this thread: on a busy machine the wall time also counts the waits for a core. */
    private static long cpu() {
        return java.lang.management.ManagementFactory.getThreadMXBean().getCurrentThreadCpuTime();
    }

    private static String loadAverage() {
        try {
            String s = new String(java.nio.file.Files.readAllBytes(new File("/proc/loadavg").toPath()), "US-ASCII");
            String[] f = s.trim().split(" ");
            return f[0] + " " + f[1] + " " + f[2] + " on " + Runtime.getRuntime().availableProcessors() + " cores";
        } catch (IOException e) {
            return "unknown";
        }
    }

    private static void report(String what, double[] ms, String budget) {
        double first = ms[0];
        double[] warm = Arrays.copyOfRange(ms, Math.min(1, ms.length - 1), ms.length);
        Arrays.sort(warm);
        System.out.printf("%s: first %.1f ms; then median %.1f ms, p90 %.1f ms, max %.1f ms%s%n", what,
                first, warm[warm.length / 2], warm[(int) Math.min(warm.length - 1, Math.floor(warm.length * 0.9))],
                warm[warm.length - 1], budget);
    }

    private static void delete(File f) {
        File[] children = f.listFiles();
        if (children != null) {
            for (File c : children) {
                delete(c);
            }
        }
        f.delete();
    }
}
