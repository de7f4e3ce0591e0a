package net.cubeworks.world.game.world;

import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Future;
import java.util.logging.Logger;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.Relight;
import net.cubeworks.world.storage.Unavailable;

/** The land around the spawn, made ready at start-up: every joining player is sent it. */
public final class SpawnArea {
    private SpawnArea() {
    }

    /**
     * Makes the columns around the spawn ready (read, or generated and lit, on the generator
     * pool, as the heap has room for them), compresses what each is sent as and keeps them in
     * memory; true when new land was made, which is to be saved before anyone comes.
     */
    public static boolean prepare(ColumnCache cache, ExecutorService generators, int viewDistance, int scx, int scz,
            Logger logger) {
        cache.keeping().keepAround(scx, scz, viewDistance);
        final long roomBy = System.nanoTime() + ColumnBatch.ROOM_WAIT_NANOS;
        List<Future<ColumnMaker.Made>> work = new ArrayList<Future<ColumnMaker.Made>>();
        List<Long> keys = new ArrayList<Long>();
        for (int dx = -viewDistance; dx <= viewDistance; dx++) {
            for (int dz = -viewDistance; dz <= viewDistance; dz++) {
                final int cx = scx + dx;
                final int cz = scz + dz;
                long k = ColumnKey.of(cx, cz);
                if (cache.inMemory(k)) {
                    continue;
                }
                keys.add(k);
                work.add(generators.submit(new java.util.concurrent.Callable<ColumnMaker.Made>() {
                    public ColumnMaker.Made call() throws Unavailable {
                        long expected = ColumnBatch.expectedColumnBytes();
                        if (!net.cubeworks.world.util.HeapWatch.awaitRoom(expected, roomBy)) {
                            return null; // made when a player comes near
                        }
                        ColumnMaker.Made m = cache.maker().make(cx, cz);
                        ColumnBatch.made(m.column, expected);
                        return m;
                    }
                }));
            }
        }
        final net.cubeworks.world.util.LongMap<Column> made = new net.cubeworks.world.util.LongMap<Column>(512);
        List<ColumnMaker.Made> results = new ArrayList<ColumnMaker.Made>();
        for (int i = 0; i < work.size(); i++) {
            ColumnMaker.Made m = null;
            try {
                m = work.get(i).get();
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                return false;
            } catch (java.util.concurrent.ExecutionException e) {
                if (e.getCause() instanceof Unavailable) {
                    cache.cannotRead(keys.get(i)); // said by the store; asked again when a player comes near
                } else {
                    logger.log(java.util.logging.Level.SEVERE, "Could not make a column", e.getCause());
                }
            }
            results.add(m);
            if (m != null && m.column != null) {
                made.put(keys.get(i), m.column);
            }
        }
        Relight.Lights local = new Relight.Lights() {
            public Column column(int x, int z) {
                return made.get(ColumnKey.of(x >> 4, z >> 4));
            }
        };
        for (Column c : made.values()) {
            ColumnMaker.lightBorders(c, local);
        }
        // every joining player is sent these: compressed once, now, on the pool
        List<Future<?>> packing = new ArrayList<Future<?>>();
        for (final Column c : made.values()) {
            c.keepSendCache = true;
            packing.add(generators.submit(new Runnable() {
                public void run() {
                    net.cubeworks.world.protocol.ChunkPackets.prepare(c);
                }
            }));
        }
        for (Future<?> f : packing) {
            try {
                f.get();
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                return false;
            } catch (java.util.concurrent.ExecutionException e) {
                logger.log(java.util.logging.Level.SEVERE, "Could not compress a column", e.getCause());
            }
        }
        boolean generated = false;
        for (int i = 0; i < results.size(); i++) {
            ColumnMaker.Made m = results.get(i);
            if (m != null) {
                cache.adopt(keys.get(i), m.column, m.generated);
                generated |= m.generated;
            }
        }
        return generated;
    }
}
