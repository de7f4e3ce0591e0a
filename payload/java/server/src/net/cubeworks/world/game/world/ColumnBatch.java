package net.cubeworks.world.game.world;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.concurrent.Callable;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Future;
import java.util.logging.Level;
import java.util.logging.Logger;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.Relight;
import net.cubeworks.world.protocol.ChunkPackets;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.timing.LockClock;
import net.cubeworks.world.util.HeapWatch;

/**
 * The columns of one stream to one player, made into Map Chunk Bulk frames on the
 * compressor thread, with the Update Sign frames of their signs after them (taken under the
 * lock with each column). Columns the world holds are copied under the lock, one at a time
 * for the moment of the copy. Columns only the store has are read and decoded outside
 * the lock, then handed over into the world under it, for the moment of the map insert:
 * unless the column was resolved meanwhile (a block read or changed there), when the
 * world's own is sent instead.
 * Columns the store does not have are made by the world's generator, on the generator pool
 * (as are the reads), and lit, light brought across the borders between them, all before the
 * lock is taken; light across the borders with columns the world already holds is brought in at
 * the hand-over.
 * Batches run one after the other, so a column another batch loads is in the world by
 * the time this one gets to it. A column is read or made only once the heap has room for it
 * ({@link HeapWatch#awaitRoom}); one that finds none within {@link #ROOM_WAIT_NANOS} is not sent,
 * and is asked for again as a column that could not be read is. A column is compressed from a
 * copy of it taken under the lock (its arrays shared until the column changes), outside the lock.
 */
public final class ColumnBatch implements Callable<List<byte[]>> {
    private final Viewer player;
    private final ColumnCache cache;
    private final WorldStore store;
    private final Object lock;
    private final Logger logger;
    /** Where the columns are read and made, several at once; null to make them on the batch's thread. */
    ExecutorService pool;
    /** Nearest first; flat until made from a column. */
    final List<ChunkPackets.Entry> entries = new ArrayList<ChunkPackets.Entry>();
    private final List<Slot> slots = new ArrayList<Slot>();
    Future<List<byte[]>> future;

    ColumnBatch(Viewer player, ColumnCache cache, WorldStore store, Object lock, Logger logger) {
        this.player = player;
        this.cache = cache;
        this.store = store;
        this.lock = lock;
        this.logger = logger;
    }

    /** Under the lock, in stream: one column the player is missing. */
    void add(int cx, int cz) {
        long k = ColumnKey.of(cx, cz);
        Slot slot = new Slot(cx, cz);
        if (cache.inMemory(k)) {
            slot.held = cache.held(k);
        } else {
            slot.held = cache.unsaved(k);
            if (slot.held != null) {
                cache.adopt(k, slot.held); // a copy of what is being saved: no need for the disk
            } else {
                slot.fromStore = true;
                ColumnBatch other = cache.loads().loader(k);
                if (other == null || other.over()) {
                    cache.loads().start(k, this);
                    slot.loadsHere = true;
                }
            }
        }
        slots.add(slot);
        entries.add(ChunkPackets.Entry.flat(cx, cz));
    }

    /** True when every column is the unmodified flat ground, known as such. */
    boolean allFlat() {
        for (Slot s : slots) {
            if (s.held != null || s.fromStore) {
                return false;
            }
        }
        return true;
    }

    /** True once the batch has run, or will never run (cancelled): its loads are not coming. */
    boolean over() {
        return future != null && future.isDone();
    }

    public List<byte[]> call() {
        if (player.connection().isClosing()) {
            return Collections.emptyList(); // gone: its loads are dropped (see over)
        }
        makeColumns();
        LockClock clock = new LockClock();
        List<Future<List<byte[]>>> packets = new ArrayList<Future<List<byte[]>>>();
        List<byte[]> signs = new ArrayList<byte[]>();
        int withheld = 0;
        int noRoom = 0;
        // a packet's worth at a time, so the uncompressed data of only a few columns is held at once
        for (int from = 0; from < slots.size(); from += ChunkPackets.MAX_PER_PACKET) {
            int to = Math.min(slots.size(), from + ChunkPackets.MAX_PER_PACKET);
            for (int i = from; i < to; i++) {
                Slot s = slots.get(i);
                if (s.loadsHere && !s.unreadable && !s.noRoom) {
                    s.entry = entry(s.cx, s.cz, s.loaded); // outside the lock
                }
            }
            List<ChunkPackets.Entry> sent = new ArrayList<ChunkPackets.Entry>(to - from);
            for (int i = from; i < to; i++) {
                Slot s = slots.get(i);
                ChunkPackets.Entry e = entries.get(i);
                if (s.held != null || s.fromStore) {
                    synchronized (lock) {
                        clock.taken();
                        e = s.fromStore ? handOver(s) : ChunkPackets.Entry.of(s.held);
                        if (e == null) {
                            // the player is not sent the column, so it cannot go there: asked again later
                            player.known().remove(ColumnKey.of(s.cx, s.cz));
                            player.withhold();
                            if (s.noRoom) {
                                noRoom++;
                            } else {
                                withheld++;
                            }
                        } else {
                            Column c = s.held != null ? s.held : cache.held(ColumnKey.of(s.cx, s.cz));
                            signs.addAll(ChunkPackets.signFrames(c));
                        }
                        clock.released();
                    }
                    s.entry = null;
                    s.loaded = null;
                    s.held = null;
                }
                if (e != null) {
                    sent.add(e);
                }
            }
            packets.add(compress(sent, packets));
        }
        List<byte[]> frames = new ArrayList<byte[]>();
        for (Future<List<byte[]>> f : packets) {
            List<byte[]> some = finished(f);
            if (some == null) {
                return Collections.emptyList();
            }
            frames.addAll(some);
        }
        frames.addAll(signs); // their columns' data is there before them
        clock.report(logger, "Columns for " + player.getName());
        if (withheld > 0 && player.firstNotice(Viewer.Notice.UNREADABLE)) {
            player.sendMessage("\u00a7cPart of the land near you cannot be read now; you cannot go there until it can.");
        }
        if (noRoom > 0) {
            long now = System.nanoTime();
            if (now - lastNoRoomWarning > 30000000000L) { // said once in 30 s at most
                lastNoRoomWarning = now;
                logger.warning("The server's memory is full: " + noRoom + " columns near " + player.getName()
                        + " wait for room (start it with more memory, the -Xmx option, for players this far apart)");
            }
            if (player.firstNotice(Viewer.Notice.NO_ROOM)) {
                player.sendMessage("\u00a7cThe server's memory is full: part of the land near you comes when there is room.");
            }
        }
        return frames;
    }

    /** When the console was last told that land waits for room (System.nanoTime). */
    private static volatile long lastNoRoomWarning = System.nanoTime() - 60000000000L;

    /** How many packets may be compressed on the pool at once: each holds ten columns' data. */
    private static final int COMPRESSING = Math.max(2, 2 * Runtime.getRuntime().availableProcessors());

    /**
     * The packets of a group of columns, compressed on the pool (at most COMPRESSING at once,
     * so the uncompressed data held stays small) or here when there is no pool.
     */
    private Future<List<byte[]>> compress(final List<ChunkPackets.Entry> group, List<Future<List<byte[]>>> earlier) {
        Callable<List<byte[]>> work = new Callable<List<byte[]>>() {
            public List<byte[]> call() {
                return ChunkPackets.bulkFrames(group);
            }
        };
        if (pool == null || ChunkPackets.allFlat(group)) {
            java.util.concurrent.FutureTask<List<byte[]>> now = new java.util.concurrent.FutureTask<List<byte[]>>(work);
            now.run();
            return now;
        }
        if (earlier.size() >= COMPRESSING) {
            finished(earlier.get(earlier.size() - COMPRESSING));
        }
        return pool.submit(work);
    }

    /** The frames of a compression, or null when it could not finish. */
    private List<byte[]> finished(Future<List<byte[]>> f) {
        try {
            return f.get();
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            return null;
        } catch (ExecutionException e) {
            logger.log(Level.SEVERE, "Could not compress columns for " + player.getName(), e.getCause());
            return null;
        }
    }

    /**
     * Under the lock: a column this batch loaded goes into the world, with the data made
     * from it, unless the world resolved it meanwhile; then the world's column is sent.
     */
    private ChunkPackets.Entry handOver(Slot s) {
        long k = ColumnKey.of(s.cx, s.cz);
        if (s.loadsHere && cache.loads().finish(k, this)) {
            if (s.noRoom) {
                return null;
            }
            if (s.unreadable) {
                cache.cannotRead(k);
                return null;
            }
            if (cache.adopt(k, s.loaded, s.generated)) {
                return entry(s.cx, s.cz, s.loaded); // light came in from a neighbour the world holds
            }
            return s.entry;
        }
        try {
            return entry(s.cx, s.cz, cache.resolve(s.cx, s.cz));
        } catch (Unavailable e) {
            return null;
        }
    }

    /**
     * Reads or makes every column this batch loads, outside the lock (on the pool when there is
     * one), and brings light across the borders between them.
     */
    private void makeColumns() {
        List<Slot> mine = new ArrayList<Slot>();
        for (Slot s : slots) {
            if (s.loadsHere) {
                mine.add(s);
            }
        }
        if (mine.isEmpty()) {
            return;
        }
        List<Future<?>> work = new ArrayList<Future<?>>();
        final long roomBy = System.nanoTime() + ROOM_WAIT_NANOS;
        for (final Slot s : mine) {
            if (pool == null) {
                make(s, roomBy);
            } else {
                work.add(pool.submit(new Runnable() {
                    public void run() {
                        make(s, roomBy);
                    }
                }));
            }
        }
        for (Future<?> f : work) {
            try {
                f.get();
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                return;
            } catch (ExecutionException e) {
                logger.log(Level.SEVERE, "Could not make a column", e.getCause());
            }
        }
        final net.cubeworks.world.util.LongMap<Column> made = new net.cubeworks.world.util.LongMap<Column>(512);
        for (Slot s : mine) {
            if (s.loaded != null && s.loaded.lit()) {
                made.put(ColumnKey.of(s.cx, s.cz), s.loaded);
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
    }

    /** About the heap a column takes once made and packed, with its place in the world's map, at first. */
    static final long COLUMN_BYTES = 20 * 1024;
    /** The heap the columns made of late took, on average: what the next one is expected to take. */
    private static volatile long columnBytes = COLUMN_BYTES;

    /** What a column about to be made or read is expected to take on the heap. */
    public static long expectedColumnBytes() {
        return columnBytes;
    }

    /** Counts what a column made or read takes in place of what was expected, and learns from it. */
    public static void made(Column c, long expected) {
        long actual = c == null ? 0 : c.footprint() + 64;
        HeapWatch.took(actual - expected);
        columnBytes = Math.max(1024, (columnBytes * 15 + actual) / 16);
    }

    /** How long the columns of a batch wait for room on a full heap before they are left for later. */
    public static final long ROOM_WAIT_NANOS = 5000000000L;

    /** Reads or makes the column once the heap has room for it (by the deadline, else it is left for later). */
    private void make(Slot s, long roomBy) {
        long expected = expectedColumnBytes();
        if (!HeapWatch.awaitRoom(expected, roomBy)) {
            s.noRoom = true;
            return;
        }
        try {
            ColumnMaker.Made m = cache.maker().make(s.cx, s.cz);
            s.loaded = m.column;
            s.generated = m.generated;
            made(m.column, expected);
        } catch (Unavailable e) {
            made(null, expected);
            s.unreadable = true;
        } catch (RuntimeException e) {
            made(null, expected);
            // a fault making one column must not cost the player the others
            logger.log(Level.SEVERE, "Could not make the column (" + s.cx + ", " + s.cz + ")", e);
            s.unreadable = true;
            s.failed = true;
        }
    }

    private static ChunkPackets.Entry entry(int cx, int cz, Column c) {
        return c == null ? ChunkPackets.Entry.flat(cx, cz) : ChunkPackets.Entry.of(c);
    }

    /** One column of a batch. */
    private static final class Slot {
        final int cx;
        final int cz;
        /** The column the world held when the stream was made; null for the flat ground or one from the store. */
        Column held;
        /** True when the world did not have the column: it is taken from the world when the batch is built. */
        boolean fromStore;
        /** True when this batch reads the column from the store (no other batch was reading it). */
        boolean loadsHere;
        /** What this batch read, outside the lock; null for nothing saved or a broken column. */
        Column loaded;
        /** The chunk data of what this batch read. */
        ChunkPackets.Entry entry;
        /** The store could not read the column: it is not sent, nor taken as new land. */
        boolean unreadable;
        /** Making it failed (said on the console); it is treated as unreadable, asked again later. */
        boolean failed;
        /** The heap had no room for it in time: not made, not sent, asked again later. */
        boolean noRoom;
        /** True when the generator made it: it is saved once in the world. */
        boolean generated;

        Slot(int cx, int cz) {
            this.cx = cx;
            this.cz = cz;
        }
    }
}
