package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;
import java.util.function.IntSupplier;
import java.util.function.Supplier;

import net.cubeworks.world.game.block.BlockUpdates;
import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.BlockTicks;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.Daylight;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.Viewer;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.Unavailable;

/**
 * The world's blocks as its rules and its moving things see them: what stands where and in
 * what light, changing a block (kept for saving, relit, shown to whoever knows its column, its
 * neighbours told), the block updates to come and the blocks' own tick, the sounds and effects
 * the players near hear, and what a block's doings put on the ground or set off. Everything
 * here runs on the game thread or under the world lock.
 */
public final class WorldBlocks implements EntityWorld {
    /** What setBlockUnseen answers when the block's column cannot be read. */
    public static final long NO_COLUMN = Long.MIN_VALUE;

    private final ColumnCache cache;
    /** The level, read anew each time: loading the world replaces it. */
    private final Supplier<LevelState> levels;
    private final BlockTicks blockTicks = new BlockTicks();
    private final BlockUpdates blockUpdates;
    private final Random random;
    /** Who is online now, in join order: the players a block's changes, sounds and effects reach. */
    private final Supplier<? extends List<? extends Viewer>> players;
    private final Entities entities;
    private final Object lock;
    private final GameHost host;
    private final IntSupplier difficulty;
    /** How far from a player, in columns, blocks act by themselves (picked at random, updates adopted from disk). */
    private final int activeRadius;
    private GroundItems items;
    private Blast blasts;
    private org.bukkit.World api;

    /** Sets off an explosion a thing in the world caused (primed TNT): what it does is the player rules' to say. */
    public interface Blast {
        void explode(WorldEntity source, double x, double y, double z, float power, boolean fire);
    }

    public WorldBlocks(ColumnCache cache, Supplier<LevelState> levels, BlockUpdates blockUpdates, Random random,
            Supplier<? extends List<? extends Viewer>> players, Entities entities, Object lock, GameHost host,
            IntSupplier difficulty, int activeRadius) {
        this.cache = cache;
        this.levels = levels;
        this.blockUpdates = blockUpdates;
        this.random = random;
        this.players = players;
        this.entities = entities;
        this.lock = lock;
        this.host = host;
        this.difficulty = difficulty;
        this.activeRadius = activeRadius;
    }

    /** Where items go and what explodes, and the plugins' world, made after this and handed over once. */
    public void attach(GroundItems items, Blast blasts, org.bukkit.World api) {
        this.items = items;
        this.blasts = blasts;
        this.api = api;
    }

    private LevelState level() {
        return levels.get();
    }

    public org.bukkit.World api() {
        return api;
    }

    public int blockAt(int x, int y, int z) {
        return cache.blockAt(x, y, z);
    }

    public int metaAt(int x, int y, int z) {
        return cache.metaAt(x, y, z);
    }

    /**
     * Changes a block, marks its column for saving, relights around it (in a lit column) and tells
     * everybody who knows the column. A Block Change is all the client needs: it relights around
     * the block itself, so the light is kept right here for the columns sent later and for saving.
     * A column that cannot be read is left as it is kept.
     */
    public void setBlock(int x, int y, int z, int id, int data) {
        int old = blockAt(x, y, z);
        int oldMeta = metaAt(x, y, z);
        long k = setBlockUnseen(x, y, z, id, data);
        if (k != NO_COLUMN) {
            showBlock(x, y, z, k, null);
            blockUpdates.changed(this, x, y, z, old, oldMeta, id);
        }
    }

    /** After a block was put in place by other means than setBlock (a player's placing): the block and its neighbours are told. */
    public void blockChanged(int x, int y, int z, int oldId) {
        blockUpdates.changed(this, x, y, z, oldId, blockAt(x, y, z));
    }

    public boolean loaded(int x, int z) {
        return cache.inMemory(ColumnKey.of(x >> 4, z >> 4));
    }

    public void setBlockQuietly(int x, int y, int z, int id, int data) {
        long k = setBlockUnseen(x, y, z, id, data);
        if (k != NO_COLUMN) {
            showBlock(x, y, z, k, null);
        }
    }

    public void tellNeighbours(int x, int y, int z) {
        blockUpdates.tellNeighbours(this, x, y, z, blockAt(x, y, z));
    }

    public void scheduleTick(int x, int y, int z, int blockId, int delay, int priority) {
        if (blockTicks.schedule(x, y, z, blockId, level().time + delay, priority)) {
            cache.changed(ColumnKey.of(x >> 4, z >> 4)); // written with the column, so it outlives a restart
        }
    }

    public boolean tickPending(int x, int y, int z, int blockId) {
        return blockTicks.isPending(x, y, z, blockId);
    }

    public long worldTime() {
        return level().time;
    }

    /** Whether it rains on the place: it rains and nothing but the open sky is over it. */
    public boolean rainsOn(double x, double y, double z) {
        if (!level().raining) {
            return false;
        }
        int bx = (int) Math.floor(x);
        int bz = (int) Math.floor(z);
        Column c = cache.held(ColumnKey.of(bx >> 4, bz >> 4));
        int top = c == null ? Column.FLAT_HEIGHT : c.height(bx & 15, bz & 15);
        return y >= top;
    }

    public int biomeAt(int x, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        return c == null ? Column.PLAINS : c.biomes()[(z & 15) << 4 | x & 15] & 0xFF;
    }

    public int lightAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        if (c == null || y < 0 || y > 255) {
            return y < Column.FLAT_HEIGHT && c == null ? 0 : 15 - Daylight.subtracted(level().dayTime);
        }
        int night = Daylight.subtracted(level().dayTime);
        return Math.max(c.sky(x & 15, y, z & 15) - night, c.blockLight(x & 15, y, z & 15));
    }

    public int blockLightAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        return c == null || y < 0 || y > 255 ? 0 : c.blockLight(x & 15, y, z & 15);
    }

    public int skyLightAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        if (c == null || y < 0 || y > 255) {
            return y < Column.FLAT_HEIGHT && c == null ? 0 : 15;
        }
        return c.sky(x & 15, y, z & 15);
    }

    public void playSound(String name, double x, double y, double z, float volume, float pitch) {
        double range = volume > 1 ? 16 * volume : 16;
        nearby(x, y, z, range, PlayPackets.namedSoundEffect(name, x, y, z, volume, pitch).frame());
    }

    public void playEffect(int effectId, int x, int y, int z, int data) {
        nearby(x + 0.5, y + 0.5, z + 0.5, 64, PlayPackets.effect(effectId, x, y, z, data, false).frame());
    }

    public BlockEntity blockEntityAt(int x, int y, int z) {
        Column c = cache.held(ColumnKey.of(x >> 4, z >> 4));
        if (c == null || y < 0 || y > 255) {
            return null;
        }
        BlockEntity e = c.blockEntity(x & 15, y, z & 15);
        if (e == null && (e = BlockEntity.forBlock(c.block(x & 15, y, z & 15), x, y, z)) != null) {
            c.putBlockEntity(e); // a block kept without its entry (an older save's note block) gets an empty one
        }
        return e;
    }

    public long dayTime() {
        return level().dayTime;
    }

    public boolean raining() {
        return level().raining;
    }

    public void blockEntityChanged(int x, int y, int z) {
        cache.changed(ColumnKey.of(x >> 4, z >> 4));
    }

    public void blockAction(int x, int y, int z, int blockId, int byte1, int byte2) {
        nearby(x + 0.5, y + 0.5, z + 0.5, 64, PlayPackets.blockAction(x, y, z, byte1, byte2, blockId).frame());
    }

    private void nearby(double x, double y, double z, double range, byte[] frame) {
        long k = ColumnKey.of((int) Math.floor(x) >> 4, (int) Math.floor(z) >> 4);
        for (Viewer p : players.get()) {
            if (p.known().contains(k) && p.within(x, y, z, range)) {
                p.connection().sendFrame(frame);
            }
        }
    }

    public Random random() {
        return random;
    }

    public int difficulty() {
        return difficulty.getAsInt();
    }

    public boolean gameRule(String name) {
        return "true".equals(level().gameRules.get(name));
    }

    /** A stack the world's own doings drop (leaves' saplings, a washed-away torch): on the ground, spread as a block's drops. */
    public void dropItem(double x, double y, double z, int itemId, int count, int data) {
        items.dropItemNaturally(x, y, z, itemId, count, data, null);
    }

    @Override
    public void throwItem(double x, double y, double z, int itemId, int count, int data, Object tag, double[] motion) {
        ItemEntity i = items.dropItem(x, y, z, itemId, count, data, tag);
        if (i != null) {
            i.motionX = motion[0];
            i.motionY = motion[1];
            i.motionZ = motion[2];
        }
    }

    public Entities entities() {
        return entities;
    }

    public Object lock() {
        return lock;
    }

    public void explode(WorldEntity source, double x, double y, double z, float power, boolean fire) {
        blasts.explode(source, x, y, z, power, fire);
    }

    public GameHost host() {
        return host;
    }

    /**
     * The blocks' own tick: the updates due run, then in each column within the active radius of a
     * living player the updates it was written with are taken back and three blocks a section
     * act at random.
     */
    public void tickBlocks(List<? extends Living> all) {
        blockUpdates.runDue(this, blockTicks, random);
        java.util.Set<Long> seen = new java.util.HashSet<Long>();
        List<Column> active = new ArrayList<Column>();
        int r = activeRadius;
        for (Living p : all) {
            if (p.dead) {
                continue;
            }
            int pcx = ColumnKey.chunk(p.x);
            int pcz = ColumnKey.chunk(p.z);
            for (int cx = pcx - r; cx <= pcx + r; cx++) {
                for (int cz = pcz - r; cz <= pcz + r; cz++) {
                    long k = ColumnKey.of(cx, cz);
                    Column c = seen.add(k) ? cache.held(k) : null;
                    if (c == null) {
                        continue;
                    }
                    if (c.tileTicks != null) {
                        blockTicks.adopt(c.tileTicks, level().time);
                        c.tileTicks = null;
                    }
                    active.add(c);
                }
            }
        }
        blockUpdates.randomTicks(this, active, random);
        blockUpdates.entitiesOnPlates(this);
    }

    /** Puts into the copies about to be saved the block updates still due in each, counted from now. */
    public void stampTicks(List<Column> copies) {
        for (Column c : copies) {
            if (c.tileTicks == null) {
                c.tileTicks = blockTicks.ofColumn(c.x, c.z, level().time);
            }
        }
    }

    /** Changes a block and marks its column for saving, telling nobody; NO_COLUMN when its column cannot be read. */
    public long setBlockUnseen(int x, int y, int z, int id, int data) {
        try {
            return cache.set(x, y, z, id, data, level().time);
        } catch (Unavailable e) {
            return NO_COLUMN;
        }
    }

    /** Sends the block as it is now to everybody who knows its column, but the one left out. */
    public void showBlock(int x, int y, int z, long k, Viewer leftOut) {
        byte[] frame = PlayPackets.blockChange(x, y, z, blockAt(x, y, z), metaAt(x, y, z)).frame();
        for (Viewer p : players.get()) {
            if (p != leftOut && p.known().contains(k)) {
                p.connection().sendFrame(frame);
            }
        }
    }
}
