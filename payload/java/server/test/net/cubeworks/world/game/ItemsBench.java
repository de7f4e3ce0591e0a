package net.cubeworks.world.game;

import java.io.File;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Locale;
import java.util.Random;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.OnlinePlayer;

/**
 * The world tick's work with items on the ground, in the bench's own JVM (no network: the
 * players' connections take what they are sent and drop it): 2,000 items, no two alike, scattered
 * over 48 by 48 blocks of the flat world, in sight of 10 players standing among them with full
 * inventories (so each tick looks for what they could collect and finds no room), first while
 * the items fall and settle, then lying still; the tick's median, 99th percentile and worst.
 */
public final class ItemsBench {
    private ItemsBench() {
    }

    public static void run(int items, int players, int ticks) throws Exception {
        File folder = java.nio.file.Files.createTempDirectory("items-bench").toFile();
        Game game = TestGames.flat(folder);
        GameWorld world = game.world();
        Random random = new Random(1);
        List<OnlinePlayer> online = new ArrayList<OnlinePlayer>();
        for (int i = 0; i < players; i++) {
            OnlinePlayer p = TestGames.join(game, "Bench" + i, 10000 + i,
                    -20 + random.nextInt(40) + 0.5, 4, -20 + random.nextInt(40) + 0.5);
            for (int s = 9; s < PlayerInventory.SLOTS; s++) {
                p.inventory().set(s, 7, 64, 0, null); // full: nothing fits
            }
            online.add(p);
        }
        synchronized (game.lock()) {
            for (int i = 0; i < items; i++) {
                // 125 block kinds of 16 data each: every item its own, so none merge
                world.items().dropItem(-24 + random.nextDouble() * 48, 4.2 + random.nextDouble() * 3,
                        -24 + random.nextDouble() * 48, 1 + i % 125, 1, (i / 125) % 16, null);
            }
        }
        List<Long> fallingCpu = new ArrayList<Long>();
        List<Long> lyingCpu = new ArrayList<Long>();
        List<Long> falling = measure(game, world, 60, fallingCpu);
        List<Long> lying = measure(game, world, ticks, lyingCpu);
        System.out.println(String.format(Locale.ROOT, "items on the ground: %d items near %d players", items, players));
        report("  the first 3 s, while they fall and settle", falling);
        report("    the same in the thread's CPU time (without the waits of a busy machine)", fallingCpu);
        report("  lying still, over " + ticks + " ticks", lying);
        report("    the same in the thread's CPU time", lyingCpu);
        world.close();
    }

    private static List<Long> measure(Game game, GameWorld world, int ticks, List<Long> cpu) {
        java.lang.management.ThreadMXBean threads = java.lang.management.ManagementFactory.getThreadMXBean();
        List<Long> times = new ArrayList<Long>();
        for (int i = 0; i < ticks; i++) {
            long c0 = threads.getCurrentThreadCpuTime();
            long t0 = System.nanoTime();
            synchronized (game.lock()) {
                world.tick();
            }
            times.add(System.nanoTime() - t0);
            cpu.add(threads.getCurrentThreadCpuTime() - c0);
        }
        return times;
    }

    private static void report(String what, List<Long> nanos) {
        Collections.sort(nanos);
        System.out.println(String.format(Locale.ROOT, "%s: tick median %.2f ms, 99th percentile %.2f ms, worst %.2f ms (target p99 <= 5 ms)",
                what, nanos.get(nanos.size() / 2) / 1e6, nanos.get((int) Math.min(nanos.size() - 1, Math.ceil(nanos.size() * 0.99) - 1)) / 1e6,
                nanos.get(nanos.size() - 1) / 1e6));
    }
}
