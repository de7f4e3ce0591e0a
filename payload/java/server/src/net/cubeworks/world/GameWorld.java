package net.cubeworks.world;

import java.io.IOException;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Comparator;
import java.util.HashMap;
import java.util.HashSet;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.UUID;
import java.util.concurrent.Callable;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ConcurrentMap;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.ScheduledExecutorService;
import java.util.concurrent.ThreadFactory;
import java.util.concurrent.TimeUnit;
import java.util.logging.Level;

import org.bukkit.GameMode;

import net.cubeworks.world.level.ChunkPackets;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.net.PacketOut;

/**
 * The world players stand in: the flat columns (generated on demand, or as kept by the
 * store), who knows which column, who sees whom, and a tick of 20 a second for movement,
 * time and survival. Everything here runs under the server lock; saved columns a player is
 * sent are read from the store and their chunk data compressed on a thread of its own, the
 * result queued in its place, and saving writes copies from the saver thread.
 */
final class GameWorld {
    static final int TICKS_PER_SECOND = 20;
    static final int SAVE_INTERVAL_TICKS = 45 * TICKS_PER_SECOND;
    static final int TELEPORT_INTERVAL_TICKS = 20 * TICKS_PER_SECOND;
    /** Digs and placements one player may make in one tick; more are refused. */
    static final int ACTIONS_PER_TICK = 8;
    static final double EYE_HEIGHT = 1.62;
    static final double VOID_Y = -64;
    static final double MAX_COORD = 3.2E7;
    static final double MAX_MOVE_SQ = 100;

    private final WorldServer server;
    private final WorldStore store;
    private final int viewDistance;
    /** Columns that differ from the flat ground (modified, or as kept by the store). */
    private final Map<Long, Column> columns = new HashMap<Long, Column>();
    /** Columns the store has been asked about and that are flat. */
    private final Set<Long> checkedFlat = new HashSet<Long>();
    private final Set<Long> dirty = new HashSet<Long>();
    /** Copies handed to the saver and not yet written, so a column let go meanwhile is not read back stale. */
    private final ConcurrentMap<Long, Column> inFlight = new ConcurrentHashMap<Long, Column>();
    /** Player records handed to the saver and not yet written, by lower-case name: a quick rejoin reads these. */
    private final ConcurrentMap<String, WorldStore.PlayerData> playersInFlight =
            new ConcurrentHashMap<String, WorldStore.PlayerData>();
    /** Copies whose writing failed: written again with the next save. */
    private final List<Column> failed = Collections.synchronizedList(new ArrayList<Column>());
    /**
     * Columns being read from the store on the compressor thread, by the batch that reads
     * them. A column resolved meanwhile loses its entry here, and the batch's late result
     * is dropped then: it could be older than what the world holds by now.
     */
    private final Map<Long, ColumnBatch> loading = new HashMap<Long, ColumnBatch>();
    private final WorldStore.LevelData level;
    private long tick;
    private final TickStats stats = new TickStats();

    private final ExecutorService compressor;
    private final ExecutorService saver;
    private ScheduledExecutorService ticker;

    GameWorld(WorldServer server, WorldStore store, int viewDistance) {
        this.server = server;
        this.store = store;
        this.viewDistance = Math.max(3, Math.min(15, viewDistance));
        WorldStore.LevelData loaded = store.loadLevel();
        this.level = loaded != null ? loaded : new WorldStore.LevelData();
        this.compressor = Executors.newSingleThreadExecutor(daemon("Chunk compressor"));
        this.saver = Executors.newSingleThreadExecutor(daemon("World saver"));
    }

    private static ThreadFactory daemon(final String name) {
        return new ThreadFactory() {
            public Thread newThread(Runnable r) {
                Thread t = new Thread(r, name);
                t.setDaemon(true);
                return t;
            }
        };
    }

    static long key(int cx, int cz) {
        return ((long) cx << 32) | (cz & 0xFFFFFFFFL);
    }

    static int chunk(double v) {
        return (int) Math.floor(v) >> 4;
    }

    int viewDistance() {
        return viewDistance;
    }

    WorldStore.LevelData level() {
        return level;
    }

    long time() {
        return level.time;
    }

    /**
     * Asks the store once for the columns around the spawn, so the first player to join
     * does not wait for it.
     */
    void prepareSpawn() {
        int scx = level.spawnX >> 4;
        int scz = level.spawnZ >> 4;
        for (int dx = -viewDistance; dx <= viewDistance; dx++) {
            for (int dz = -viewDistance; dz <= viewDistance; dz++) {
                resolve(scx + dx, scz + dz);
            }
        }
    }

    /** Starts the tick: 20 a second on a thread of its own. */
    void start() {
        ticker = Executors.newSingleThreadScheduledExecutor(daemon("World tick"));
        ticker.scheduleAtFixedRate(new Runnable() {
            public void run() {
                long t0 = System.nanoTime();
                long t1 = t0;
                long t2 = t0;
                long cpu0 = 0;
                long cpu1 = 0;
                List<Object[]> out = Collections.emptyList();
                try {
                    synchronized (server.lock) {
                        t1 = System.nanoTime();
                        cpu0 = threadCpu();
                        if (!server.isStopping()) {
                            out = tick();
                        }
                        cpu1 = threadCpu();
                        t2 = System.nanoTime();
                    }
                    // handed to the writers after the lock is let go: waking 20 writer threads
                    // costs more than the tick itself on a small machine
                    for (Object[] o : out) {
                        ((OnlinePlayer) o[0]).connection().sendFrame((byte[]) o[1]);
                    }
                } catch (Throwable ex) {
                    server.logger().log(Level.SEVERE, "Exception in the world tick", ex);
                }
                long t3 = System.nanoTime();
                stats.add(t2 - t1, t1 - t0, cpu1 - cpu0, t3 - t2);
            }
        }, 50, 50, TimeUnit.MILLISECONDS);
        if (Boolean.getBoolean(TICK_STATS_PROPERTY)) {
            ticker.scheduleAtFixedRate(new Runnable() {
                public void run() {
                    long[] s = stats.takeSummary();
                    server.logger().info(String.format(java.util.Locale.ROOT,
                            "Tick times of the last %d ticks: median %.2f ms, 99th percentile %.2f ms, "
                                    + "longest %.2f ms; "
                                    + "wait for the lock: 99th percentile %.2f ms, longest %.2f ms; "
                                    + "CPU time: median %.2f ms, 99th percentile %.2f ms; "
                                    + "hand-off to the writers: median %.2f ms, 99th percentile %.2f ms",
                            s[0], s[1] / 1000.0, s[2] / 1000.0, s[3] / 1000.0, s[4] / 1000.0, s[5] / 1000.0,
                            s[6] / 1000.0, s[7] / 1000.0, s[8] / 1000.0, s[9] / 1000.0));
                }
            }, 10, 10, TimeUnit.SECONDS);
        }
    }

    /** System property: when true, the console gets the tick times every 10 seconds. */
    static final String TICK_STATS_PROPERTY = "cubeworks.tick-stats";

    private static final java.lang.management.ThreadMXBean THREADS =
            java.lang.management.ManagementFactory.getThreadMXBean();

    /** CPU time of the tick thread, when the JVM measures it (only asked for with the tick-time report). */
    private static long threadCpu() {
        return Boolean.getBoolean(TICK_STATS_PROPERTY) && THREADS.isCurrentThreadCpuTimeSupported()
                ? THREADS.getCurrentThreadCpuTime() : 0;
    }

    TickStats stats() {
        return stats;
    }

    /** True when the tick-time report is asked for; the world lock's longer holds are reported then too. */
    static boolean reportsTimes() {
        return Boolean.getBoolean(TICK_STATS_PROPERTY);
    }

    /**
     * Adds up how long one piece of work held the world lock, over however many times it
     * took it, for the report that comes with the tick times.
     */
    static final class LockClock {
        private long since;
        private long total;
        private long longest;
        private int holds;

        void taken() {
            since = System.nanoTime();
        }

        void released() {
            long held = System.nanoTime() - since;
            total += held;
            longest = Math.max(longest, held);
            holds++;
        }

        /** Logs "WHAT: the world lock held ..." when the report is asked for and the lock was taken. */
        void report(WorldServer server, String what) {
            if (holds > 0 && reportsTimes()) {
                server.logger().info(String.format(java.util.Locale.ROOT,
                        "%s: the world lock held %.2f ms in all, %d times, longest %.2f ms", what, total / 1e6,
                        holds, longest / 1e6));
            }
        }
    }

    // --- blocks ---

    /**
     * The column, asking the store the first time; null when it is the flat ground. A load
     * of it still under way for a batch is overtaken: the column is read here, at once.
     */
    private Column resolve(int cx, int cz) {
        long k = key(cx, cz);
        Column c = columns.get(k);
        if (c != null || checkedFlat.contains(k)) {
            return c;
        }
        loading.remove(k);
        c = unsaved(k);
        if (c == null) {
            c = store.loadColumn(cx, cz);
        }
        adopt(k, c);
        return c;
    }

    /** True when the world knows the column without asking the store. */
    private boolean inMemory(long k) {
        return columns.containsKey(k) || checkedFlat.contains(k);
    }

    /** Takes a column into the world: null is the flat ground. */
    private void adopt(long k, Column c) {
        if (c == null) {
            checkedFlat.add(k);
        } else {
            columns.put(k, c);
        }
    }

    /**
     * A copy of the newest version of a column let go before it reached the disk (being
     * saved, or its save failed), which the store's copy must not replace; null when there
     * is none.
     */
    private Column unsaved(long k) {
        Column c = inFlight.get(k);
        if (c == null) {
            // a failed save is added here before its copies leave inFlight
            c = lastFailed(k);
        }
        return c == null ? null : c.copy();
    }

    private Column lastFailed(long k) {
        synchronized (failed) {
            for (int i = failed.size() - 1; i >= 0; i--) {
                Column c = failed.get(i);
                if (key(c.x, c.z) == k) {
                    return c;
                }
            }
        }
        return null;
    }

    static int flatBlock(int y) {
        if (y == 0) {
            return Column.BEDROCK;
        }
        if (y == 1 || y == 2) {
            return Column.DIRT;
        }
        return y == 3 ? Column.GRASS : 0;
    }

    int blockAt(int x, int y, int z) {
        if (y < 0 || y > 255) {
            return 0;
        }
        Column c = resolve(x >> 4, z >> 4);
        return c == null ? flatBlock(y) : c.block(x & 15, y, z & 15);
    }

    int metaAt(int x, int y, int z) {
        if (y < 0 || y > 255) {
            return 0;
        }
        Column c = resolve(x >> 4, z >> 4);
        return c == null ? 0 : c.meta(x & 15, y, z & 15);
    }

    /** Changes a block, marks its column for saving and tells everybody who knows the column. */
    void setBlock(int x, int y, int z, int id, int data) {
        int cx = x >> 4;
        int cz = z >> 4;
        long k = key(cx, cz);
        Column c = resolve(cx, cz);
        if (c == null) {
            c = Column.flat(cx, cz);
            columns.put(k, c);
            checkedFlat.remove(k);
        }
        c.set(x & 15, y, z & 15, id, data);
        c.lastUpdate = level.time;
        dirty.add(k);
        PacketOut change = blockChange(x, y, z, id, data);
        byte[] frame = change.frame();
        for (OnlinePlayer p : server.players().inJoinOrder()) {
            if (p.known.contains(k)) {
                p.connection().sendFrame(frame);
            }
        }
    }

    static PacketOut blockChange(int x, int y, int z, int id, int data) {
        return new PacketOut(0x23).writeInt(x).writeByte(y).writeInt(z).writeVarInt(id).writeByte(data);
    }

    // --- joining and streaming ---

    /** Puts a player in: from its kept record, or new at the spawn point. */
    void place(OnlinePlayer p) {
        WorldStore.PlayerData d = playersInFlight.get(p.getName().toLowerCase(java.util.Locale.ROOT));
        if (d == null) {
            d = store.loadPlayer(p.getName());
        }
        if (d != null) {
            if (validPosition(d.x, d.y, d.z)) {
                p.x = d.x;
                p.y = d.y;
                p.z = d.z;
                p.yaw = finiteOr(d.yaw, 0f);
                p.pitch = finiteOr(d.pitch, 0f);
            } else {
                toSpawn(p); // a position no client could stand at
            }
            GameMode mode = GameMode.getByValue(d.gameMode);
            if (mode != null) {
                p.setModeField(mode);
            }
            p.health = d.health > 0 && d.health <= 20 ? d.health : 20f;
            p.food = Math.max(0, Math.min(20, d.food));
            p.saturation = finiteOr(d.saturation, 5f);
            p.heldSlot = d.selectedSlot >= 0 && d.selectedSlot < 9 ? d.selectedSlot : 0;
            for (int i = 0; i < PlayerInventory.SLOTS; i++) {
                p.inventory().set(i, d.item[i], d.count[i], d.damage[i], d.tag[i]);
            }
            p.kept = d.kept;
        } else {
            toSpawn(p);
        }
        p.sentX = fixed(p.x);
        p.sentY = fixed(p.y);
        p.sentZ = fixed(p.z);
        p.sentYaw = angle(p.yaw);
        p.sentPitch = angle(p.pitch);
        p.lastTeleportTick = tick;
    }

    private static float finiteOr(float v, float def) {
        return Float.isNaN(v) || Float.isInfinite(v) ? def : v;
    }

    static boolean validPosition(double x, double y, double z) {
        return !Double.isNaN(x) && !Double.isNaN(y) && !Double.isNaN(z) && !Double.isInfinite(y)
                && Math.abs(x) < MAX_COORD && Math.abs(z) < MAX_COORD && Math.abs(y) < MAX_COORD;
    }

    private void toSpawn(OnlinePlayer p) {
        p.x = level.spawnX + 0.5;
        p.y = level.spawnY;
        p.z = level.spawnZ + 0.5;
        p.yaw = 0f;
        p.pitch = 0f;
    }

    PacketOut positionPacket(OnlinePlayer p) {
        return new PacketOut(0x08).writeDouble(p.x).writeDouble(p.y + EYE_HEIGHT).writeDouble(p.z).writeFloat(p.yaw)
                .writeFloat(p.pitch).writeBoolean(false);
    }

    PacketOut healthPacket(OnlinePlayer p) {
        return new PacketOut(0x06).writeFloat(p.health).writeShort(p.food).writeFloat(p.saturation);
    }

    PacketOut timePacket() {
        return new PacketOut(0x03).writeLong(level.time).writeLong(level.dayTime);
    }

    /**
     * Sends the columns the player is missing around the column it stands in, nearest
     * first, and unloads those it no longer needs. Returns the frames queued for the client
     * while they are still being built, or null when nothing is.
     */
    Future<List<byte[]>> stream(OnlinePlayer p) {
        int ccx = chunk(p.x);
        int ccz = chunk(p.z);
        int vd = viewDistance;
        Iterator<Long> it = p.known.iterator();
        while (it.hasNext()) {
            long k = it.next();
            int kx = (int) (k >> 32);
            int kz = (int) k;
            if (Math.abs(kx - ccx) > vd || Math.abs(kz - ccz) > vd) {
                it.remove();
                p.connection().send(ChunkPackets.unload(kx, kz));
            }
        }
        List<int[]> missing = new ArrayList<int[]>();
        for (int dx = -vd; dx <= vd; dx++) {
            for (int dz = -vd; dz <= vd; dz++) {
                if (!p.known.contains(key(ccx + dx, ccz + dz))) {
                    missing.add(new int[] {ccx + dx, ccz + dz, dx * dx + dz * dz});
                }
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
        ColumnBatch batch = new ColumnBatch(p);
        for (int[] m : missing) {
            batch.add(m[0], m[1]);
            p.known.add(key(m[0], m[1]));
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

    /**
     * The columns of one stream to one player, made into Map Chunk Bulk frames on the
     * compressor thread. Columns the world holds are copied under the lock, one at a time
     * for the moment of the copy. Columns only the store has are read and decoded outside
     * the lock, then handed over into the world under it, for the moment of the map insert:
     * unless the column was resolved meanwhile (a block read or changed there), when the
     * world's own is sent instead.
     * Batches run one after the other, so a column another batch loads is in the world by
     * the time this one gets to it.
     */
    private final class ColumnBatch implements Callable<List<byte[]>> {
        private final OnlinePlayer player;
        /** Nearest first; flat until made from a column. */
        final List<ChunkPackets.Entry> entries = new ArrayList<ChunkPackets.Entry>();
        private final List<Slot> slots = new ArrayList<Slot>();
        Future<List<byte[]>> future;

        ColumnBatch(OnlinePlayer player) {
            this.player = player;
        }

        /** Under the lock, in stream: one column the player is missing. */
        void add(int cx, int cz) {
            long k = key(cx, cz);
            Slot slot = new Slot(cx, cz);
            if (inMemory(k)) {
                slot.held = columns.get(k);
            } else {
                slot.held = unsaved(k);
                if (slot.held != null) {
                    adopt(k, slot.held); // a copy of what is being saved: no need for the disk
                } else {
                    slot.fromStore = true;
                    ColumnBatch other = loading.get(k);
                    if (other == null || other.over()) {
                        loading.put(k, this);
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
            for (Slot s : slots) {
                if (s.loadsHere) {
                    // nobody else sees the column before it is handed over, so its data is
                    // made here too, outside the lock
                    s.loaded = store.loadColumn(s.cx, s.cz);
                    s.entry = entry(s.cx, s.cz, s.loaded);
                }
            }
            LockClock clock = new LockClock();
            for (int i = 0; i < slots.size(); i++) {
                Slot s = slots.get(i);
                if (s.held != null || s.fromStore) {
                    synchronized (server.lock) {
                        clock.taken();
                        entries.set(i, s.fromStore ? handOver(s) : ChunkPackets.Entry.of(s.held));
                        clock.released();
                    }
                }
            }
            clock.report(server, "Columns for " + player.getName());
            return ChunkPackets.bulkFrames(entries);
        }

        /**
         * Under the lock: a column this batch loaded goes into the world, with the data made
         * from it, unless the world resolved it meanwhile; then the world's column is sent.
         */
        private ChunkPackets.Entry handOver(Slot s) {
            long k = key(s.cx, s.cz);
            if (s.loadsHere && loading.get(k) == this) {
                loading.remove(k);
                adopt(k, s.loaded);
                return s.entry;
            }
            return entry(s.cx, s.cz, resolve(s.cx, s.cz));
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

        Slot(int cx, int cz) {
            this.cx = cx;
            this.cz = cz;
        }
    }

    // --- players seeing each other ---

    static int fixed(double v) {
        return (int) Math.floor(v * 32.0);
    }

    static int angle(float degrees) {
        return (int) (degrees * 256.0f / 360.0f) & 0xFF;
    }

    /**
     * Spawn Player as the viewer's protocol reads it: protocol 4 has the UUID as 32 hex
     * digits, protocol 5 hyphenated and then the profile's properties (name, value,
     * signature). The metadata carries the entity flags and the health.
     */
    static PacketOut spawnPlayer(int protocol, int entityId, UUID uuid, String name, List<String[]> properties,
            int fx, int fy, int fz, int yaw, int pitch, int heldItem, float health) {
        PacketOut p = new PacketOut(0x0C).writeVarInt(entityId);
        if (protocol <= 4) {
            p.writeString(uuid.toString().replace("-", "")).writeString(name);
        } else {
            p.writeString(uuid.toString()).writeString(name);
            p.writeVarInt(properties.size());
            for (String[] prop : properties) {
                p.writeString(prop[0]).writeString(prop[1]).writeString(prop[2] == null ? "" : prop[2]);
            }
        }
        p.writeInt(fx).writeInt(fy).writeInt(fz).writeByte(yaw).writeByte(pitch).writeShort(heldItem);
        // metadata: index 0 byte (flags), index 6 float (health), end marker
        p.writeByte(0x00).writeByte(0).writeByte(0x66).writeFloat(health).writeByte(0x7F);
        return p;
    }

    private PacketOut spawnPacketFor(OnlinePlayer viewer, OnlinePlayer p) {
        int held = p.inventory().item(PlayerInventory.HOTBAR + p.heldSlot);
        return spawnPlayer(viewer.connection().protocol(), p.getEntityId(), p.getUniqueId(), p.getName(),
                p.properties, p.sentX, p.sentY, p.sentZ, p.sentYaw, p.sentPitch, held, p.health);
    }

    static PacketOut destroy(List<Integer> ids) {
        PacketOut p = new PacketOut(0x13).writeByte(ids.size());
        for (int id : ids) {
            p.writeInt(id);
        }
        return p;
    }

    private boolean shouldSee(OnlinePlayer viewer, OnlinePlayer p) {
        return p != viewer && !p.dead && p.isOnline() && viewer.known.contains(key(chunk(p.x), chunk(p.z)));
    }

    /** Spawns and destroys players for every viewer as who sees whom has changed. */
    void updateVisibility() {
        List<OnlinePlayer> all = server.players().inJoinOrder();
        for (OnlinePlayer viewer : all) {
            List<Integer> gone = null;
            Iterator<OnlinePlayer> it = viewer.shown.iterator();
            while (it.hasNext()) {
                OnlinePlayer p = it.next();
                if (!shouldSee(viewer, p)) {
                    it.remove();
                    if (gone == null) {
                        gone = new ArrayList<Integer>();
                    }
                    gone.add(p.getEntityId());
                }
            }
            if (gone != null) {
                out(viewer, destroy(gone));
            }
            for (OnlinePlayer p : all) {
                if (!viewer.shown.contains(p) && shouldSee(viewer, p)) {
                    viewer.shown.add(p);
                    out(viewer, spawnPacketFor(viewer, p));
                    out(viewer, new PacketOut(0x19).writeInt(p.getEntityId()).writeByte(p.sentYaw));
                }
            }
        }
    }

    /** The player leaves: every client that shows it destroys it. */
    void leave(OnlinePlayer p) {
        for (OnlinePlayer viewer : server.players().inJoinOrder()) {
            if (viewer.shown.remove(p)) {
                viewer.connection().send(destroy(Collections.singletonList(p.getEntityId())));
            }
        }
        p.shown.clear();
        savePlayerLater(p);
    }

    /** Tells the viewers of each player how it moved and turned since the last tick. */
    private void trackMovement(OnlinePlayer p, List<OnlinePlayer> viewers) {
        int fx = fixed(p.x);
        int fy = fixed(p.y);
        int fz = fixed(p.z);
        int yaw = angle(p.yaw);
        int pitch = angle(p.pitch);
        int dx = fx - p.sentX;
        int dy = fy - p.sentY;
        int dz = fz - p.sentZ;
        boolean moved = dx != 0 || dy != 0 || dz != 0;
        boolean turned = yaw != p.sentYaw || pitch != p.sentPitch;
        int id = p.getEntityId();
        PacketOut packet = null;
        if (tick - p.lastTeleportTick >= TELEPORT_INTERVAL_TICKS || dx < -128 || dx > 127 || dy < -128 || dy > 127
                || dz < -128 || dz > 127) {
            packet = new PacketOut(0x18).writeInt(id).writeInt(fx).writeInt(fy).writeInt(fz).writeByte(yaw)
                    .writeByte(pitch);
            p.lastTeleportTick = tick;
        } else if (moved && turned) {
            packet = new PacketOut(0x17).writeInt(id).writeByte(dx).writeByte(dy).writeByte(dz).writeByte(yaw)
                    .writeByte(pitch);
        } else if (moved) {
            packet = new PacketOut(0x15).writeInt(id).writeByte(dx).writeByte(dy).writeByte(dz);
        } else if (turned) {
            packet = new PacketOut(0x16).writeInt(id).writeByte(yaw).writeByte(pitch);
        }
        byte[] head = yaw != p.sentYaw ? new PacketOut(0x19).writeInt(id).writeByte(yaw).frame() : null;
        p.sentX = fx;
        p.sentY = fy;
        p.sentZ = fz;
        p.sentYaw = yaw;
        p.sentPitch = pitch;
        if (packet == null) {
            return;
        }
        byte[] frame = packet.frame();
        for (OnlinePlayer viewer : viewers) {
            if (viewer.shown.contains(p)) {
                out(viewer, frame);
                if (head != null) {
                    out(viewer, head);
                }
            }
        }
    }

    /** Sends a packet to every client that shows the player. */
    void toViewers(OnlinePlayer p, PacketOut packet) {
        byte[] frame = packet.frame();
        for (OnlinePlayer viewer : server.players().inJoinOrder()) {
            if (viewer.shown.contains(p)) {
                viewer.connection().sendFrame(frame);
            }
        }
    }

    // --- the tick ---

    /**
     * During the tick, what goes to each client is gathered and queued as one piece at its
     * end: one hand-over to each writer a tick instead of one a packet.
     */
    private boolean inTick;

    private void out(OnlinePlayer to, byte[] frame) {
        if (inTick) {
            to.outbox.write(frame, 0, frame.length);
        } else {
            to.connection().sendFrame(frame);
        }
    }

    private void out(OnlinePlayer to, PacketOut packet) {
        out(to, packet.frame());
    }

    /**
     * One tick under the lock. Returns what it has for each client, {player, bytes}, to be
     * queued once the lock is let go; packets sent from other threads in between concern
     * other things (blocks, columns), or entities the client then learns of a moment later.
     */
    List<Object[]> tick() {
        inTick = true;
        try {
            tickBody();
        } finally {
            inTick = false;
        }
        List<Object[]> out = new ArrayList<Object[]>();
        for (OnlinePlayer p : server.players().inJoinOrder()) {
            if (p.outbox.size() > 0) {
                out.add(new Object[] {p, p.outbox.toByteArray()});
                p.outbox.reset();
            }
        }
        return out;
    }

    private void tickBody() {
        tick++;
        level.time++;
        level.dayTime++;
        List<OnlinePlayer> all = server.players().inJoinOrder();
        for (OnlinePlayer p : all) {
            p.actionsThisTick = 0;
            if (!p.dead && p.y < VOID_Y && tick % 10 == 0) {
                damage(p, 4f, p.getName() + " fell out of the world");
            }
        }
        for (OnlinePlayer p : all) {
            if (!p.dead) {
                trackMovement(p, all);
            }
        }
        updateVisibility();
        if (tick % TICKS_PER_SECOND == 0) {
            byte[] time = timePacket().frame();
            for (OnlinePlayer p : all) {
                out(p, time);
            }
        }
        if (tick % SAVE_INTERVAL_TICKS == 0) {
            saveLater();
        }
    }

    // --- survival ---

    void damage(OnlinePlayer p, float amount, String deathMessage) {
        if (p.dead) {
            return;
        }
        p.health = Math.max(0f, p.health - amount);
        out(p, healthPacket(p));
        if (p.health <= 0f) {
            p.dead = true;
            for (OnlinePlayer viewer : server.players().inJoinOrder()) {
                if (viewer.shown.remove(p)) {
                    out(viewer, destroy(Collections.singletonList(p.getEntityId())));
                }
            }
            server.players().broadcast(deathMessage);
        }
    }

    /** Client Status "respawn": back at the spawn point with full health. */
    void respawn(OnlinePlayer p) {
        if (!p.dead) {
            return;
        }
        p.dead = false;
        p.health = 20f;
        p.food = 20;
        p.saturation = 5f;
        p.teleportPending = false;
        toSpawn(p);
        ServerProperties props = server.properties();
        p.connection().send(new PacketOut(0x07).writeInt(0).writeByte(props.difficulty())
                .writeByte(p.getGameMode().getValue()).writeString("flat"));
        p.sendAbilities();
        stream(p);
        p.connection().send(positionPacket(p));
        p.connection().send(new PacketOut(0x09).writeByte(p.heldSlot));
        p.connection().send(p.inventory().windowItems());
        p.connection().send(healthPacket(p));
        p.sentX = fixed(p.x);
        p.sentY = fixed(p.y);
        p.sentZ = fixed(p.z);
        p.lastTeleportTick = tick;
        updateVisibility();
    }

    // --- moving ---

    /**
     * A movement packet: hasPosition with x, the feet y, the head y and z; hasLook with yaw
     * and pitch. Impossible or too long moves send the player back where we have it.
     */
    void move(OnlinePlayer p, boolean hasPosition, double x, double feetY, double headY, double z, boolean hasLook,
            float yaw, float pitch, boolean onGround) {
        if (p.dead) {
            return;
        }
        if (hasPosition) {
            if (p.teleportPending) {
                double ddx = x - p.x;
                double ddy = feetY - p.y;
                double ddz = z - p.z;
                if (ddx * ddx + ddy * ddy + ddz * ddz > 0.01) {
                    return; // moves made before the client took our teleport
                }
                p.teleportPending = false;
            }
            double stance = headY - feetY;
            boolean bad = !validPosition(x, feetY, z) || Double.isNaN(headY) || Double.isInfinite(headY)
                    || stance < 0.1 || stance > 1.65;
            if (!bad) {
                double ddx = x - p.x;
                double ddy = feetY - p.y;
                double ddz = z - p.z;
                bad = ddx * ddx + ddy * ddy + ddz * ddz > MAX_MOVE_SQ
                        || !p.known.contains(key(chunk(x), chunk(z)));
            }
            if (bad) {
                teleportBack(p);
                return;
            }
            int oldCx = chunk(p.x);
            int oldCz = chunk(p.z);
            p.x = x;
            p.y = feetY;
            p.z = z;
            if (chunk(x) != oldCx || chunk(z) != oldCz) {
                stream(p);
            }
        }
        if (hasLook && !Float.isNaN(yaw) && !Float.isInfinite(yaw) && !Float.isNaN(pitch) && !Float.isInfinite(pitch)) {
            p.yaw = yaw % 360f;
            p.pitch = Math.max(-90f, Math.min(90f, pitch));
        }
        p.onGround = onGround;
    }

    void teleportBack(OnlinePlayer p) {
        p.teleportPending = true;
        p.connection().send(positionPacket(p));
    }

    // --- digging and placing ---

    private boolean protectedAt(OnlinePlayer p, int x, int z) {
        int radius = server.properties().spawnProtection();
        if (radius <= 0 || server.access().opNames().isEmpty() || p.isOp()) {
            return false;
        }
        return Math.max(Math.abs(x - level.spawnX), Math.abs(z - level.spawnZ)) <= radius;
    }

    private boolean knows(OnlinePlayer p, int x, int z) {
        return p.known.contains(key(x >> 4, z >> 4));
    }

    private void refuseBlock(OnlinePlayer p, int x, int y, int z) {
        if (y >= 0 && y <= 255 && knows(p, x, z)) {
            p.connection().send(blockChange(x, y, z, blockAt(x, y, z), metaAt(x, y, z)));
        }
    }

    /**
     * Player Digging: creative breaks on start (status 0), survival on finish (status 2), or
     * on start for the blocks without hardness.
     */
    void dig(OnlinePlayer p, int status, int x, int y, int z) {
        boolean creative = p.getGameMode() == GameMode.CREATIVE;
        if (status == 3 || status == 4) {
            // dropping items is not modelled: the client gets its slot back
            p.connection().send(p.inventory().slotPacket(PlayerInventory.HOTBAR + p.heldSlot));
            return;
        }
        boolean instant = status == 0 && !creative && y >= 0 && y <= 255 && knows(p, x, z)
                && Items.breaksAtOnce(blockAt(x, y, z));
        if (!(status == 0 && (creative || instant)) && !(status == 2 && !creative)) {
            return;
        }
        if (p.dead || p.getGameMode() == GameMode.ADVENTURE || ++p.actionsThisTick > ACTIONS_PER_TICK
                || y < 0 || y > 255 || !knows(p, x, z)) {
            refuseBlock(p, x, y, z);
            return;
        }
        double dx = p.x - (x + 0.5);
        double dy = p.y - (y + 0.5) + 1.5;
        double dz = p.z - (z + 0.5);
        int id = blockAt(x, y, z);
        if (dx * dx + dy * dy + dz * dz > 36 || protectedAt(p, x, z) || id == 0
                || (id == Column.BEDROCK && !creative)) {
            refuseBlock(p, x, y, z);
            return;
        }
        int data = metaAt(x, y, z);
        setBlock(x, y, z, 0, 0);
        if (!creative) {
            int drop = Items.drop(id);
            int held = p.inventory().item(PlayerInventory.HOTBAR + p.heldSlot);
            if (drop > 0) {
                p.inventory().give(p.connection(), drop, 1, Items.keepsData(drop) ? data : 0);
            }
            if (p.inventory().item(PlayerInventory.HOTBAR + p.heldSlot) != held) {
                showHeldItem(p);
            }
        }
    }

    private static final int[][] FACE = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

    /** Player Block Placement against the face of the clicked block. */
    void place(OnlinePlayer p, int x, int y, int z, int face) {
        if (face < 0 || face > 5) {
            return; // "use item" in the air
        }
        int slot = PlayerInventory.HOTBAR + p.heldSlot;
        int tx = x + FACE[face][0];
        int ty = y + FACE[face][1];
        int tz = z + FACE[face][2];
        boolean ok = !p.dead && p.getGameMode() != GameMode.ADVENTURE && ++p.actionsThisTick <= ACTIONS_PER_TICK
                && ty >= 0 && ty <= 255 && knows(p, x, z) && knows(p, tx, tz);
        int item = p.inventory().item(slot);
        if (ok) {
            double dx = p.x - (x + 0.5);
            double dy = p.y - (y + 0.5);
            double dz = p.z - (z + 0.5);
            ok = dx * dx + dy * dy + dz * dz < 64 && Items.placeable(item) && blockAt(tx, ty, tz) == 0
                    && !protectedAt(p, tx, tz) && !occupied(tx, ty, tz);
        }
        if (!ok) {
            refuseBlock(p, x, y, z);
            refuseBlock(p, tx, ty, tz);
            p.connection().send(p.inventory().slotPacket(slot));
            return;
        }
        int data = Items.keepsData(item) ? p.inventory().data(slot) & 15 : 0;
        setBlock(tx, ty, tz, item, data);
        if (p.getGameMode() != GameMode.CREATIVE) {
            p.inventory().takeOne(slot);
            p.connection().send(p.inventory().slotPacket(slot));
            if (p.inventory().count(slot) == 0) {
                showHeldItem(p);
            }
        }
    }

    /** True when a living player's box (0.6 wide, 1.8 high) takes part of the cell. */
    private boolean occupied(int x, int y, int z) {
        for (OnlinePlayer q : server.players().inJoinOrder()) {
            if (q.dead) {
                continue;
            }
            if (q.x + 0.3 > x && q.x - 0.3 < x + 1 && q.y + 1.8 > y && q.y < y + 1 && q.z + 0.3 > z
                    && q.z - 0.3 < z + 1) {
                return true;
            }
        }
        return false;
    }

    /** Held Item Change from the client: 0 to 8. */
    void holdSlot(OnlinePlayer p, int slot) {
        if (slot >= 0 && slot < 9 && slot != p.heldSlot) {
            p.heldSlot = slot;
            showHeldItem(p);
        }
    }

    /** Entity Equipment slot 0 (the hand) to the clients that show the player. */
    void showHeldItem(OnlinePlayer p) {
        PacketOut e = new PacketOut(0x04).writeInt(p.getEntityId()).writeShort(0);
        p.inventory().writeSlot(e, PlayerInventory.HOTBAR + p.heldSlot);
        toViewers(p, e);
    }

    /** Creative Inventory Action: the client sets a slot of its inventory. */
    void creativeSet(OnlinePlayer p, int slot, int item, int count, int damage) {
        if (p.getGameMode() != GameMode.CREATIVE) {
            p.connection().send(p.inventory().windowItems());
            return;
        }
        if (slot < 1 || slot >= PlayerInventory.SLOTS) {
            return; // -1: dropped out of the window; items on the ground are not modelled
        }
        int held = p.inventory().item(slot);
        if (item <= 0) {
            p.inventory().set(slot, 0, 0, 0, null);
        } else if (Items.known(item) && count >= 1 && count <= 64) {
            p.inventory().set(slot, item, count, damage, null);
        } else {
            p.connection().send(p.inventory().slotPacket(slot));
        }
        if (slot == PlayerInventory.HOTBAR + p.heldSlot && p.inventory().item(slot) != held) {
            showHeldItem(p);
        }
    }

    /** A window click we do not model: not accepted, and the whole inventory again. */
    void refuseClick(OnlinePlayer p, int window, int action) {
        p.connection().send(new PacketOut(0x32).writeByte(window).writeShort(action).writeBoolean(false));
        p.connection().send(p.inventory().windowItems());
    }

    // --- saving ---

    private WorldStore.PlayerData record(OnlinePlayer p) {
        WorldStore.PlayerData d = new WorldStore.PlayerData();
        d.x = p.x;
        d.y = p.y;
        d.z = p.z;
        d.yaw = p.yaw;
        d.pitch = p.pitch;
        d.gameMode = p.getGameMode().getValue();
        d.health = p.dead ? 20f : p.health;
        d.food = p.food;
        d.saturation = p.saturation;
        d.selectedSlot = p.heldSlot;
        for (int i = 0; i < PlayerInventory.SLOTS; i++) {
            d.item[i] = p.inventory().item(i);
            d.count[i] = p.inventory().count(i);
            d.damage[i] = p.inventory().data(i);
            d.tag[i] = p.inventory().tag(i);
        }
        d.kept = p.kept;
        if (p.dead) {
            d.x = level.spawnX + 0.5;
            d.y = level.spawnY;
            d.z = level.spawnZ + 0.5;
        }
        return d;
    }

    private void savePlayerLater(OnlinePlayer p) {
        final String name = p.getName();
        final WorldStore.PlayerData d = record(p);
        playersInFlight.put(name.toLowerCase(java.util.Locale.ROOT), d);
        saver.submit(new Runnable() {
            public void run() {
                savePlayer(name, d);
            }
        });
    }

    /** On the saver thread. */
    private void savePlayer(String name, WorldStore.PlayerData d) {
        try {
            store.savePlayer(name, d);
        } catch (IOException ex) {
            server.logger().warning("Could not save player " + name + ": " + ex);
        } catch (RuntimeException ex) {
            server.logger().log(Level.WARNING, "Could not save player " + name, ex);
        } finally {
            playersInFlight.remove(name.toLowerCase(java.util.Locale.ROOT), d);
        }
    }

    /** Copies what changed (under the lock) and writes it on the saver thread. */
    Future<?> saveLater() {
        final List<Column> copies = new ArrayList<Column>();
        synchronized (failed) {
            for (Column c : failed) {
                if (columns.containsKey(key(c.x, c.z))) {
                    dirty.add(key(c.x, c.z));
                } else {
                    copies.add(c);
                }
            }
            failed.clear();
        }
        for (long k : dirty) {
            Column c = columns.get(k);
            if (c != null) {
                copies.add(c.copy());
            }
        }
        dirty.clear();
        for (Column c : copies) {
            inFlight.put(key(c.x, c.z), c);
        }
        final Map<String, WorldStore.PlayerData> playerRecords = new HashMap<String, WorldStore.PlayerData>();
        for (OnlinePlayer p : server.players().inJoinOrder()) {
            WorldStore.PlayerData d = record(p);
            playerRecords.put(p.getName(), d);
            playersInFlight.put(p.getName().toLowerCase(java.util.Locale.ROOT), d);
        }
        final WorldStore.LevelData levelCopy = copyLevel();
        forgetUnseen();
        return saver.submit(new Runnable() {
            public void run() {
                try {
                    store.saveLevel(levelCopy);
                } catch (IOException ex) {
                    server.logger().warning("Could not save the level: " + ex);
                } catch (RuntimeException ex) {
                    server.logger().log(Level.WARNING, "Could not save the level", ex);
                }
                try {
                    store.saveColumns(copies);
                } catch (IOException ex) {
                    server.logger().warning("Could not save " + copies.size() + " columns: " + ex);
                    failed.addAll(copies);
                } catch (RuntimeException ex) {
                    server.logger().log(Level.WARNING, "Could not save " + copies.size() + " columns", ex);
                    failed.addAll(copies);
                } finally {
                    for (Column c : copies) {
                        inFlight.remove(key(c.x, c.z), c);
                    }
                }
                for (Map.Entry<String, WorldStore.PlayerData> e : playerRecords.entrySet()) {
                    savePlayer(e.getKey(), e.getValue());
                }
            }
        });
    }

    private WorldStore.LevelData copyLevel() {
        WorldStore.LevelData l = new WorldStore.LevelData();
        l.spawnX = level.spawnX;
        l.spawnY = level.spawnY;
        l.spawnZ = level.spawnZ;
        l.time = level.time;
        l.dayTime = level.dayTime;
        l.gameType = server.defaultGameMode().getValue();
        l.hardcore = server.properties().hardcore();
        l.levelName = server.properties().levelName();
        l.kept = level.kept;
        return l;
    }

    /** Lets go of saved columns that nobody knows, so memory follows the players. */
    private void forgetUnseen() {
        Set<Long> seen = new HashSet<Long>();
        for (OnlinePlayer p : server.players().inJoinOrder()) {
            seen.addAll(p.known);
        }
        columns.keySet().retainAll(unionWithDirty(seen));
        checkedFlat.retainAll(seen);
        Iterator<ColumnBatch> it = loading.values().iterator();
        while (it.hasNext()) {
            if (it.next().over()) {
                it.remove(); // a batch given up: its player left before it ran
            }
        }
    }

    private Set<Long> unionWithDirty(Set<Long> seen) {
        if (dirty.isEmpty()) {
            return seen;
        }
        Set<Long> s = new HashSet<Long>(seen);
        s.addAll(dirty);
        return s;
    }

    /** save-all: writes everything changed and waits for it. */
    void saveAndWait() {
        Future<?> f = saveLater();
        try {
            f.get(60, TimeUnit.SECONDS);
        } catch (Exception ex) {
            server.logger().warning("Saving did not finish: " + ex);
        }
    }

    /** Stops the tick, saves and closes the store. */
    void close() {
        if (ticker != null) {
            ticker.shutdownNow();
        }
        saveAndWait();
        saver.shutdown();
        try {
            saver.awaitTermination(30, TimeUnit.SECONDS);
        } catch (InterruptedException ignored) {
            // closing anyway
        }
        store.close();
        // batches already asked for are still built, so the last packets to leaving players go out
        compressor.shutdown();
    }

    /** Durations of recent ticks and their waits for the lock, for the tick-time report. */
    static final class TickStats {
        private final long[] work = new long[1200];
        private final long[] wait = new long[1200];
        private final long[] cpu = new long[1200];
        private final long[] handOff = new long[1200];
        private int n;

        synchronized void add(long workNanos, long waitNanos, long cpuNanos, long handOffNanos) {
            work[n % work.length] = workNanos;
            wait[n % wait.length] = waitNanos;
            cpu[n % cpu.length] = cpuNanos;
            handOff[n % handOff.length] = handOffNanos;
            n++;
        }

        /**
         * {count, median, 99th percentile, longest} of the work, {99th percentile, longest}
         * of the wait for the lock, {median, 99th percentile} of the CPU time and of the
         * hand-off to the writers after the lock, in microseconds over the kept ticks; then
         * cleared.
         */
        synchronized long[] takeSummary() {
            int count = Math.min(n, work.length);
            n = 0;
            if (count == 0) {
                return new long[10];
            }
            long[] w = java.util.Arrays.copyOf(work, count);
            long[] l = java.util.Arrays.copyOf(wait, count);
            long[] c = java.util.Arrays.copyOf(cpu, count);
            long[] h = java.util.Arrays.copyOf(handOff, count);
            java.util.Arrays.sort(w);
            java.util.Arrays.sort(l);
            java.util.Arrays.sort(c);
            java.util.Arrays.sort(h);
            int p99 = Math.min(count - 1, (int) (count * 0.99));
            return new long[] {count, w[count / 2] / 1000, w[p99] / 1000, w[count - 1] / 1000, l[p99] / 1000,
                l[count - 1] / 1000, c[count / 2] / 1000, c[p99] / 1000, h[count / 2] / 1000, h[p99] / 1000};
        }
    }
}
