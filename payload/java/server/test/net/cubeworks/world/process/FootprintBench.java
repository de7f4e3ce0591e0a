package net.cubeworks.world.process;

import java.io.File;
import java.lang.management.ManagementFactory;
import java.lang.management.MemoryMXBean;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Random;
import java.util.concurrent.atomic.AtomicBoolean;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.concurrent.atomic.AtomicLong;

import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.generation.WorldGenerator;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.Relight;

/**
 * The server's footprint in a new natural world (level-seed "bench", view-distance 10), printed,
 * never asserted:
 * <ul>
 * <li>the heap a loaded column takes (441 columns generated and lit in this JVM, after full
 * collections), and a far player's area of 441 columns in the server (-Xmx256M);</li>
 * <li>far joins: one player sent 2,000 blocks east, then west, then east again, a second apart,
 * in a -Xmx64M server, run after run: runs that ran out of heap, full collections, the time to
 * the last area all there;</li>
 * <li>20 walkers walking out from the spawn (creative, flying above the land) at -Xmx64M and
 * -Xmx256M while a 21st player at the spawn says a chat line every second: its echo's
 * median and worst, the resident size after the start and its peak, the collections;</li>
 * <li>joins into the spawn area: the first after the start, later ones, bytes a join reads.</li>
 * </ul>
 */
final class FootprintBench {
    private FootprintBench() {
    }

    static String ms(double nanos) {
        return String.format(Locale.ROOT, "%.1f ms", nanos / 1e6);
    }

    private static double median(List<Double> v) {
        List<Double> s = new ArrayList<Double>(v);
        Collections.sort(s);
        return s.isEmpty() ? Double.NaN : s.get(s.size() / 2);
    }

    private static double max(List<Double> v) {
        double m = Double.NaN;
        for (double d : v) {
            m = Double.isNaN(m) ? d : Math.max(m, d);
        }
        return m;
    }

    /** A new natural world server; the JVM logs its collections to gc.log in the server's folder. */
    static ServerProcess natural(String heap, String... props) throws Exception {
        String[] all = new String[props.length + 5];
        all[0] = "level-type=DEFAULT";
        all[1] = "level-seed=bench";
        all[2] = "view-distance=10";
        all[3] = "gamemode=1";
        all[4] = "allow-flight=true";
        System.arraycopy(props, 0, all, 5, props.length);
        ServerProcess s = ServerProcess.prepare(all);
        try {
            startLogged(s, heap);
        } catch (Throwable ex) {
            s.destroy();
            throw ex;
        }
        return s;
    }

    static void startLogged(ServerProcess s, String heap) throws Exception {
        new File(s.dir, "gc.log").delete();
        List<String> options = new ArrayList<String>();
        options.add(heap);
        options.add("-Dcubeworks.bench.folder=" + s.dir.getPath());
        options.add("-Xlog:gc:file=" + new File(s.dir, "gc.log").getPath());
        options.add("-Dcubeworks.tick-stats=true"); // the tick's times every 10 s, the lock's long holds
        // CUBEWORKS_BENCH_JFR=FOLDER: each server records a flight recording there (allocation profile)
        String jfr = System.getenv("CUBEWORKS_BENCH_JFR");
        if (jfr != null && !jfr.isEmpty()) {
            options.add("-XX:StartFlightRecording=settings=profile,filename=" + new File(jfr, s.dir.getName() + ".jfr")
                    .getPath());
        }
        s.start(options.toArray(new String[options.size()]));
        // a busy machine may take long over the start: more than waitReady's 15 s
        int done = s.waitFor("For help, type \"help\" or \"?\"", 0, 90000);
        s.waitFor(">", done, 10000);
    }

    static void stop(ServerProcess s) throws Exception {
        try {
            if (s.isAlive()) {
                s.send("stop");
                s.waitForExit(30000);
            }
        } catch (Throwable ex) {
            System.out.println("  the server did not stop by itself: " + String.valueOf(ex.getMessage()).split("\n")[0]);
        }
        s.destroy();
    }

    /**
     * {all collections, full collections, the longest pause in ms, full collections the server
     * asked for} the server's gc.log counts so far.
     */
    static int[] collections(ServerProcess s) {
        int[] n = new int[4];
        java.util.regex.Pattern ms = java.util.regex.Pattern.compile(" ([0-9.]+)ms$");
        try {
            for (String line : Files.readAllLines(new File(s.dir, "gc.log").toPath())) {
                if (line.contains("Pause")) {
                    n[0]++;
                    if (line.contains("Pause Full")) {
                        n[1]++;
                        if (line.contains("System.gc()")) {
                            n[3]++;
                        }
                    }
                    java.util.regex.Matcher m = ms.matcher(line);
                    if (m.find()) {
                        n[2] = Math.max(n[2], (int) Math.ceil(Double.parseDouble(m.group(1))));
                    }
                }
            }
        } catch (java.io.IOException ignored) {
            // no log: no figure
        }
        return n;
    }

    /** The server's pid: the child of this JVM running the jar from the folder. */
    static long pid(ServerProcess s) {
        String marker = "-Dcubeworks.bench.folder=" + s.dir.getPath();
        for (ProcessHandle h : ProcessHandle.current().children().toArray(ProcessHandle[]::new)) {
            if (h.isAlive() && h.info().commandLine().orElse("").contains(marker)) {
                return h.pid();
            }
        }
        return -1;
    }

    /** A field of /proc/PID/status in MB (VmRSS: resident now, VmHWM: its peak); -1 when unknown. */
    static double statusMb(long pid, String field) {
        try {
            for (String line : Files.readAllLines(new File("/proc/" + pid + "/status").toPath())) {
                if (line.startsWith(field + ":")) {
                    return Long.parseLong(line.replaceAll("[^0-9]", "")) / 1024.0;
                }
            }
        } catch (Exception ignored) {
            // gone, or not Linux
        }
        return -1;
    }

    static boolean outOfMemory(ServerProcess s) {
        String out = s.output();
        return out.contains("OutOfMemoryError") || out.contains("ran out of memory");
    }

    // ---- the heap of a column ------------------------------------------------------------

    private static long usedAfterGc() throws InterruptedException {
        MemoryMXBean m = ManagementFactory.getMemoryMXBean();
        long best = Long.MAX_VALUE;
        for (int i = 0; i < 4; i++) {
            System.gc();
            Thread.sleep(50);
            best = Math.min(best, m.getHeapMemoryUsage().getUsed());
        }
        return best;
    }

    /**
     * The heap of 441 natural columns (the spawn area of the bench's world, generated and lit, the
     * light brought across their borders) held in this JVM, after full collections: per column.
     */
    static void heapPerColumn() throws Exception {
        final long seed = WorldChoice.seed("bench", new Random());
        WorldGenerator g = WorldChoice.generator("default", seed, "");
        int[] spawn = g.spawn();
        int scx = spawn[0] >> 4;
        int scz = spawn[2] >> 4;
        g.generate(scx + 100, scz + 100); // the generator's own tables, before the measure
        long before = usedAfterGc();
        final Map<Long, Column> held = new HashMap<Long, Column>();
        for (int dx = -10; dx <= 10; dx++) {
            for (int dz = -10; dz <= 10; dz++) {
                held.put(ColumnKey.of(scx + dx, scz + dz), g.generate(scx + dx, scz + dz));
            }
        }
        Relight.Lights lights = new Relight.Lights() {
            public Column column(int x, int z) {
                return held.get(ColumnKey.of(x >> 4, z >> 4));
            }
        };
        for (Column c : held.values()) {
            Column e = held.get(ColumnKey.of(c.x + 1, c.z));
            if (e != null) {
                Relight.acrossBorder(lights, c, e);
            }
            Column s = held.get(ColumnKey.of(c.x, c.z + 1));
            if (s != null) {
                Relight.acrossBorder(lights, c, s);
            }
        }
        long after = usedAfterGc();
        int n = held.size();
        System.out.println(String.format(Locale.ROOT, "Heap of a loaded column (the %d natural columns of the "
                + "spawn area, generated, lit and held in the bench's JVM, after full collections): %.1f kB a "
                + "column, %.2f MB for the 441", n, (after - before) / 1024.0 / n, (after - before) / 1048576.0));
        held.clear();
    }

    /**
     * What a join's columns take on the wire at each zlib level, and the time to compress them: the
     * 441 natural columns of the spawn area, each compressed by itself (as the server does) in this
     * JVM, on one thread; the best of three rounds of each level.
     */
    static void compressionLevels() throws Exception {
        long seed = WorldChoice.seed("bench", new Random());
        WorldGenerator g = WorldChoice.generator("default", seed, "");
        int[] spawn = g.spawn();
        List<byte[]> raw = new ArrayList<byte[]>();
        for (int dx = -10; dx <= 10; dx++) {
            for (int dz = -10; dz <= 10; dz++) {
                Column c = g.generate((spawn[0] >> 4) + dx, (spawn[2] >> 4) + dz);
                raw.add(c.chunkData(c.sectionMask()));
            }
        }
        StringBuilder out = new StringBuilder();
        byte[] buf = new byte[1 << 20];
        java.util.zip.Deflater d = null;
        for (int level = 1; level <= 9; level++) {
            long best = Long.MAX_VALUE;
            long bytes = 0;
            for (int round = 0; round < 3; round++) {
                d = new java.util.zip.Deflater(level, true);
                long t0 = System.nanoTime();
                bytes = 0;
                for (byte[] r : raw) {
                    d.reset();
                    d.setInput(r);
                    while (true) {
                        int n = d.deflate(buf, 0, buf.length, java.util.zip.Deflater.SYNC_FLUSH);
                        bytes += n;
                        if (n < buf.length && d.needsInput()) {
                            break;
                        }
                    }
                }
                best = Math.min(best, System.nanoTime() - t0);
                d.end();
            }
            out.append(String.format(Locale.ROOT, "%s level %d: %.0f kB in %.0f ms", level == 1 ? "" : ";",
                    level, bytes / 1024.0, best / 1e6));
        }
        System.out.println("The 441 columns of a natural spawn area, each compressed by itself on one thread: " + out);
    }

    /**
     * The heap of a far player's area in the server (-Xmx256M): one player at the spawn, then
     * players 2,000 blocks apart in new land; the heap after a full GC before and after they join.
     */
    static void heapPerArea(int n) throws Exception {
        ServerProcess s = natural("-Xmx256M", "max-players=" + (n + 5));
        try {
            s.send("stop");
            s.waitForExit(30000);
            File world = new File(s.dir, "world");
            for (int i = 0; i < n; i++) {
                net.cubeworks.world.storage.Worlds.savePlayerAt(world, "Far" + i, 2000.5 * (i + 1), 8.5);
            }
            startLogged(s, "-Xmx256M");
            List<PlayClient> players = new ArrayList<PlayClient>();
            PlayClient home = PlayClient.join(s.port, 4, "Home");
            while (home.columns.size() < 441) {
                home.readOne();
            }
            home.columns.clear();
            players.add(home);
            home.drain(6000); // past the first housekeeping: what nobody sees is let go
            home.columns.clear();
            double one = WorldBench.heapAfterGc(s);
            for (int i = 0; i < n; i++) {
                PlayClient p = PlayClient.join(s.port, 4, "Far" + i);
                while (p.columns.size() < 441) {
                    p.readOne();
                }
                p.columns.clear();
                players.add(p);
            }
            for (int i = 0; i < 12; i++) {
                for (PlayClient p : players) {
                    p.drain(50);
                    p.columns.clear();
                }
            }
            double all = WorldBench.heapAfterGc(s);
            System.out.println(String.format(Locale.ROOT, "Heap of a far player's area (new natural land, 441 "
                    + "columns, -Xmx256M, after a full GC): %.1f MB with one player at the spawn, %.1f MB with %d "
                    + "more 2,000 blocks apart: %.2f MB an area (%.1f kB a column)", one, all, n, (all - one) / n,
                    (all - one) / n * 1024 / 441));
            for (PlayClient p : players) {
                p.close();
            }
        } finally {
            stop(s);
        }
    }

    // ---- far joins -----------------------------------------------------------------------

    /**
     * How many players 2,000 blocks apart, each in new land of its own, one server of the heap
     * holds: they join one by one (each staying online, read on a thread of its own) until one does
     * not have all 441 columns of its area within 30 s, the server runs out of heap or drops a
     * player, or the cap is reached. Reported: how many, why it stopped, the heap after a full GC.
     */
    static void farAreasHeld(String heap, int cap) throws Exception {
        ServerProcess s = natural(heap, "max-players=" + (cap + 5));
        final AtomicBoolean online = new AtomicBoolean(true);
        final List<String> trouble = java.util.Collections.synchronizedList(new ArrayList<String>());
        List<PlayClient> players = new ArrayList<PlayClient>();
        List<Thread> readers = new ArrayList<Thread>();
        String why = null;
        try {
            s.send("stop");
            s.waitForExit(30000);
            File world = new File(s.dir, "world");
            for (int i = 0; i < cap; i++) {
                net.cubeworks.world.storage.Worlds.savePlayerAt(world, "Far" + i, 2000.5 * (i + 1), 8.5);
            }
            startLogged(s, heap);
            while (players.size() < cap && why == null) {
                final String name = "Far" + players.size();
                final PlayClient p;
                try {
                    p = PlayClient.join(s.port, 4, name);
                } catch (Exception ex) {
                    why = name + " could not join (" + ex + ")";
                    String out = s.output();
                    System.out.println("  the server said last:\n" + out.substring(Math.max(0, out.length() - 1500)));
                    break;
                }
                int cx = (int) Math.floor(2000.5 * players.size() + 2000.5) >> 4;
                if (!awaitArea(p, cx, 0, 30000)) {
                    why = name + " did not have its area within 30 s (the land waits for room)";
                    p.close();
                    break;
                }
                p.columns.clear();
                players.add(p);
                Thread t = new Thread(new Runnable() {
                    public void run() {
                        try {
                            while (online.get()) {
                                p.drain(500);
                                p.columns.clear();
                                p.ids.clear();
                            }
                        } catch (Throwable ex) {
                            if (online.get()) {
                                trouble.add(name + " was disconnected: " + ex);
                            }
                        }
                    }
                });
                t.setDaemon(true);
                t.start();
                readers.add(t);
                Thread.sleep(200);
                if (outOfMemory(s) || !s.isAlive()) {
                    why = "the server ran out of heap or stopped";
                } else if (!trouble.isEmpty()) {
                    why = trouble.get(0);
                }
            }
            String heapAfter = "";
            if (s.isAlive() && !outOfMemory(s)) {
                try {
                    heapAfter = String.format(Locale.ROOT, "; heap after a full GC %.1f MB", WorldBench.heapAfterGc(s));
                } catch (Exception gone) {
                    heapAfter = "; the server is gone";
                }
            }
            System.out.println(String.format(Locale.ROOT, "Players 2,000 blocks apart in new natural land one %s server "
                    + "holds (441 columns each): %d%s%s; OutOfMemoryError: %s", heap, players.size(),
                    why == null ? " (the cap)" : ", then " + why, heapAfter, outOfMemory(s)));
        } finally {
            online.set(false);
            for (Thread t : readers) {
                t.join(5000);
            }
            for (PlayClient p : players) {
                p.close();
            }
            stop(s);
        }
    }

    /** Reads until the client has all 441 columns around the column (cx, cz); false after the time. */
    private static boolean awaitArea(PlayClient p, int cx, int cz, long timeoutMs) throws Exception {
        long deadline = System.currentTimeMillis() + timeoutMs;
        while (System.currentTimeMillis() < deadline) {
            boolean all = true;
            for (int dx = -10; dx <= 10 && all; dx++) {
                for (int dz = -10; dz <= 10 && all; dz++) {
                    all = p.columns.containsKey(PlayClient.key(cx + dx, cz + dz));
                }
            }
            if (all) {
                return true;
            }
            p.drain(100);
        }
        return false;
    }

    /**
     * One player, at -Xmx64M: teleported 2,000 blocks east, a second later 2,000 blocks west, a
     * second later east again; the run ends when the client has the area it stands in (or after
     * 60 s). Per run: out of heap or not, full and all collections, the time from the last teleport
     * to the area all there.
     */
    static void farJoins(int runs) throws Exception {
        int oom = 0;
        List<Double> fulls = new ArrayList<Double>();
        List<Double> all = new ArrayList<Double>();
        List<Double> settle = new ArrayList<Double>();
        List<Double> peak = new ArrayList<Double>();
        StringBuilder each = new StringBuilder();
        for (int r = 0; r < runs; r++) {
            ServerProcess s = natural("-Xmx64M");
            try {
                long pid = pid(s);
                PlayClient p = PlayClient.join(s.port, 4, "Far");
                while (p.columns.size() < 441) {
                    p.readOne();
                }
                int[] xs = {2000, -2000, 2000};
                long last = 0;
                boolean failed = false;
                for (int i = 0; i < xs.length; i++) {
                    p.columns.clear(); // what came for the place before is not counted
                    s.send("tp Far " + xs[i] + " 150 8");
                    last = System.nanoTime();
                    if (i == xs.length - 1) {
                        break;
                    }
                    long end = System.currentTimeMillis() + 1000;
                    try {
                        while (System.currentTimeMillis() < end) {
                            p.drain(50);
                        }
                    } catch (Throwable ex) {
                        failed = true;
                        break;
                    }
                }
                boolean there = false;
                if (!failed) {
                    try {
                        there = awaitArea(p, 2000 >> 4, 0, 60000);
                    } catch (Throwable ex) {
                        there = false;
                    }
                }
                double took = (System.nanoTime() - last) / 1e6;
                boolean o = outOfMemory(s);
                int[] gc = collections(s);
                double hwm = statusMb(pid, "VmHWM");
                oom += o ? 1 : 0;
                fulls.add((double) gc[1]);
                all.add((double) gc[0]);
                peak.add(hwm);
                if (there && !o) {
                    settle.add(took);
                }
                each.append(String.format(Locale.ROOT, " %s%d/%d", o ? "OOM:" : there ? "" : "missing:", gc[1], gc[0]));
                p.close();
            } finally {
                stop(s);
            }
        }
        System.out.println(String.format(Locale.ROOT, "Far joins at -Xmx64M (one player sent 2,000 blocks east, west, "
                + "east, 1 s apart), %d runs: out of heap in %d; full collections median %.0f, worst %.0f; all "
                + "collections median %.0f; last teleport to its area all there median %.0f ms, worst %.0f ms; peak "
                + "resident size median %.0f MB", runs, oom, median(fulls), max(fulls), median(all), median(settle),
                max(settle), median(peak)));
        System.out.println("  each run, full/all collections:" + each);
    }

    // ---- walkers and the chat echo -------------------------------------------------------

    /**
     * n creative players walk out from the spawn in all directions at 4 blocks a second, flying
     * 30 blocks above it, for the given time, while one more at the spawn says a line every
     * second (the most the server takes without kicking) and reads its echo. Reported: the echo's
     * median and worst, the resident size after the start and its peak (VmHWM), collections,
     * OutOfMemoryError.
     */
    static void walkersEcho(final int n, final int seconds, String heap) throws Exception {
        final ServerProcess s = natural(heap, "max-players=" + (n + 5));
        final AtomicInteger failed = new AtomicInteger();
        final AtomicBoolean walking = new AtomicBoolean(true);
        List<Thread> threads = new ArrayList<Thread>();
        try {
            long pid = pid(s);
            Thread.sleep(1000);
            double startRss = statusMb(pid, "VmRSS");
            final AtomicLong rssPeakSampled = new AtomicLong();
            PlayClient talker = PlayClient.join(s.port, 4, "Talker");
            while (talker.columns.size() < 441) {
                talker.readOne();
            }
            talker.columns.clear();
            final double topY = talker.y + 30;
            for (int i = 0; i < n; i++) {
                final int k = i;
                Thread t = new Thread(new Runnable() {
                    public void run() {
                        try {
                            PlayClient p = PlayClient.join(s.port, k % 2 == 0 ? 4 : 5, "Walker" + k);
                            double angle = 2 * Math.PI * k / n;
                            double dx = Math.cos(angle) * 0.2;
                            double dz = Math.sin(angle) * 0.2;
                            double x = p.x;
                            double y = p.y;
                            double z = p.z;
                            while (y < topY && walking.get()) {
                                y = Math.min(topY, y + 5);
                                p.position(x, y, z);
                                p.drain(50);
                                p.columns.clear();
                            }
                            while (walking.get()) {
                                x += dx;
                                z += dz;
                                p.position(x, y, z);
                                p.drain(50);
                                p.columns.clear();
                                p.ids.clear();
                                p.arrivals.clear();
                            }
                            p.close();
                        } catch (Throwable ex) {
                            if (walking.get()) {
                                failed.incrementAndGet();
                                System.out.println("  walker " + k + " failed: " + ex);
                            }
                        }
                    }
                });
                threads.add(t);
                t.start();
                Thread.sleep(100);
                talker.drain(1);
            }
            List<Double> echoes = new ArrayList<Double>();
            long start = System.currentTimeMillis();
            long end = start + seconds * 1000L;
            int line = 0;
            String stopped = "";
            try {
            while (System.currentTimeMillis() < end) {
                String text = "echo" + line++;
                long t0 = System.nanoTime();
                talker.say(text);
                long deadline = System.currentTimeMillis() + 15000;
                boolean got = false;
                while (!got && System.currentTimeMillis() < deadline) {
                    int from = talker.chat.size();
                    try {
                        talker.readOne();
                    } catch (java.net.SocketTimeoutException stalled) {
                        continue; // the server said nothing for 5 s: waited for until the deadline
                    }
                    for (int i = from; i < talker.chat.size(); i++) {
                        got |= talker.chat.get(i).contains(text);
                    }
                }
                echoes.add(got ? (System.nanoTime() - t0) / 1e6 : 15000.0);
                talker.chat.clear();
                talker.columns.clear();
                talker.ids.clear();
                talker.drain(Math.max(1, 1000 - (long) ((System.nanoTime() - t0) / 1e6))); // the server kicks for more than a line a second
                rssPeakSampled.set(Math.max(rssPeakSampled.get(), (long) statusMb(pid, "VmRSS")));
            }
            } catch (Throwable ex) {
                stopped = String.format(Locale.ROOT, "; the talker was cut off after %.0f s (%s)%s",
                        (System.currentTimeMillis() - start) / 1000.0, ex, outOfMemory(s) ? ": the server ran out of heap"
                                : "");
            }
            double hwm = statusMb(pid, "VmHWM");
            walking.set(false);
            for (Thread t : threads) {
                t.join(10000);
            }
            int[] gc = collections(s);
            List<Double> sorted = new ArrayList<Double>(echoes);
            Collections.sort(sorted);
            if (sorted.isEmpty()) {
                sorted.add(Double.NaN);
            }
            System.out.println(String.format(Locale.ROOT, "%d walkers in a natural world for %d s at %s (view-distance "
                    + "10, flying 30 blocks up at 4 blocks/s), a chat line a second: echo median %.1f ms, 99th "
                    + "percentile %.1f ms, worst %.1f ms over %d lines (target worst <= 250 ms at -Xmx64M); resident "
                    + "size after the start %.0f MB, peak %.0f MB (VmHWM); collections %d, full %d (%d asked for by "
                    + "the server), longest pause %d ms; walkers failed %d; OutOfMemoryError: %s", n, seconds, heap,
                    sorted.get(sorted.size() / 2),
                    sorted.get(Math.min(sorted.size() - 1, (int) Math.ceil(sorted.size() * 0.99) - 1)),
                    sorted.get(sorted.size() - 1), sorted.size(), startRss, hwm, gc[0], gc[1], gc[3], gc[2],
                    failed.get(), outOfMemory(s)) + stopped);
            java.util.regex.Matcher ticks = java.util.regex.Pattern.compile("Tick times of the last \\d+ ticks: median "
                    + "[0-9.]+ ms, 99th percentile [0-9.]+ ms, longest ([0-9.]+) ms; wait for the lock: 99th percentile "
                    + "[0-9.]+ ms, longest ([0-9.]+) ms").matcher(s.output());
            double longestTick = 0;
            double longestWait = 0;
            while (ticks.find()) {
                longestTick = Math.max(longestTick, Double.parseDouble(ticks.group(1)));
                longestWait = Math.max(longestWait, Double.parseDouble(ticks.group(2)));
            }
            System.out.println(String.format(Locale.ROOT, "  the world's tick: longest %.1f ms, its longest wait for "
                    + "the lock %.1f ms", longestTick, longestWait));
            java.util.regex.Pattern hold = java.util.regex.Pattern.compile("the world lock held .*longest ([0-9.]+) ms");
            for (String l : s.output().split("\r?\n")) {
                java.util.regex.Matcher h = hold.matcher(l);
                if (h.find() && Double.parseDouble(h.group(1)) > 20) {
                    System.out.println("  server, a hold of the lock over 20 ms: " + l.trim());
                }
            }
            if (System.getenv("CUBEWORKS_BENCH_GCLOG") != null) {
                System.out.println(new String(Files.readAllBytes(new File(s.dir, "gc.log").toPath()), "UTF-8"));
            }
            talker.close();
        } finally {
            walking.set(false);
            for (Thread t : threads) {
                t.join(10000);
            }
            stop(s);
        }
    }

    // ---- joins ---------------------------------------------------------------------------

    /**
     * Joins into the spawn area of a new natural world (-Xmx64M): in each of several new
     * servers the first join, the given time after "Done"; then in the last, later joins. Each
     * timed from Login Success to all 441 columns; with the bytes the join read by then.
     */
    static void joins(int starts, int later, long afterDoneMs) throws Exception {
        List<Double> firsts = new ArrayList<Double>();
        List<Double> laters = new ArrayList<Double>();
        List<Double> bytes = new ArrayList<Double>();
        List<Double> rss = new ArrayList<Double>();
        ServerProcess s = null;
        try {
            for (int i = 0; i < starts; i++) {
                if (s != null) {
                    stop(s);
                }
                s = natural("-Xmx64M");
                Thread.sleep(afterDoneMs);
                double[] j = join(s, "First" + i);
                firsts.add(j[0]);
                bytes.add(j[1]);
                rss.add(statusMb(pid(s), "VmRSS"));
            }
            for (int i = 0; i < later + 1; i++) {
                double[] j = join(s, "Later" + i);
                if (i > 0) {
                    laters.add(j[0]);
                    bytes.add(j[1]);
                }
            }
        } finally {
            if (s != null) {
                stop(s);
            }
        }
        List<Double> f = new ArrayList<Double>(firsts);
        Collections.sort(f);
        System.out.println(String.format(Locale.ROOT, "Joins into the natural spawn area (-Xmx64M), Login Success to "
                + "all 441 columns: the first after the start (%d ms after \"Done\") median %.0f ms, worst %.0f ms "
                + "over %d starts %s (target <= 600 ms); later joins median %.0f ms, worst %.0f ms over %d (target "
                + "<= 150 ms); a join reads median %.0f kB (target <= 944 kB); resident size after the first join "
                + "median %.0f MB", afterDoneMs, median(firsts), max(firsts), firsts.size(), f, median(laters),
                max(laters), laters.size(), median(bytes) / 1024, median(rss)));
    }

    /**
     * {ms from Login Success to all 441 columns, bytes read by then}. The client reads every
     * packet but does not inflate the columns (the game client does that on a thread of its own):
     * the figure is the server's work and the loopback's, not the bench's inflating.
     */
    private static double[] join(ServerProcess s, String name) throws Exception {
        TestClient c = new TestClient(s.port, 4);
        String refused = c.login(name);
        long t0 = System.nanoTime();
        long b0 = c.bytesRead;
        if (refused != null) {
            throw new IllegalStateException("refused: " + refused);
        }
        java.util.Set<Long> columns = new java.util.HashSet<Long>();
        while (columns.size() < 441) {
            TestClient.Packet p = c.read();
            if (p.id == 0x00) {
                java.io.ByteArrayOutputStream b = new java.io.ByteArrayOutputStream();
                new java.io.DataOutputStream(b).writeInt(p.data.readInt());
                c.send(0x00, b.toByteArray());
            } else if (p.id == 0x26) {
                int n = p.data.readShort();
                int len = p.data.readInt();
                p.data.readBoolean();
                p.data.skipBytes(len);
                for (int i = 0; i < n; i++) {
                    int cx = p.data.readInt();
                    int cz = p.data.readInt();
                    p.data.readInt();
                    columns.add(ColumnKey.of(cx, cz));
                }
            } else if (p.id == 0x40) {
                throw new IllegalStateException(name + " was disconnected");
            }
        }
        double[] r = {(System.nanoTime() - t0) / 1e6, c.bytesRead - b0};
        c.close();
        return r;
    }

    /** Every figure of this class. */
    static void run(int rounds, int seconds) throws Exception {
        memory(rounds, seconds);
        natural(rounds);
    }

    /** The memory figures (the world bench's memory mode runs them too). */
    static void memory(int rounds, int seconds) throws Exception {
        heapPerColumn();
        heapPerArea(5);
        walkersEcho(20, seconds, "-Xmx64M");
        walkersEcho(20, seconds, "-Xmx256M");
        farJoins(rounds);
        farAreasHeld("-Xmx64M", 12);
    }

    /** The joins and the wire (the world bench's natural mode runs them too). */
    static void natural(int rounds) throws Exception {
        compressionLevels();
        joins(Math.max(3, rounds / 2), rounds, 5000);
    }
}
