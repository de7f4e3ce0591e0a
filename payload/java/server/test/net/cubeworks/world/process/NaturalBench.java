package net.cubeworks.world.process;

import java.io.File;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Locale;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import net.cubeworks.world.level.ColumnKey;

/**
 * The natural world's figures, against the jar: a new DEFAULT world from the JVM's start to
 * "Done" (the spawn area of view-distance 10 generated and lit) within -Xmx64M; Login Success to
 * all 441 columns of the spawn area; one creative player, then five, flying into new land at 10
 * blocks a second (how long after entering a column the new row of columns is all there, the
 * tick's times and its wait for the lock, and the heap after it);
 * and the heap of 20 players at the spawn, and of players spread 2,000 blocks apart.
 */
final class NaturalBench {
    private NaturalBench() {
    }

    private static String ms(double nanos) {
        return String.format(Locale.ROOT, "%.1f ms", nanos / 1e6);
    }

    private static ServerProcess natural(String heap, String... props) throws Exception {
        String[] all = new String[props.length + 2];
        all[0] = "level-type=DEFAULT";
        all[1] = "level-seed=bench";
        System.arraycopy(props, 0, all, 2, props.length);
        ServerProcess s = ServerProcess.prepare(all);
        s.start(heap, "-Dcubeworks.bench.folder=" + s.dir.getPath(), "-Dcubeworks.tick-stats=true");
        s.waitReady();
        return s;
    }

    private static void stop(ServerProcess s) throws Exception {
        s.send("stop");
        s.waitForExit(30000);
        s.destroy();
    }

    static void run(int rounds, int flySeconds) throws Exception {
        if (System.getProperty("cubeworks.bench.only-spread") == null) {
            startAndJoin(Math.max(3, rounds / 2), rounds);
            fly(1, flySeconds);
            fly(5, flySeconds);
            clustered(20);
        }
        spread(5);
    }

    /** JVM start to "Done" for new worlds, then joins into the spawn area of the last one. */
    static void startAndJoin(int starts, int joins) throws Exception {
        List<Long> done = new ArrayList<Long>();
        ServerProcess s = null;
        for (int i = 0; i < starts; i++) {
            if (s != null) {
                stop(s);
            }
            s = natural("-Xmx64M", "view-distance=10", "gamemode=1");
            Matcher m = Pattern.compile("Done \\(([0-9.]+)s\\)").matcher(s.output());
            if (m.find()) {
                done.add((long) (Double.parseDouble(m.group(1)) * 1e9));
            }
        }
        Collections.sort(done);
        System.out.println("New DEFAULT world, JVM start to \"Done\" with 441 columns generated and lit (-Xmx64M): median "
                + ms(done.get(done.size() / 2)) + ", worst " + ms(done.get(done.size() - 1)) + " over " + done.size()
                + " starts (target <= 5 s)");
        try {
            List<Long> times = new ArrayList<Long>();
            for (int i = 0; i < joins + 2; i++) {
                TestClient c = new TestClient(s.port, 4);
                String refused = c.login("Joiner" + i);
                long t0 = System.nanoTime();
                if (refused != null) {
                    throw new IllegalStateException("refused: " + refused);
                }
                PlayClient p = new PlayClient(c, "Joiner" + i);
                while (p.columns.size() < 441) {
                    p.readOne();
                }
                if (i >= 2) {
                    times.add(System.nanoTime() - t0);
                }
                c.close();
            }
            Collections.sort(times);
            System.out.println("Join into the natural spawn area, Login Success to all 441 columns: median "
                    + ms(times.get(times.size() / 2)) + ", worst " + ms(times.get(times.size() - 1)) + " over "
                    + times.size() + " joins (target median <= 300 ms, worst <= 1 s)");
        } catch (java.io.IOException e) {
            System.out.println("the join failed (" + e + "); the server said:\n" + s.output());
        } finally {
            stop(s);
        }
    }

    /** Creative players fly east at 10 blocks a second into new land, 300 blocks apart, for the given time. */
    static void fly(final int flyers, final int seconds) throws Exception {
        final ServerProcess s = natural(flyers == 1 ? "-Xmx64M" : "-Xmx256M", "view-distance=10", "gamemode=1",
                "allow-flight=true",
                "max-players=" + (flyers + 5));
        try {
            final List<Long> latencies = Collections.synchronizedList(new ArrayList<Long>());
            final int[] missing = new int[1];
            final int[] sentBack = new int[1];
            List<Thread> threads = new ArrayList<Thread>();
            final List<Throwable> failures = Collections.synchronizedList(new ArrayList<Throwable>());
            for (int k = 0; k < flyers; k++) {
                final int lane = k;
                Thread t = new Thread(new Runnable() {
                    public void run() {
                        try {
                            flyOne(s, "Flyer" + lane, lane, seconds, latencies, missing, sentBack);
                        } catch (Throwable e) {
                            failures.add(e);
                        }
                    }
                });
                threads.add(t);
                t.start();
            }
            for (Thread t : threads) {
                t.join();
            }
            String said = s.output();
            double heap;
            try {
                heap = WorldBench.heapAfterGc(s);
            } catch (Exception e) {
                System.out.println("the server's heap could not be read (" + e + "); the server said:\n" + said);
                heap = -1;
            }
            List<Long> sorted = new ArrayList<Long>(latencies);
            Collections.sort(sorted);
            String out = said;
            System.out.println(flyers + (flyers == 1 ? " player" : " players") + " flying into new land at 10 blocks/s for "
                    + seconds + " s (" + (flyers == 1 ? "-Xmx64M" : "-Xmx256M") + "): " + sorted.size() + " new rows, entering a column to its new row all there: median "
                    + (sorted.isEmpty() ? "-" : ms(sorted.get(sorted.size() / 2))) + ", worst "
                    + (sorted.isEmpty() ? "-" : ms(sorted.get(sorted.size() - 1))) + ", rows still missing " + missing[0]
                    + " (target every row within 1 s), sent back " + sentBack[0] + " times, clients failed "
                    + failures.size() + (failures.isEmpty() ? "" : " (" + failures.get(0) + ")")
                    + "; heap after a full GC " + String.format(Locale.ROOT, "%.1f MB", heap) + ", OutOfMemoryError: "
                    + out.contains("OutOfMemoryError"));
            lockWaits(out);
        } finally {
            stop(s);
        }
    }

    private static void flyOne(ServerProcess s, String name, int lane, int seconds, List<Long> latencies,
            int[] missing, int[] sentBack) throws Exception {
        PlayClient p = PlayClient.join(s.port, 4, name);
        while (p.columns.size() < 441) {
            p.readOne();
        }
        double x = p.x;
        double z = p.z;
        double y = p.y;
        // up above the hills first, then out to its own lane, half a block a move (the server
        // refuses longer moves)
        while (y < 200) {
            y = Math.min(200, y + 0.5);
            p.position(x, y, z);
            p.drain(50);
        }
        double laneZ = z + lane * 300;
        while (z < laneZ) {
            z = Math.min(laneZ, z + 5);
            p.position(x, y, z);
            p.drain(50);
        }
        int teleports = p.positions;
        int cz = ColumnKey.chunk(z);
        int lastCx = ColumnKey.chunk(x);
        List<long[]> pending = new ArrayList<long[]>(); // {column x of the new row, time entered}
        long end = System.currentTimeMillis() + seconds * 1000L;
        long next = System.nanoTime();
        while (System.currentTimeMillis() < end) {
            if (p.positions != teleports) { // sent back: go on from there
                teleports = p.positions;
                synchronized (sentBack) {
                    sentBack[0]++;
                }
                x = p.x;
                y = p.y;
                z = p.z;
            }
            x += 0.5;
            p.position(x, y, z);
            int cx = ColumnKey.chunk(x);
            if (cx != lastCx) {
                pending.add(new long[] {cx + 10, System.nanoTime()});
                lastCx = cx;
            }
            next += 50000000L;
            long wait = (next - System.nanoTime()) / 1000000L;
            p.drain(Math.max(1, wait));
            for (int i = pending.size() - 1; i >= 0; i--) {
                long[] row = pending.get(i);
                boolean all = true;
                for (int dz = -10; dz <= 10 && all; dz++) {
                    all = p.columns.containsKey(PlayClient.key((int) row[0], cz + dz));
                }
                if (all) {
                    latencies.add(System.nanoTime() - row[1]);
                    pending.remove(i);
                }
            }
        }
        synchronized (missing) {
            missing[0] += pending.size();
        }
        p.close();
    }

    private static void lockWaits(String out) {
        Matcher m = Pattern.compile("Tick times of the last \\d+ ticks: ([^\r\n]*)").matcher(out);
        while (m.find()) {
            System.out.println("  tick: " + m.group(1));
        }
    }

    /** Players at the spawn of a new natural world in -Xmx64M: the heap after a full GC. */
    static void clustered(int n) throws Exception {
        ServerProcess s = natural("-Xmx64M", "view-distance=10", "gamemode=1", "max-players=" + (n + 5));
        try {
            List<PlayClient> players = new ArrayList<PlayClient>();
            for (int i = 0; i < n; i++) {
                PlayClient p = PlayClient.join(s.port, 4, "Near" + i);
                while (p.columns.size() < 441) {
                    p.readOne();
                }
                players.add(p);
            }
            double heap = WorldBench.heapAfterGc(s);
            System.out.println(n + " players at the spawn of a natural world (-Xmx64M): heap after a full GC "
                    + String.format(Locale.ROOT, "%.1f MB", heap) + ", OutOfMemoryError: "
                    + s.output().contains("OutOfMemoryError"));
            for (PlayClient p : players) {
                p.close();
            }
        } finally {
            stop(s);
        }
    }

    /** Players 2,000 blocks apart, each in new land of its own (-Xmx512M): the heap per player. */
    static void spread(int n) throws Exception {
        ServerProcess s = ServerProcess.prepare("level-type=DEFAULT", "level-seed=bench", "view-distance=10",
                "gamemode=1", "max-players=" + (n + 5));
        s.start("-Xmx512M", "-Dcubeworks.bench.folder=" + s.dir.getPath());
        s.waitReady();
        try {
            double before = WorldBench.heapAfterGc(s);
            s.send("stop");
            s.waitForExit(30000);
            File world = new File(s.dir, "world");
            for (int i = 0; i < n; i++) {
                net.cubeworks.world.storage.Worlds.savePlayerAt(world, "Far" + i, 2000.5 * (i + 1), 8.5);
            }
            s.start("-Xmx512M", "-Dcubeworks.bench.folder=" + s.dir.getPath());
            s.waitReady();
            List<PlayClient> players = new ArrayList<PlayClient>();
            for (int i = 0; i < n; i++) {
                PlayClient p;
                try {
                    p = PlayClient.join(s.port, 4, "Far" + i);
                } catch (java.io.IOException e) {
                    System.out.println("Far" + i + " could not join (" + e + "); the server said:\n" + s.output());
                    throw e;
                }
                while (p.columns.size() < 441) {
                    p.readOne();
                }
                players.add(p);
            }
            double heap = WorldBench.heapAfterGc(s);
            System.out.println(n + " players 2,000 blocks apart in new natural land: heap after a full GC "
                    + String.format(Locale.ROOT, "%.1f MB (%.1f MB with the spawn area alone), about %.1f MB a player",
                            heap, before, (heap - before) / n)
                    + ", OutOfMemoryError: " + s.output().contains("OutOfMemoryError"));
            for (PlayClient p : players) {
                p.close();
            }
        } finally {
            stop(s);
        }
    }
}
