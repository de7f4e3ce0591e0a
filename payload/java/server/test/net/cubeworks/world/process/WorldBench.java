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
 * view-distance 10 within -Xmx64M, save-all of 100 changed columns, the delay from one
 * player's dig to the Block Change another player reads, and memory: the server's heap after
 * a full GC with 20 players in 20 saved areas (-Xmx256M), and how many saved areas with a
 * player each one -Xmx64M server holds.
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
            walkers(20, 10, walkSeconds, false);
        }
        if (only.isEmpty() || only.equals("walk-listened")) {
            walkers(20, 10, walkSeconds, true);
        }
        if (only.isEmpty() || only.equals("save")) {
            saveAll(100, Math.max(3, rounds / 2));
        }
        if (only.isEmpty() || only.equals("dig")) {
            digToBlockChange(200, 20);
        }
        if (only.isEmpty() || only.equals("click")) {
            clickToConfirm(400, 40);
        }
        if (only.isEmpty() || only.equals("lake")) {
            lake(16, 40);
        }
        if (only.isEmpty() || only.equals("crops")) {
            crops(0, 30);
            crops(1000, 30);
        }
        if (only.isEmpty() || only.equals("pistons")) {
            pistons(false, 30);
            pistons(true, 30);
        }
        if (only.isEmpty() || only.equals("memory")) {
            heapWithPlayersInSavedAreas(20);
            savedAreasHeld(40, 20000);
            FootprintBench.memory(rounds, walkSeconds);
        }
        if (only.isEmpty() || only.equals("natural")) {
            NaturalBench.run(rounds, walkSeconds);
            FootprintBench.natural(rounds);
        }
        if (only.isEmpty() || only.equals("furnaces")) {
            net.cubeworks.world.game.FurnacesBench.run(100, 1200);
        }
        if (only.isEmpty() || only.equals("items")) {
            net.cubeworks.world.game.ItemsBench.run(2000, 10, 1200);
            net.cubeworks.world.game.ItemsBench.run(2000, 1, 1200);
        }
        if (only.equals("mobs")) {
            MobBench.run(10, walkSeconds);
        }
        if (only.equals("footprint")) {
            FootprintBench.run(rounds, walkSeconds);
        }
        if (only.startsWith("footprint-")) {
            footprintPart(only.substring("footprint-".length()), rounds, walkSeconds);
        }
        System.exit(0);
    }

    /**
     * A lake of side by side water sources poured onto flat land from the console while a player
     * watches: how long until the water is settled (the watcher's last Block Change), and the
     * server's tick times meanwhile (its 10 s reports).
     */
    static void lake(int side, int seconds) throws Exception {
        ServerProcess s = ServerProcess.prepare("level-type=FLAT", "view-distance=6", "gamemode=1", "spawn-protection=0");
        s.start(recorded(s, "-Xmx64M", "-Dcubeworks.tick-stats=true"));
        s.waitReady();
        try {
            PlayClient p = PlayClient.join(s.port, 5, "Watcher");
            p.drain(2000);
            // the join's ticks go into a report of their own: the reports after it weigh the water alone
            int joined = s.output().length();
            long waitUntil = System.currentTimeMillis() + 12000;
            while (System.currentTimeMillis() < waitUntil && s.output().indexOf("Tick times of the last", joined) < 0) {
                p.drain(200);
            }
            String joinReport = s.output().substring(0, s.output().length());
            System.out.println("  the join's report (start, join): " + cpuTimes(joinReport));
            int x0 = (int) Math.floor(p.x) + 4;
            int z0 = (int) Math.floor(p.z) - side / 2;
            int from = s.output().length();
            long start = System.nanoTime();
            for (int dx = 0; dx < side; dx++) {
                for (int dz = 0; dz < side; dz++) {
                    s.command("setblock " + (x0 + dx) + " 4 " + (z0 + dz) + " water");
                }
            }
            long poured = System.nanoTime();
            long last = poured;
            long end = System.currentTimeMillis() + seconds * 1000L;
            int seen = 0;
            while (System.currentTimeMillis() < end) {
                p.drain(200);
                if (p.blockChanges.size() != seen) {
                    seen = p.blockChanges.size();
                    last = System.nanoTime();
                }
            }
            String out = s.output().substring(from);
            Matcher m = Pattern.compile("Tick times of the last (\\d+) ticks: median ([0-9.]+) ms, 99th percentile "
                    + "([0-9.]+) ms, longest ([0-9.]+) ms").matcher(out);
            double worstP99 = 0;
            double longest = 0;
            StringBuilder windows = new StringBuilder();
            while (m.find()) {
                worstP99 = Math.max(worstP99, Double.parseDouble(m.group(3)));
                longest = Math.max(longest, Double.parseDouble(m.group(4)));
                windows.append(windows.length() == 0 ? "" : "; ").append(m.group(2)).append(" / ").append(m.group(3))
                        .append(" / ").append(m.group(4));
            }
            System.out.println(String.format(Locale.ROOT,
                    "a %dx%d lake poured onto flat land (%d setblock commands in %.1f s): settled %.1f s after the"
                            + " last, %d Block Changes seen; tick median / 99th percentile / longest of each 10 s: %s;"
                            + " worst 99th percentile %.2f ms (target 10 ms), longest %.2f ms",
                    side, side, side * side, (poured - start) / 1e9, (last - poured) / 1e9, seen, windows, worstP99,
                    longest));
            System.out.println("  " + cpuTimes(out));
            p.close();
        } finally {
            s.destroy();
        }
    }

    /** The game thread's processor time in the tick-time reports of the output: "median / 99th percentile" of each, and the worst 99th percentile. */
    static String cpuTimes(String out) {
        Matcher m = Pattern.compile("CPU time: median ([0-9.]+) ms, 99th percentile ([0-9.]+) ms").matcher(out);
        StringBuilder b = new StringBuilder();
        double worst = 0;
        while (m.find()) {
            worst = Math.max(worst, Double.parseDouble(m.group(2)));
            b.append(b.length() == 0 ? "" : "; ").append(m.group(1)).append(" / ").append(m.group(2));
        }
        return String.format(Locale.ROOT, "the game thread's processor time per tick, median / 99th percentile of each 10 s: %s;"
                + " worst 99th percentile %.2f ms", b, worst);
    }

    /** The server's options, with a flight recording (processor samples) in CUBEWORKS_BENCH_JFR's folder when it is set. */
    private static String[] recorded(ServerProcess s, String... options) {
        String jfr = System.getenv("CUBEWORKS_BENCH_JFR");
        if (jfr == null || jfr.isEmpty()) {
            return options;
        }
        String[] out = java.util.Arrays.copyOf(options, options.length + 1);
        out[options.length] = "-XX:StartFlightRecording=settings=profile,filename="
                + new java.io.File(jfr, s.dir.getName() + ".jfr").getPath();
        return out;
    }

    /**
     * A field of n wheat on wet farmland planted from the console while a player watches: the
     * server's tick times while they grow by random ticks (its 10 s reports), and how many stages
     * the watcher saw them grow. With n 0, the same world without them, to compare.
     */
    static void crops(int n, int seconds) throws Exception {
        ServerProcess s = ServerProcess.prepare("level-type=FLAT", "view-distance=6", "gamemode=1", "spawn-protection=0");
        s.start("-Xmx64M", "-Dcubeworks.tick-stats=true");
        s.waitReady();
        try {
            PlayClient p = PlayClient.join(s.port, 5, "Farmer");
            p.drain(2000);
            int x0 = (int) Math.floor(p.x) - 16;
            int z0 = (int) Math.floor(p.z) - 16;
            long start = System.nanoTime();
            for (int i = 0; i < n; i++) {
                int x = x0 + i % 32;
                int z = z0 + i / 32;
                s.command("setblock " + x + " 3 " + z + " 60 7"); // wet farmland
                s.command("setblock " + x + " 4 " + z + " 59 0"); // wheat
            }
            long planted = System.nanoTime();
            int from = s.output().length();
            p.drain(seconds * 1000L);
            int grown = 0;
            for (int[] b : p.blockChanges) {
                if (b[3] == 59 && b[4] > 0) {
                    grown++;
                }
            }
            String out = s.output().substring(from);
            Matcher m = Pattern.compile("Tick times of the last (\\d+) ticks: median ([0-9.]+) ms, 99th percentile "
                    + "([0-9.]+) ms, longest ([0-9.]+) ms").matcher(out);
            double worstP99 = 0;
            StringBuilder windows = new StringBuilder();
            while (m.find()) {
                worstP99 = Math.max(worstP99, Double.parseDouble(m.group(3)));
                windows.append(windows.length() == 0 ? "" : "; ").append(m.group(2)).append(" / ").append(m.group(3));
            }
            System.out.println(String.format(Locale.ROOT,
                    "%d wheat on wet farmland (planted in %.1f s), %d s of growing: %d stages grown; tick median / 99th"
                            + " percentile of each 10 s: %s; worst 99th percentile %.2f ms",
                    n, (planted - start) / 1e9, seconds, grown, windows, worstP99));
            p.close();
        } finally {
            s.destroy();
        }
    }

    /**
     * A clock of 20 repeaters (delay 1) closed by a redstone torch, which drives a wire line west
     * (boosted by a repeater every 15 blocks) feeding 50 repeaters side by side, each behind a
     * piston that pushes a block of cobblestone: the clock turns every 42 ticks and the pistons go
     * out and in with it. Without the machine (machine false) the same world and player give the
     * baseline. Prints the tick's times and the pistons' moves the player's client saw.
     */
    static void pistons(boolean machine, int seconds) throws Exception {
        ServerProcess s = ServerProcess.prepare("level-type=FLAT", "view-distance=6", "gamemode=1", "spawn-protection=0");
        s.start(recorded(s, "-Xmx64M", "-Dcubeworks.tick-stats=true"));
        s.waitReady();
        try {
            PlayClient p = PlayClient.join(s.port, 5, "Engineer");
            p.drain(2000);
            int x0 = (int) Math.floor(p.x) + 27;
            int z0 = (int) Math.floor(p.z) - 2;
            int y = 4;
            if (machine) {
                int placed = 0;
                for (int i = 1; placed < 50; i++) {
                    int x = x0 - i;
                    if (i % 15 == 0) {
                        s.command("setblock " + x + " " + y + " " + (z0 + 1) + " 93 3"); // booster, facing west
                        continue;
                    }
                    s.command("setblock " + x + " " + y + " " + (z0 + 4) + " 4 0");
                    s.command("setblock " + x + " " + y + " " + (z0 + 3) + " 33 3"); // piston facing +z
                    s.command("setblock " + x + " " + y + " " + (z0 + 2) + " 93 2"); // repeater, input at -z
                    s.command("setblock " + x + " " + y + " " + (z0 + 1) + " 55 0");
                    placed++;
                }
                for (int i = 1; i <= 10; i++) {
                    s.command("setblock " + (x0 + i) + " " + y + " " + z0 + " 93 1"); // east
                    s.command("setblock " + (x0 + i) + " " + y + " " + (z0 + 2) + " 93 3"); // west
                }
                for (int dz = 0; dz <= 2; dz++) {
                    s.command("setblock " + (x0 + 11) + " " + y + " " + (z0 + dz) + " 55 0");
                }
                s.command("setblock " + x0 + " " + y + " " + z0 + " 55 0");
                s.command("setblock " + x0 + " " + y + " " + (z0 + 2) + " 1 0");
                s.command("setblock " + x0 + " " + y + " " + (z0 + 1) + " 76 4"); // the torch on the stone's side
            }
            p.drain(3000);
            int from = s.output().length();
            int actionsBefore = p.blockActions.size();
            p.drain(seconds * 1000L);
            int moves = p.blockActions.size() - actionsBefore;
            String out = s.output().substring(from);
            Matcher m = Pattern.compile("Tick times of the last (\\d+) ticks: median ([0-9.]+) ms, 99th percentile "
                    + "([0-9.]+) ms, longest ([0-9.]+) ms").matcher(out);
            double worstP99 = 0;
            StringBuilder windows = new StringBuilder();
            while (m.find()) {
                worstP99 = Math.max(worstP99, Double.parseDouble(m.group(3)));
                windows.append(windows.length() == 0 ? "" : "; ").append(m.group(2)).append(" / ").append(m.group(3))
                        .append(" / ").append(m.group(4));
            }
            System.out.println(String.format(Locale.ROOT,
                    "%s, %d s: %d piston moves seen; tick median / 99th percentile / longest of each 10 s: %s;"
                            + " worst 99th percentile %.2f ms",
                    machine ? "20-repeater clock driving 50 pistons" : "the same world without the machine", seconds,
                    moves, windows, worstP99));
            System.out.println("  " + cpuTimes(out));
            p.close();
        } finally {
            s.destroy();
        }
    }

    /** One part of the footprint bench: column, levels, area, joins, walk64, walk256, far, held, held128, saved, fly. */
    private static void footprintPart(String part, int rounds, int seconds) throws Exception {
        if (part.equals("column")) {
            FootprintBench.heapPerColumn();
        } else if (part.equals("levels")) {
            FootprintBench.compressionLevels();
        } else if (part.equals("area")) {
            FootprintBench.heapPerArea(5);
        } else if (part.equals("joins")) {
            FootprintBench.joins(Math.max(3, rounds / 2), rounds, 5000);
        } else if (part.equals("walk64")) {
            FootprintBench.walkersEcho(20, seconds, "-Xmx64M");
        } else if (part.equals("walk256")) {
            FootprintBench.walkersEcho(20, seconds, "-Xmx256M");
        } else if (part.equals("far")) {
            FootprintBench.farJoins(rounds);
        } else if (part.equals("held")) {
            FootprintBench.farAreasHeld("-Xmx64M", 12);
        } else if (part.equals("held128")) {
            FootprintBench.farAreasHeld("-Xmx128M", 24);
        } else if (part.equals("fly")) {
            NaturalBench.fly(1, seconds);
            NaturalBench.fly(5, seconds);
        } else if (part.equals("saved")) {
            heapWithPlayersInSavedAreas(20);
            savedAreasHeld(40, 20000);
        } else {
            throw new IllegalArgumentException("no footprint part " + part);
        }
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

    /**
     * Clients walking in all directions at walking speed; the server reports its tick times. With
     * listened, a plugin looks at every move (the block under it) and counts them.
     */
    static void walkers(final int n, int vd, final int seconds, boolean listened) throws Exception {
        final ServerProcess s = ServerProcess.prepare("view-distance=" + vd, "max-players=" + (n + 5));
        if (listened) {
            net.cubeworks.world.fixture.Jars.plugin(new java.io.File(s.plugins(), "moves.jar"),
                    net.cubeworks.world.fixture.moves.MoveWatcherPlugin.YML,
                    net.cubeworks.world.fixture.moves.MoveWatcherPlugin.class);
        }
        s.start("-Xmx64M", "-D" + "cubeworks.tick-stats=true");
        s.waitReady();
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
            System.out.println(n + " clients walking " + seconds + " s at view-distance " + vd + " with -Xmx64M"
                    + (listened ? " and a plugin looking at every move" : "") + ": "
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
            if (listened) {
                Matcher seen = Pattern.compile("moves seen: [^\r\n]*").matcher(s.output());
                System.out.println("  the plugin: " + (seen.find() ? seen.group(0) : "no count (did it load?)"));
            }
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
     * A survival player's inventory click to its Confirm Transaction: a stack of dirt picked
     * up and put down again, one click every 20 ms, 20 other players walking meanwhile. The
     * figure is the server's reading, handling and answering plus loopback; the target is one
     * tick (50 ms). The first clicks warm the JVMs up and are not counted.
     */
    static void clickToConfirm(int clicks, int warmUp) throws Exception {
        final long paceNanos = 20000000L;
        ServerProcess s = ServerProcess.prepare("view-distance=4", "spawn-protection=0", "level-type=FLAT",
                "max-players=30");
        net.cubeworks.world.storage.Worlds.savePlayerWith(new File(s.dir, "world"), "Clicker", 8.5, 8.5,
                new int[] {0, 3, 64, 0});
        s.start("-Xmx64M", "-Dcubeworks.tick-stats=true");
        s.waitReady();
        final AtomicBoolean stop = new AtomicBoolean();
        List<Thread> walkers = new ArrayList<Thread>();
        try {
            PlayClient a = PlayClient.join(s.port, 5, "Clicker");
            a.until("the dirt", () -> a.slotCount[36] == 64);
            for (int w = 0; w < 20; w++) {
                final PlayClient walker = PlayClient.join(s.port, 4, "Walker" + w);
                Thread t = new Thread(new Runnable() {
                    public void run() {
                        try {
                            double x = walker.x;
                            double z = walker.z;
                            for (int step = 0; !stop.get(); step++) {
                                int k = step % 80;
                                walker.position(x + (k < 40 ? k : 80 - k) * 0.2, walker.y, z);
                                walker.drain(50);
                            }
                        } catch (Exception ignored) {
                            // the bench is over
                        } finally {
                            walker.close();
                        }
                    }
                });
                t.setDaemon(true);
                t.start();
                walkers.add(t);
            }
            a.drain(500);
            List<Long> times = new ArrayList<Long>();
            long last = 0;
            for (int i = 0; i < warmUp + clicks; i++) {
                long wait = last + paceNanos - System.nanoTime();
                if (wait > 0) {
                    a.drain(Math.max(1, wait / 1000000));
                }
                boolean pick = i % 2 == 0;
                final int before = a.confirms.size();
                long t0 = System.nanoTime();
                last = t0;
                a.click(0, 36, 0, i + 1, 0, pick ? 3 : -1, pick ? 64 : 0, 0);
                a.until("click " + (i + 1) + " answered", () -> a.confirms.size() > before);
                long t1 = System.nanoTime();
                if (a.confirms.get(before)[2] != 1) {
                    throw new IllegalStateException("click " + (i + 1) + " was refused");
                }
                if (i >= warmUp) {
                    times.add(t1 - t0);
                }
            }
            Collections.sort(times);
            int late = 0;
            for (long t : times) {
                late += t > 50000000L ? 1 : 0;
            }
            System.out.println("Inventory click to its Confirm Transaction (20 walkers online): median "
                    + ms(percentile(times, 0.5)) + ", 95th percentile " + ms(percentile(times, 0.95))
                    + ", 99th percentile " + ms(percentile(times, 0.99)) + ", worst " + ms(times.get(times.size() - 1))
                    + ", later than one tick (50 ms): " + late + " of " + times.size() + " clicks");
            a.close();
        } finally {
            stop.set(true);
            for (Thread t : walkers) {
                t.join(2000);
            }
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

    /** View distance of the memory benches: each player sees the 441 columns of its area. */
    private static final int MEMORY_VD = 10;

    /**
     * Where area k of the memory benches is centred (in columns): 40 columns apart along x, far
     * from the spawn, so that the 21 x 21 columns a player sees from one never reach another.
     */
    private static int memoryAreaX(int k) {
        return 100 + 40 * k;
    }

    /**
     * A server folder whose world holds the given number of saved areas (the 441 built
     * columns around each centre, three blocks in each column changed from the flat ground,
     * so every column is read from the region files) and a saved player standing at the
     * centre of each, named AreaK.
     */
    private static ServerProcess prepareSavedAreas(int areas) throws Exception {
        ServerProcess s = ServerProcess.prepare("view-distance=" + MEMORY_VD, "max-players=" + (areas + 5));
        File world = new File(s.dir, "world");
        long t0 = System.nanoTime();
        for (int k = 0; k < areas; k++) {
            net.cubeworks.world.storage.Worlds.saveBuiltArea(world, memoryAreaX(k), 0, MEMORY_VD);
            net.cubeworks.world.storage.Worlds.savePlayerAt(world, "Area" + k, memoryAreaX(k) * 16 + 8.5, 8.5);
        }
        System.out.println("  " + areas + " saved areas of 441 columns written in " + ms(System.nanoTime() - t0));
        return s;
    }

    /** The server's process id: the child of this JVM running the server jar from the folder. */
    private static long serverPid(ServerProcess s) {
        String marker = "-Dcubeworks.bench.folder=" + s.dir.getPath();
        for (ProcessHandle h : ProcessHandle.current().children().toArray(ProcessHandle[]::new)) {
            String cmd = h.info().commandLine().orElse("");
            if (h.isAlive() && cmd.contains(marker)) {
                return h.pid();
            }
        }
        throw new IllegalStateException("the server's process is not among this JVM's children");
    }

    /** Runs the JDK's jcmd on the process; its output, or a failure with it. */
    private static String jcmd(long pid, String command) throws Exception {
        File tool = new File(System.getProperty("java.home"), "bin/jcmd");
        ProcessBuilder pb = new ProcessBuilder(tool.exists() ? tool.getPath() : "jcmd", Long.toString(pid), command)
                .redirectErrorStream(true);
        Process p = pb.start();
        java.io.ByteArrayOutputStream out = new java.io.ByteArrayOutputStream();
        java.io.InputStream in = p.getInputStream();
        byte[] buf = new byte[4096];
        int n;
        while ((n = in.read(buf)) > 0) {
            out.write(buf, 0, n);
        }
        if (!p.waitFor(60, java.util.concurrent.TimeUnit.SECONDS)) {
            p.destroy();
            throw new IllegalStateException("jcmd " + pid + " " + command + " did not end");
        }
        String text = out.toString("UTF-8");
        if (p.exitValue() != 0) {
            throw new IllegalStateException("jcmd " + pid + " " + command + " failed (" + p.exitValue() + "):\n" + text);
        }
        return text;
    }

    /**
     * The server's used heap in MB after a full GC, from outside: jcmd GC.run (twice, so that
     * what the first one finalised is gone too), then GC.heap_info, whose "total NK, used NK"
     * lines are the heap's spaces (one for G1, the generations for the others).
     */
    static double heapAfterGc(ServerProcess s) throws Exception {
        long pid = serverPid(s);
        jcmd(pid, "GC.run");
        jcmd(pid, "GC.run");
        String info = jcmd(pid, "GC.heap_info");
        Matcher m = Pattern.compile("total (\\d+)K, used (\\d+)K").matcher(info);
        long usedK = 0;
        int spaces = 0;
        while (m.find()) {
            usedK += Long.parseLong(m.group(2));
            spaces++;
        }
        if (spaces == 0) {
            throw new IllegalStateException("no used heap in jcmd GC.heap_info:\n" + info);
        }
        return usedK / 1024.0;
    }

    /** What stopped a server: its running out of memory, or its exit; null while neither. */
    private static String serverTrouble(ServerProcess s) {
        String out = s.output();
        if (out.contains("OutOfMemoryError") || out.contains("ran out of memory")) {
            for (String line : out.split("\r?\n")) {
                if (line.contains("OutOfMemoryError") || line.contains("ran out of memory")) {
                    return "the server ran out of memory (\"" + line.trim() + "\")";
                }
            }
        }
        if (!s.isAlive()) {
            int status;
            try {
                status = s.waitForExit(1000);
            } catch (Throwable ex) {
                status = -1;
            }
            return "the server process is gone (exit status " + status + ")";
        }
        return null;
    }

    /**
     * Player AreaK joins into its saved area and reads until it has all 441 columns, within
     * the time; then it is handed to a thread that keeps reading it (keep-alives answered)
     * while the flag is up, which notes in trouble why it stopped if it does. Its copies of
     * the columns are dropped once counted: forty players' would weigh a GB in this JVM.
     */
    private static PlayClient joinArea(final ServerProcess s, int k, long timeoutMs, final AtomicBoolean online,
            final List<String> trouble, List<Thread> readers) throws Exception {
        final String name = "Area" + k;
        long deadline = System.currentTimeMillis() + timeoutMs;
        TestClient c = new TestClient(s.port, 4);
        final PlayClient p = new PlayClient(c, name);
        try {
            c.socket.setSoTimeout((int) timeoutMs);
            String refused = c.login(name);
            if (refused != null) {
                throw new IllegalStateException(name + " refused: " + refused);
            }
            while (p.columns.size() < 441) {
                long left = deadline - System.currentTimeMillis();
                if (left <= 0) {
                    throw new java.net.SocketTimeoutException();
                }
                c.socket.setSoTimeout((int) left);
                p.readOne();
            }
        } catch (java.net.SocketTimeoutException ex) {
            c.close();
            throw new IllegalStateException(name + " had " + p.columns.size() + " of its 441 columns after "
                    + timeoutMs / 1000 + " s");
        } catch (Throwable ex) {
            c.close();
            throw new IllegalStateException(name + "'s join failed with " + p.columns.size() + " columns: " + ex, ex);
        }
        int bx = memoryAreaX(k) * 16 + 8;
        if (p.block(bx + 6, 5, 3) != net.cubeworks.world.storage.Worlds.builtBlock(bx + 6, 5, 3)) {
            c.close();
            throw new IllegalStateException(name + " was sent its area without the saved blocks: its columns were "
                    + "not the saved ones");
        }
        p.columns.clear();
        p.arrivals.clear();
        c.socket.setSoTimeout(5000);
        Thread t = new Thread(new Runnable() {
            public void run() {
                try {
                    while (online.get()) {
                        p.drain(500);
                        p.ids.clear();
                    }
                } catch (Throwable ex) {
                    if (online.get()) {
                        synchronized (trouble) {
                            trouble.add(name + " was disconnected: " + ex);
                        }
                    }
                }
            }
        }, "reader-" + name);
        t.setDaemon(true);
        t.start();
        readers.add(t);
        return p;
    }

    private static void leave(ServerProcess s, AtomicBoolean online, List<Thread> readers, List<PlayClient> players)
            throws Exception {
        online.set(false);
        for (Thread t : readers) {
            t.join(5000);
        }
        for (PlayClient p : players) {
            try {
                p.close();
            } catch (Exception ignored) {
                // the server may have dropped it already
            }
        }
        try {
            if (s.isAlive()) {
                s.send("stop");
                s.waitForExit(30000);
            }
        } catch (Throwable ex) {
            System.out.println("  the server did not stop by itself: " + ex.getMessage().split("\n")[0]);
        }
        s.destroy();
    }

    /**
     * Players join one after another, each into a saved area of its own (view-distance 10)
     * and each staying online, into a -Xmx256M server; once every one has all its columns the
     * server's heap after a full GC is read.
     */
    static void heapWithPlayersInSavedAreas(int players) throws Exception {
        ServerProcess s = prepareSavedAreas(players);
        AtomicBoolean online = new AtomicBoolean(true);
        List<String> trouble = new ArrayList<String>();
        List<Thread> readers = new ArrayList<Thread>();
        List<PlayClient> joined = new ArrayList<PlayClient>();
        try {
            s.start("-Xmx256M", "-Dcubeworks.bench.folder=" + s.dir.getPath());
            s.waitReady();
            double idle = heapAfterGc(s);
            long t0 = System.nanoTime();
            for (int k = 0; k < players; k++) {
                joined.add(joinArea(s, k, 60000, online, trouble, readers));
            }
            long joins = System.nanoTime() - t0;
            Thread.sleep(3000); // what the server still had to write to the players is written
            String why = serverTrouble(s);
            synchronized (trouble) {
                if (why == null && !trouble.isEmpty()) {
                    why = trouble.get(0);
                }
            }
            if (why != null) {
                throw new IllegalStateException("cannot read the heap with " + players + " players: " + why);
            }
            double used = heapAfterGc(s);
            System.out.println(String.format(Locale.ROOT, "Heap after a full GC with %d players in %d saved areas "
                    + "(441 columns each, view-distance 10, -Xmx256M): %.1f MB used (%.1f MB before anyone joined; "
                    + "%.1f MB a player and area); the joins took %s", players, players, used, idle,
                    (used - idle) / players, ms(joins)));
        } catch (Exception ex) {
            String out = s.output();
            System.out.println("the server's output:\n" + out.substring(Math.max(0, out.length() - 4000)));
            throw ex;
        } finally {
            leave(s, online, readers, joined);
        }
    }

    /**
     * How many saved areas with one player in each a -Xmx64M server holds: players join one
     * at a time, each into an area of its own (view-distance 10), each staying online, until a
     * join does not get all its columns within the time, a player is disconnected, the server
     * runs out of memory or exits, or the cap is reached. Reported: the areas held, and why it
     * stopped.
     */
    static void savedAreasHeld(int cap, long joinTimeoutMs) throws Exception {
        ServerProcess s = prepareSavedAreas(cap);
        AtomicBoolean online = new AtomicBoolean(true);
        List<String> trouble = new ArrayList<String>();
        List<Thread> readers = new ArrayList<Thread>();
        List<PlayClient> joined = new ArrayList<PlayClient>();
        try {
            s.start("-Xmx64M", "-Dcubeworks.bench.folder=" + s.dir.getPath());
            s.waitReady();
            String why = null;
            boolean joinFailed = false;
            long t0 = System.nanoTime();
            while (joined.size() < cap) {
                try {
                    joined.add(joinArea(s, joined.size(), joinTimeoutMs, online, trouble, readers));
                } catch (IllegalStateException ex) {
                    why = ex.getMessage();
                    joinFailed = true;
                }
                Thread.sleep(200); // a player dropped for the last join shows up in the meantime
                String server = serverTrouble(s);
                synchronized (trouble) {
                    if (server != null) {
                        why = server + (why == null ? "" : "; " + why);
                    } else if (why == null && !trouble.isEmpty()) {
                        why = trouble.get(0);
                    }
                }
                if (why != null) {
                    if (!joinFailed) {
                        // the last player got its columns, but the server did not hold them
                        joined.remove(joined.size() - 1).close();
                    }
                    break;
                }
            }
            long took = System.nanoTime() - t0;
            String held = joined.size() + " areas";
            if (why == null) {
                why = "the cap of " + cap + " areas was reached";
                Thread.sleep(3000);
                why += String.format(Locale.ROOT, " (heap after a full GC then: %.1f MB)", heapAfterGc(s));
            } else {
                held += " (area " + (joined.size() + 1) + " was not held)";
            }
            System.out.println("Saved areas one -Xmx64M server holds, one player in each (441 columns, view-distance "
                    + "10): " + held + " in " + ms(took) + "; stopped because " + why);
        } catch (Exception ex) {
            String out = s.output();
            System.out.println("the server's output:\n" + out.substring(Math.max(0, out.length() - 4000)));
            throw ex;
        } finally {
            leave(s, online, readers, joined);
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
