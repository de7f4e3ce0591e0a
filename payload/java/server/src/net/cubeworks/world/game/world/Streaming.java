package net.cubeworks.world.game.world;

import java.util.ArrayList;
import java.util.Collections;
import java.util.Comparator;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Future;
import java.util.logging.Logger;

import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.ChunkPackets;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.WorldStore;

/** Which columns each player's client has: the missing ones sent nearest first, the far ones unloaded. */
public final class Streaming {
    private final ColumnCache cache;
    private final WorldStore store;
    private final ExecutorService compressor;
    private final Object lock;
    private final Logger logger;
    private final int viewDistance;
    /** Where batches read and make their columns, several at once. */
    private final ExecutorService pool;

    public Streaming(ColumnCache cache, WorldStore store, ExecutorService compressor, ExecutorService pool, Object lock,
            Logger logger, int viewDistance) {
        this.pool = pool;
        this.cache = cache;
        this.store = store;
        this.compressor = compressor;
        this.lock = lock;
        this.logger = logger;
        this.viewDistance = viewDistance;
    }

    /**
     * Sends the columns the player is missing around the column it stands in, nearest
     * first, and unloads those it no longer needs. Returns the frames queued for the client
     * while they are still being built, or null when nothing is.
     */
    public Future<List<byte[]>> stream(Viewer p) {
        int ccx = p.columnX();
        int ccz = p.columnZ();
        int vd = viewDistance;
        for (long k : p.known().toArray()) {
            int kx = ColumnKey.x(k);
            int kz = ColumnKey.z(k);
            if (Math.abs(kx - ccx) > vd || Math.abs(kz - ccz) > vd) {
                p.known().remove(k);
                cache.leftBehind(k);
                p.connection().send(PlayPackets.unloadColumn(kx, kz));
            }
        }
        List<int[]> missing = new ArrayList<int[]>();
        for (int dx = -vd; dx <= vd; dx++) {
            for (int dz = -vd; dz <= vd; dz++) {
                long k = ColumnKey.of(ccx + dx, ccz + dz);
                if (p.known().contains(k)) {
                    continue;
                }
                if (!cache.mayTry(k)) {
                    p.withhold(); // could not be read a moment ago: asked again later
                    continue;
                }
                missing.add(new int[] {ccx + dx, ccz + dz, dx * dx + dz * dz});
            }
        }
        if (missing.isEmpty()) {
            return null;
        }
        Collections.sort(missing, new Comparator<int[]>() {
            public int compare(int[] a, int[] b) {
                return a[2] < b[2] ? -1 : a[2] > b[2] ? 1 : 0;
            }
        });
        // flat columns are sent from bytes built once; a batch with other columns is made on
        // the compressor thread (see ColumnBatch). The player knows its columns from here on:
        // a change made meanwhile reaches the client as a Block Change queued behind the
        // batch, so the client ends up right either way.
        ColumnBatch batch = new ColumnBatch(p, cache, store, lock, logger);
        batch.pool = pool;
        for (int[] m : missing) {
            batch.add(m[0], m[1]);
            p.known().add(ColumnKey.of(m[0], m[1]));
        }
        if (batch.allFlat()) {
            for (byte[] frame : ChunkPackets.bulkFrames(batch.entries)) {
                p.connection().sendFrame(frame);
            }
            return null;
        }
        batch.future = compressor.submit(batch);
        p.connection().sendLater(batch.future);
        return batch.future;
    }
}
