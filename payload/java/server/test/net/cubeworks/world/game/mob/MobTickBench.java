package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Random;

import org.bukkit.entity.Player;

import net.cubeworks.world.game.entity.WorldEntity;

/**
 * The mobs' own share of the tick, without the server around it: 10 players 400 blocks apart on a
 * made-up flat terrain at night, natural spawning up to the caps, then TICKS ticks of every mob's
 * tick and the spawning; the times of the mobs' work per tick, median, 99th percentile and longest,
 * on the clock and in the thread's processor time (which a machine shared with other work does not
 * inflate).
 * Run by world-bench.sh mobs (printed, not asserted).
 */
public final class MobTickBench {
    private MobTickBench() {
    }

    public static void main(String[] args) {
        int ticks = args.length > 0 ? Integer.parseInt(args[0]) : 2000;
        GridWorld w = new GridWorld(new Grid(4));
        w.dayTime = 18000;
        w.spawn = new int[] {100000, 4, 0};
        Mobs mobs = new Mobs(w, new Random(1));
        List<Player> players = new ArrayList<Player>();
        for (int i = 0; i < 10; i++) {
            players.add(GridWorld.player("P" + i, i * 400 + 0.5, 4, 0.5));
        }
        long tick = 0;
        for (int i = 0; i < 400; i++) {
            run(w, mobs, players, ++tick); // the caps fill, the mobs spread
        }
        List<Long> times = new ArrayList<Long>();
        List<Long> spawning = new ArrayList<Long>();
        List<Long> cpu = new ArrayList<Long>();
        java.lang.management.ThreadMXBean threads = java.lang.management.ManagementFactory.getThreadMXBean();
        for (int i = 0; i < ticks; i++) {
            long c0 = threads.getCurrentThreadCpuTime();
            long t0 = System.nanoTime();
            mobs.tickWith(++tick, players);
            long t1 = System.nanoTime();
            for (WorldEntity e : w.entities.all()) {
                e.tick(tick);
                if (e.isRemoved()) {
                    w.entities.remove(e);
                }
            }
            times.add(System.nanoTime() - t0);
            cpu.add(threads.getCurrentThreadCpuTime() - c0);
            spawning.add(t1 - t0);
        }
        Collections.sort(cpu);
        System.out.printf("  the thread's processor time per tick (what a busy machine does not inflate): median %.2f ms,"
                + " 99th percentile %.2f ms, longest %.2f ms%n", cpu.get(ticks / 2) / 1e6,
                cpu.get((int) (ticks * 0.99)) / 1e6, cpu.get(ticks - 1) / 1e6);
        Collections.sort(spawning);
        System.out.printf("  of it natural spawning: median %.2f ms, 99th percentile %.2f ms%n",
                spawning.get(ticks / 2) / 1e6, spawning.get((int) (ticks * 0.99)) / 1e6);
        Collections.sort(times);
        int[] n = mobs.counts();
        System.out.printf("the mobs' work per tick (in-process, %d monsters, %d animals, 10 players apart, %d ticks):"
                + " median %.2f ms, 99th percentile %.2f ms, longest %.2f ms%n", n[0], n[1], ticks,
                times.get(ticks / 2) / 1e6, times.get((int) (ticks * 0.99)) / 1e6, times.get(ticks - 1) / 1e6);
    }

    private static void run(GridWorld w, Mobs mobs, List<Player> players, long tick) {
        mobs.tickWith(tick, players);
        for (WorldEntity e : w.entities.all()) {
            e.tick(tick);
            if (e.isRemoved()) {
                w.entities.remove(e);
            }
        }
    }
}
