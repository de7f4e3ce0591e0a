package net.cubeworks.world.process;

import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.List;
import java.util.Locale;
import java.util.concurrent.atomic.AtomicBoolean;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * Benchmarks of the world against the built jar (-Dcubeworks.server.jar), printed, never
 * asserted: Login Success to all spawn columns at the client (view-distance 4 and 10), a
 * join into 441 saved columns while others walk (how long the world lock is held for it, and
 * how long the tick waits for the lock meanwhile), the world tick while 20 clients walk at
 * view-distance 10 within -Xmx64M, save-all of 100 changed columns, and the delay from one
 * player's dig to the Block Change another player reads.
 */
public final class WorldBench {
    private WorldBench() {
    }

    public static void main(String[] args) throws Exception {
        int rounds = args.length > 0 ? Integer.parseInt(args[0]) : 10;
        int walkSeconds = args.length > 1 ? Integer.parseInt(args[1]) : 30;
        String only = args.length > 2 ? args[2] : "";
        if (only.isEmpty() || only.equals("join")) {
            joinToColumns(4, rounds);
            joinToColumns(10, rounds);
        }
        if (only.isEmpty() || only.equals("saved")) {
            joinSavedArea(rounds, 5);
        }
        if (only.isEmpty() || only.equals("walk")) {
            walkers(20, 10, walkSeconds);
        }
        if (only.isEmpty() || only.equals("save")) {
            saveAll(100, Math.max(3, rounds / 2));
        }
        if (only.isEmpty() || only.equals("dig")) {
            digToBlockChange(200, 20);
        }
        System.exit(0);
    }

    private static String ms(double nanos) {
        return String.format(Locale.ROOT, "%.1f ms", nanos / 1e6);
    }

    private static void summary(String what, List<Long> nanos, String target) {
        Collections.sort(nanos);
        System.out.println(what + ": median " + ms(nanos.get(nanos.size() / 2)) + ", best " + ms(nanos.get(0))
                + ", worst " + ms(nanos.get(nanos.size() - 1)) + " over " + nanos.size() + " runs (target " + target
                + ")");
    }

    private static ServerProcess start(String heap, String... props) throws Exception {
        ServerProcess s = ServerProcess.prepare(props);
        s.start(heap, "-D" + "cubeworks.tick-stats=true");
        s.waitReady();
        return s;
    }

    /** Login Success to the last of the (2vd+1)^2 columns around the spawn. */
    static void joinToColumns(int vd, int rounds) throws Exception {
        ServerProcess s = start("-Xmx64M", "view-distance=" + vd);
        try {
            int want = (2 * vd + 1) * (2 * vd + 1);
            List<Long> times = new ArrayList<Long>();
            for (int i = 0; i < rounds + 2; i++) {
                TestClient c = new TestClient(s.port, 4);
                String refused = c.login("Bench" + i);
                long t0 = System.nanoTime();
                if (refused != null) {
                    throw new IllegalStateException("refused: " + refused);
                }
                PlayClient p = new PlayClient(c, "Bench" + i);
                while (p.columns.size() < want) {
                    p.readOne();
                }
                long t = System.nanoTime() - t0;
                if (i >= 2) { // the first joins warm the JVMs up
                    times.add(t);
                }
                c.close();
            }
            summary("Login Success to all " + want + " columns (view-distance " + vd + ")", times,
                    vd == 4 ? "< 300 ms" : "< 1 s");
        } finally {
            s.send("stop");
            s.waitForExit(20000);
            s.destroy();
        }
    }

    /** Where round r of the saved-area join stands: areas 40 columns apart, far from the spawn. */
    private static int savedAreaX(int round) {
        return 100 + 40 * round;
    }

    /**
     * Players join, one a round, at view-distance 10 into an area of 441 columns that were
     * built in and saved before the server started (each round an area of its own, so every
     * column comes from the region files), while walkers stream flat columns near the
     * spawn. Reported: Login Success to the position, the world lock held for the join and
     * for handing its columns over, and the tick's wait for the lock over the joins.
     */
    static void joinSavedArea(int rounds, int walkerCount) throws Exception {
        final int vd = 10;
        int total = rounds + 2;
        final ServerProcess s = ServerProcess.prepare("view-distance=" + vd, "max-players=" + (walkerCount + 5));
        File world = new File(s.dir, "world");
        for (int r = 0; r < total; r++) {
            net.cubeworks.world.storage.Worlds.saveBuiltArea(world, savedAreaX(r), 0, vd);
            net.cubeworks.world.storage.Worlds.savePlayerAt(world, "Saved" + r, savedAreaX(r) * 16 + 8.5, 8.5);
        }
        // the world lets go of columns nobody sees only when it saves, and save-all holds the
        // lock while the files are written, which would blur the tick's waits: the areas of
        // all rounds stay in memory, hence the larger heap
        s.start("-Xmx256M", "-Dcubeworks.tick-stats=true");
        s.waitReady();
        final AtomicBoolean walking = new AtomicBoolean(true);
        List<Thread> walkers = new ArrayList<Thread>();
        try {
            for (int i = 0; i < walkerCount; i++) {
                walkers.add(walker(s, "Walker" + i, 2 * Math.PI * i / walkerCount, walking));
            }
            Thread.sleep(2000);
            int from = s.mark();
            List<Long> times = new ArrayList<Long>();
            List<Double> joinHolds = new ArrayList<Double>();
            List<Double> handOverHolds = new ArrayList<Double>();
            int wrong = 0;
            StringBuilder perRound = new StringBuilder();
            for (int r = 0; r < total; r++) {
                int mark = s.mark();
                String name = "Saved" + r;
                TestClient c = new TestClient(s.port, 4);
                String refused = c.login(name);
                long t0 = System.nanoTime();
                if (refused != null) {
                    throw new IllegalStateException("refused: " + refused);
                }
                PlayClient p = new PlayClient(c, name);
                p.readUntil(0x08);
                long t = System.nanoTime() - t0;
                wrong += p.columnsBeforePosition == 441 ? 0 : 1;
                int bx = savedAreaX(r) * 16 + 8;
                wrong += p.block(bx + 6, 5, 3) == net.cubeworks.world.storage.Worlds.builtBlock(bx + 6, 5, 3) ? 0 : 1;
                s.waitFor(name + " joining: the world lock held", mark, 10000);
                Thread.sleep(1000); // the columns' hand-over is reported once their batches are built
                double join = held(s.output(), name + " joining", mark);
                double handOver = held(s.output(), "Columns for " + name, mark);
                perRound.append(String.format(Locale.ROOT, " %.0f+%.0f(%.0f)", join, handOver,
                        longest(s.output(), "Columns for " + name, mark)));
                if (r >= 2) { // the first joins warm the JVMs up
                    times.add(t);
                    joinHolds.add(join);
                    handOverHolds.add(handOver);
                }
                c.close();
            }
            int end = s.mark();
            s.waitFor("Tick times of the last", end, 15000);
            summary("Login Success to the position, 441 saved columns (view-distance 10, " + walkerCount
                    + " walkers)", times, "< 1 s");
            System.out.println("  joins that lacked a column or a saved block: " + wrong);
            holdSummary("  world lock held by the join itself", joinHolds);
            holdSummary("  world lock held handing its columns over", handOverHolds);
            System.out.println("  each round, warm-up included, join + hand-over (its longest hold) in ms:" + perRound);
            tickWaits(s.output().substring(from));
        } catch (Exception ex) {
            String out = s.output();
            System.out.println("the server's output:\n" + out.substring(Math.max(0, out.length() - 4000)));
            throw ex;
        } finally {
            walking.set(false);
            for (Thread t : walkers) {
                t.join();
            }
            s.send("stop");
            s.waitForExit(20000);
            s.destroy();
        }
    }

    /** A client that walks from the spawn in one direction while the flag is up. */
    private static Thread walker(final ServerProcess s, final String name, final double angle,
            final AtomicBoolean walking) {
        Thread t = new Thread(new Runnable() {
            public void run() {
                try {
                    PlayClient p = PlayClient.join(s.port, 5, name);
                    double x = p.x;
                    double z = p.z;
                    while (walking.get()) {
                        x += Math.cos(angle) * 0.2;
                        z += Math.sin(angle) * 0.2;
                        p.position(x, 4.0, z);
                        p.drain(50);
                    }
                    p.close();
                } catch (Throwable ex) {
                    System.out.println(name + " failed: " + ex);
                }
            }
        });
        t.start();
        return t;
    }

    /** The milliseconds of the first "WHAT: the world lock held N ms" after from; 0 when there is none. */
    private static double held(String out, String what, int from) {
        Matcher m = Pattern.compile(Pattern.quote(what) + ": the world lock held ([0-9.]+) ms").matcher(out);
        return m.find(from) ? Double.parseDouble(m.group(1)) : 0;
    }

    /** The longest single hold of the first "WHAT: the world lock held ..." after from; 0 when there is none. */
    private static double longest(String out, String what, int from) {
        Matcher m = Pattern.compile(Pattern.quote(what) + ": the world lock held [0-9.]+ ms in all, \\d+ times, "
                + "longest ([0-9.]+) ms").matcher(out);
        return m.find(from) ? Double.parseDouble(m.group(1)) : 0;
    }

    private static void holdSummary(String what, List<Double> ms) {
        Collections.sort(ms);
        System.out.println(String.format(Locale.ROOT, "%s: median %.1f ms, worst %.1f ms", what,
                ms.get(ms.size() / 2), ms.get(ms.size() - 1)));
    }

    /** The tick's wait for the lock in the tick-time reports: each window's, and the worst of all. */
    private static void tickWaits(String out) {
        Matcher m = Pattern.compile("wait for the lock: 99th percentile ([0-9.]+) ms, longest ([0-9.]+) ms")
                .matcher(out);
        double p99 = 0;
        double longest = 0;
        StringBuilder windows = new StringBuilder();
        while (m.find()) {
            p99 = Math.max(p99, Double.parseDouble(m.group(1)));
            longest = Math.max(longest, Double.parseDouble(m.group(2)));
            windows.append(windows.length() == 0 ? "" : "; ").append(m.group(1)).append(" / ").append(m.group(2));
        }
        System.out.println("  tick's wait for the lock over the joins, 99th percentile / longest of each 10 s: "
                + windows);
        System.out.println("  worst 99th percentile " + p99 + " ms, longest wait " + longest + " ms");
    }

    /** Clients walking in all directions at walking speed; the server reports its tick times. */
    static void walkers(final int n, int vd, final int seconds) throws Exception {
        final ServerProcess s = start("-Xmx64M", "view-distance=" + vd, "max-players=" + (n + 5));
        final AtomicInteger dropped = new AtomicInteger();
        final AtomicInteger moves = new AtomicInteger();
        try {
            List<Thread> threads = new ArrayList<Thread>();
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
                            double z = p.z;
                            long end = System.currentTimeMillis() + seconds * 1000L;
                            while (System.currentTimeMillis() < end) {
                                x += dx;
                                z += dz;
                                p.position(x, 4.0, z);
                                moves.incrementAndGet();
                                p.drain(50);
                            }
                            p.close();
                        } catch (Throwable ex) {
                            dropped.incrementAndGet();
                            System.out.println("walker " + k + " failed: " + ex);
                        }
                    }
                });
                threads.add(t);
                t.start();
                Thread.sleep(100);
            }
            for (Thread t : threads) {
                t.join();
            }
            String out = s.output();
            Matcher m = Pattern.compile("Tick times of the last (\\d+) ticks: median ([0-9.]+) ms, 99th percentile "
                    + "([0-9.]+) ms, longest ([0-9.]+) ms[^\r\n]*").matcher(out);
            List<String> lines = new ArrayList<String>();
            double worstP99 = 0;
            double worstHandOff = 0;
            while (m.find()) {
                lines.add(m.group(0).substring("Tick times of the last ".length()));
                worstP99 = Math.max(worstP99, Double.parseDouble(m.group(3)));
                Matcher h = Pattern.compile("hand-off to the writers: median [0-9.]+ ms, 99th percentile ([0-9.]+) ms")
                        .matcher(m.group(0));
                if (h.find()) {
                    worstHandOff = Math.max(worstHandOff, Double.parseDouble(h.group(1)));
                }
            }
            int lost = 0;
            Matcher l = Pattern.compile("lost connection: (?!Disconnected|End of stream)").matcher(out);
            while (l.find()) {
                lost++;
            }
            System.out.println(n + " clients walking " + seconds + " s at view-distance " + vd + " with -Xmx64M: "
                    + moves.get() + " moves, clients failed: " + dropped.get() + ", dropped by the server: " + lost
                    + ", OutOfMemoryError: " + out.contains("OutOfMemoryError"));
            for (String line : lines) {
                System.out.println("  tick times, " + line);
            }
            for (String line : out.split("\r?\n")) {
                if (line.contains("lost connection") && line.contains("Walker") || line.contains("Exception")
                        || line.contains("SEVERE")) {
                    System.out.println("  server: " + line);
                }
            }
            System.out.println("  worst 99th percentile of a 10 s window: " + worstP99 + " ms (target < 10 ms); "
                    + "of the hand-off to the writers after the tick: " + worstHandOff + " ms");
        } finally {
            s.send("stop");
            s.waitForExit(20000);
            s.destroy();
        }
    }

    /** A creative player digs one block in each of 100 columns, then save-all is timed. */
    static void saveAll(int columns, int rounds) throws Exception {
        ServerProcess s = start("-Xmx64M", "view-distance=4", "gamemode=1", "spawn-protection=0");
        try {
            PlayClient p = PlayClient.join(s.port, 5, "Builder");
            int side = (int) Math.ceil(Math.sqrt(columns));
            List<Long> times = new ArrayList<Long>();
            for (int r = 0; r < rounds; r++) {
                int done = 0;
                for (int cx = 0; cx < side && done < columns; cx++) {
                    for (int cz = 0; cz < side && done < columns; cz++, done++) {
                        int bx = cx * 16 + 8;
                        int bz = cz * 16 + 8;
                        walkTo(p, bx + 0.5, bz + 0.5);
                        p.dig(0, bx, 3 - r % 3, bz);
                    }
                }
                walkTo(p, 0.5, 0.5);
                p.drain(300);
                long t0 = System.nanoTime();
                s.command("save-all");
                times.add(System.nanoTime() - t0);
            }
            File region = new File(s.dir, "world/region");
            System.out.println("  region files: " + Arrays.toString(region.list()));
            summary("save-all of " + columns + " changed columns (console command to its prompt)", times, "< 200 ms");
            p.close();
        } finally {
            s.send("stop");
            s.waitForExit(20000);
            s.destroy();
        }
    }

    /** The value at percentile q (0 < q <= 1) of sorted times, by nearest rank. */
    private static long percentile(List<Long> sorted, double q) {
        int rank = (int) Math.ceil(q * sorted.size());
        return sorted.get(Math.max(0, Math.min(sorted.size() - 1, rank - 1)));
    }

    /** Feet height the dig bench stands its digger at: on top of the flat world's grass. */
    private static final double DIG_FEET = 4.0;

    /**
     * Blocks a player standing at (x, DIG_FEET, z) may break, nearest first: there in both
     * clients' copies, within the server's reach (with a margin), not in the columns of blocks
     * under either player's feet, and not taken yet.
     */
    private static List<int[]> digTargets(PlayClient a, PlayClient b, double x, double z, java.util.Set<String> taken) {
        List<int[]> out = new ArrayList<int[]>();
        int fx = (int) Math.floor(x);
        int fz = (int) Math.floor(z);
        for (int by = (int) DIG_FEET - 1; by >= 0; by--) {
            for (int dx = -5; dx <= 5; dx++) {
                for (int dz = -5; dz <= 5; dz++) {
                    int bx = fx + dx;
                    int bz = fz + dz;
                    double ex = x - (bx + 0.5);
                    double ey = DIG_FEET - (by + 0.5) + 1.5;
                    double ez = z - (bz + 0.5);
                    boolean underFeet = bx == fx && bz == fz
                            || bx == (int) Math.floor(b.x) && bz == (int) Math.floor(b.z);
                    if (ex * ex + ey * ey + ez * ez > 30 || underFeet || a.block(bx, by, bz) <= 0
                            || b.block(bx, by, bz) <= 0 || taken.contains(bx + "," + by + "," + bz)) {
                        continue;
                    }
                    out.add(new int[] {bx, by, bz});
                }
            }
        }
        return out;
    }

    /**
     * Two creative players at the spawn; A breaks one block at a time (Player Digging, status
     * 0), B, who has the column, reads until the Block Change for that block. Timed from just
     * before A's write of the dig to B's read of the change, both in this thread, so the
     * figure is the server's reading, handling and sending plus loopback. One dig every 20 ms
     * at the least, well under the server's bound of digs a tick; when the blocks within reach
     * run out A steps 8 blocks on. The first digs warm the JVMs up and are not counted.
     */
    static void digToBlockChange(int digs, int warmUp) throws Exception {
        final long paceNanos = 20000000L;
        final long giveUpMs = 5000;
        ServerProcess s = start("-Xmx64M", "view-distance=4", "gamemode=1", "spawn-protection=0");
        try {
            PlayClient a = PlayClient.join(s.port, 5, "Digger");
            PlayClient b = PlayClient.join(s.port, 4, "Watcher");
            if (a.gameMode != 1) {
                throw new IllegalStateException("the digger is not in creative mode but in mode " + a.gameMode);
            }
            double x = Math.floor(a.x) + 0.5;
            double z = Math.floor(a.z) + 0.5;
            walkTo(a, x, z);
            a.position(x, DIG_FEET, z);
            a.drain(200);
            b.drain(200);
            java.util.Set<String> taken = new java.util.HashSet<String>();
            List<int[]> targets = digTargets(a, b, x, z, taken);
            List<Long> times = new ArrayList<Long>();
            int steps = 0;
            long last = 0;
            for (int i = 0; i < warmUp + digs; i++) {
                if (targets.isEmpty()) {
                    x += 8;
                    walkTo(a, x, z);
                    a.drain(100);
                    steps++;
                    targets = digTargets(a, b, x, z, taken);
                    if (targets.isEmpty()) {
                        throw new IllegalStateException("no block left within reach of (" + x + ", " + z + ")");
                    }
                }
                int[] t = targets.remove(0);
                taken.add(t[0] + "," + t[1] + "," + t[2]);
                // pacing: A reads what it is sent (its own Block Changes, keep-alives) meanwhile
                long wait = last + paceNanos - System.nanoTime();
                if (wait > 0) {
                    a.drain(Math.max(1, wait / 1000000));
                }
                int before = b.blockChanges.size();
                long t0 = System.nanoTime();
                last = t0;
                a.dig(0, t[0], t[1], t[2]);
                long t1 = awaitBlockChange(b, t, before, t0 + giveUpMs * 1000000L);
                if (t1 < 0) {
                    String out = s.output();
                    System.out.println("the server's output:\n" + out.substring(Math.max(0, out.length() - 4000)));
                    throw new IllegalStateException("dig " + (i + 1) + " at (" + t[0] + ", " + t[1] + ", " + t[2]
                            + "): the other player got no Block Change for it within " + giveUpMs + " ms");
                }
                if (i >= warmUp) {
                    times.add(t1 - t0);
                }
            }
            Collections.sort(times);
            System.out.println("Dig to the Block Change another player reads (creative, view-distance 4, "
                    + (steps + 1) + " standing spots): median " + ms(percentile(times, 0.5)) + ", 95th percentile "
                    + ms(percentile(times, 0.95)) + ", 99th percentile " + ms(percentile(times, 0.99)) + ", best "
                    + ms(times.get(0)) + ", worst " + ms(times.get(times.size() - 1)) + " over " + times.size()
                    + " digs");
            a.close();
            b.close();
        } finally {
            s.send("stop");
            s.waitForExit(20000);
            s.destroy();
        }
    }

    /**
     * Reads B until a Block Change to air for the block is among the changes after the first
     * `from`; the nanoTime of that read, or -1 once the deadline has passed.
     */
    private static long awaitBlockChange(PlayClient b, int[] block, int from, long deadline) throws Exception {
        while (true) {
            long left = (deadline - System.nanoTime()) / 1000000;
            if (left <= 0) {
                return -1;
            }
            b.net.socket.setSoTimeout((int) left);
            try {
                if (b.readOne() != 0x23) {
                    continue;
                }
            } catch (java.net.SocketTimeoutException ex) {
                return -1;
            } finally {
                b.net.socket.setSoTimeout(5000);
            }
            long now = System.nanoTime();
            for (int k = from; k < b.blockChanges.size(); k++) {
                int[] c = b.blockChanges.get(k);
                if (c[0] == block[0] && c[1] == block[1] && c[2] == block[2]) {
                    if (c[3] != 0) {
                        throw new IllegalStateException("the Block Change for (" + block[0] + ", " + block[1] + ", "
                                + block[2] + ") says block " + c[3] + ", not air: the dig was refused");
                    }
                    return now;
                }
            }
        }
    }

    private static void walkTo(PlayClient p, double x, double z) throws Exception {
        while (Math.abs(p.x - x) > 1e-9 || Math.abs(p.z - z) > 1e-9) {
            p.x += Math.max(-7, Math.min(7, x - p.x));
            p.z += Math.max(-7, Math.min(7, z - p.z));
            p.position(p.x, 4.0, p.z);
            p.drain(5);
        }
    }
}
