package net.cubeworks.world.game;

import java.io.File;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Locale;

import net.cubeworks.world.game.block.Furnaces;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.BlockEntity;

/**
 * The furnaces' share of the world tick, in the bench's own JVM: 100 furnaces spread over the
 * held columns of the flat world, each smelting cobblestone on coal (one of them watched by a
 * player with its window open), for a minute of ticks; the time of the furnaces' own smelting
 * tick (median, 99th percentile, worst) beside the whole tick's.
 */
public final class FurnacesBench {
    private FurnacesBench() {
    }

    public static void run(int furnaces, int ticks) throws Exception {
        File folder = java.nio.file.Files.createTempDirectory("furnaces-bench").toFile();
        Game game = TestGames.flat(folder);
        GameWorld world = game.world();
        OnlinePlayer watcher = TestGames.join(game, "Watcher", 10000, -15.5, 4, -15.5);
        synchronized (game.lock()) {
            for (int i = 0; i < furnaces; i++) {
                int x = -16 + (i % 10) * 4;
                int z = -16 + (i / 10) * 4;
                world.blocks().setBlock(x, 4, z, 61, 2);
                BlockEntity.Furnace f = (BlockEntity.Furnace) world.blockEntities().at(x, 4, z);
                f.slots.set(0, 4, 64, 0, null);
                f.slots.set(1, 263, 64, 0, null);
                world.furnaces().wake(f);
            }
            watcher.openContainer(-16, 4, -16);
        }
        Furnaces work = world.furnaces();
        List<Long> own = new ArrayList<Long>();
        List<Long> whole = new ArrayList<Long>();
        long tick = 1;
        for (int i = 0; i < ticks; i++) {
            synchronized (game.lock()) {
                long t0 = System.nanoTime();
                world.tick();
                long t1 = System.nanoTime();
                work.tick(++tick * 20 + 1); // once more on its own, never on a second that looks for work
                long t2 = System.nanoTime();
                whole.add(t1 - t0);
                own.add(t2 - t1);
            }
        }
        BlockEntity.Furnace first = (BlockEntity.Furnace) world.blockEntities().at(-16, 4, -16);
        System.out.println(String.format(Locale.ROOT, "furnaces: %d smelting cobblestone (%d at work at the end, %d stone in the first)",
                furnaces, work.working(), first.slots.count(2)));
        report("  their own tick", own, "(target: <= 1 ms)");
        report("  the whole world tick with them", whole, "");
        world.close();
    }

    private static void report(String what, List<Long> nanos, String target) {
        Collections.sort(nanos);
        System.out.println(String.format(Locale.ROOT, "%s: median %.3f ms, 99th percentile %.3f ms, worst %.3f ms %s",
                what, nanos.get(nanos.size() / 2) / 1e6, nanos.get((int) Math.min(nanos.size() - 1, Math.ceil(nanos.size() * 0.99) - 1)) / 1e6,
                nanos.get(nanos.size() - 1) / 1e6, target));
    }
}
