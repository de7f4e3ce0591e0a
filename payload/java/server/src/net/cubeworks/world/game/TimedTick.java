package net.cubeworks.world.game;

import java.util.Collections;
import java.util.List;
import java.util.function.Supplier;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.timing.TickStats;
import net.cubeworks.world.timing.TimeReport;

/**
 * The world's tick as the game thread runs it: under the world lock, with what it sends
 * handed to the writers after the lock is let go (waking 20 writer threads costs more than
 * the tick itself on a small machine), and its times kept for the tick-time report.
 */
final class TimedTick implements GameThread.TickPart {
    private final Object lock;
    private final TickStats stats;
    /** One tick of the world: what it has for each client, {player, bytes}. */
    private final Supplier<List<Object[]>> world;

    TimedTick(Object lock, TickStats stats, Supplier<List<Object[]>> world) {
        this.lock = lock;
        this.stats = stats;
        this.world = world;
    }

    public void tick(long tick) {
        long t0 = System.nanoTime();
        long t1;
        long t2;
        long cpu0;
        long cpu1;
        List<Object[]> out = Collections.emptyList();
        synchronized (lock) {
            t1 = System.nanoTime();
            cpu0 = TimeReport.threadCpu();
            try {
                out = world.get();
            } finally {
                cpu1 = TimeReport.threadCpu();
                t2 = System.nanoTime();
            }
        }
        for (Object[] o : out) {
            ((OnlinePlayer) o[0]).connection().sendFrame((byte[]) o[1]);
        }
        stats.add(t2 - t1, t1 - t0, cpu1 - cpu0, System.nanoTime() - t2);
    }
}
