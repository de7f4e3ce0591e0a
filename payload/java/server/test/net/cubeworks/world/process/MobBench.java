package net.cubeworks.world.process;

import java.io.File;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.mobs.MobCounter;

/**
 * The mobs' share of the tick: 10 survival players 400 blocks apart (so their areas of 17 by 17
 * columns do not overlap) stand at night in the flat world while natural spawning fills the
 * game's caps around them (several hundred monsters) and the monsters come at them; the server
 * reports its tick times every 10 s and a plugin the count of entities by kind. Printed, not asserted.
 */
final class MobBench {
    private MobBench() {
    }

    static void run(final int players, final int seconds) throws Exception {
        final ServerProcess s = ServerProcess.prepare("view-distance=4", "max-players=" + (players + 5),
                "difficulty=2", "spawn-protection=0");
        Jars.plugin(new File(s.plugins(), "mobcount.jar"), MobCounter.YML, MobCounter.class);
        s.start("-Xmx128M", "-Dcubeworks.tick-stats=true");
        s.waitReady();
        s.send("time set 14000");
        final AtomicInteger failed = new AtomicInteger();
        try {
            List<Thread> threads = new ArrayList<Thread>();
            for (int i = 0; i < players; i++) {
                final int k = i;
                Thread t = new Thread(new Runnable() {
                    public void run() {
                        try {
                            PlayClient p = PlayClient.join(s.port, 5, "Stander" + k);
                            s.send("tp Stander" + k + " " + (k * 400 + 0.5) + " 4 0.5");
                            long end = System.currentTimeMillis() + seconds * 1000L;
                            while (System.currentTimeMillis() < end) {
                                p.drain(1000);
                                p.position(p.x, 4.0, p.z);
                            }
                            p.close();
                        } catch (Throwable ex) {
                            failed.incrementAndGet();
                            System.out.println("player " + k + " failed: " + ex);
                        }
                    }
                });
                threads.add(t);
                t.start();
                Thread.sleep(300);
            }
            for (Thread t : threads) {
                t.join();
            }
            String out = s.output();
            System.out.println(players + " players 400 blocks apart at night for " + seconds
                    + " s, view-distance 4, -Xmx128M, difficulty normal: clients failed " + failed.get()
                    + ", OutOfMemoryError: " + out.contains("OutOfMemoryError"));
            Matcher m = Pattern.compile("Tick times of the last (\\d+) ticks: median ([0-9.]+) ms, 99th percentile "
                    + "([0-9.]+) ms, longest ([0-9.]+) ms").matcher(out);
            Matcher c = Pattern.compile("mob count ([^\r\n]*)").matcher(out);
            double worst = 0;
            while (m.find()) {
                worst = Math.max(worst, Double.parseDouble(m.group(3)));
                System.out.println("  tick: " + m.group(0).substring("Tick times of the last ".length()));
            }
            while (c.find()) {
                System.out.println("  entities: " + c.group(1));
            }
            for (String line : out.split("\r?\n")) {
                if (line.contains("Exception") || line.contains("SEVERE")) {
                    System.out.println("  server: " + line);
                }
            }
            System.out.println("  worst 99th percentile of a 10 s window: " + worst + " ms (target <= 10 ms)");
        } finally {
            s.send("stop");
            s.waitForExit(20000);
            s.destroy();
        }
    }
}
