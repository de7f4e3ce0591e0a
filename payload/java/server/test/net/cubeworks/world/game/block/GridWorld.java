package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.Random;

import org.bukkit.World;
import org.bukkit.event.Event;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.BlockTicks;

/**
 * A made-up world for the block rules: blocks in a map, everything at and below y 0 stone unless
 * set, the columns held a box of block columns (a rule reaching beyond it finds the edge of the
 * world held), its own clock, queue of updates and random numbers, and no plugins.
 */
class GridWorld implements EntityWorld {
    final Map<Long, int[]> blocks = new HashMap<Long, int[]>();
    final BlockTicks ticks = new BlockTicks();
    final BlockUpdates updates = new BlockUpdates(new BlockBehaviours(), 1);
    final Random random;
    final List<String> sounds = new ArrayList<String>();
    /** Every stack dropped, as {item, count, data, x, y, z} (block coordinates). */
    final List<int[]> drops = new ArrayList<int[]>();
    final Entities entities = new Entities();
    int minX = -64;
    int maxX = 63;
    int minZ = -64;
    int maxZ = 63;
    long time;
    /** The light growing things read from the sky (less at night), its raw level (15 under open sky), and the block light. */
    int sky = 15;
    int skyRaw = 15;
    int blockLight;
    int biome = 1;

    GridWorld(long seed) {
        random = new Random(seed);
    }

    private static long key(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | y & 0xFFF;
    }

    public int blockAt(int x, int y, int z) {
        int[] b = blocks.get(key(x, y, z));
        return b != null ? b[0] : y <= 0 ? 1 : 0;
    }

    public int metaAt(int x, int y, int z) {
        int[] b = blocks.get(key(x, y, z));
        return b != null ? b[1] : 0;
    }

    /** Puts a block without telling anybody (the made-up world's initial state). */
    void put(int x, int y, int z, int id, int data) {
        blocks.put(key(x, y, z), new int[] {id, data});
    }

    public void setBlock(int x, int y, int z, int id, int data) {
        int old = blockAt(x, y, z);
        int oldMeta = metaAt(x, y, z);
        put(x, y, z, id, data);
        updates.changed(this, x, y, z, old, oldMeta, id);
    }

    public boolean loaded(int x, int z) {
        return x >= minX && x <= maxX && z >= minZ && z <= maxZ;
    }

    /** How many blocks were changed quietly, and how many times a block's neighbours were told, since the counts were last cleared. */
    int quietChanges;
    int neighboursTold;
    /** The quiet changes by place, as "x,y,z" to their count. */
    final Map<String, Integer> quietByPlace = new HashMap<String, Integer>();

    public void setBlockQuietly(int x, int y, int z, int id, int data) {
        put(x, y, z, id, data);
        quietChanges++;
        quietByPlace.merge(x + "," + y + "," + z, 1, Integer::sum);
    }

    void clearCounts() {
        quietChanges = 0;
        neighboursTold = 0;
        quietByPlace.clear();
    }

    public void tellNeighbours(int x, int y, int z) {
        neighboursTold++;
        updates.tellNeighbours(this, x, y, z, blockAt(x, y, z));
    }

    public void scheduleTick(int x, int y, int z, int blockId, int delay, int priority) {
        ticks.schedule(x, y, z, blockId, time + delay, priority);
    }

    public boolean tickPending(int x, int y, int z, int blockId) {
        return ticks.isPending(x, y, z, blockId);
    }

    public long worldTime() {
        return time;
    }

    public int biomeAt(int x, int z) {
        return biome;
    }

    public int lightAt(int x, int y, int z) {
        return Math.max(sky, blockLight);
    }

    public int blockLightAt(int x, int y, int z) {
        return blockLight;
    }

    public int skyLightAt(int x, int y, int z) {
        return skyRaw;
    }

    public void playSound(String name, double x, double y, double z, float volume, float pitch) {
        sounds.add(name);
    }

    public void playEffect(int effectId, int x, int y, int z, int data) {
    }

    /** The block entities put, by place. */
    final Map<Long, net.cubeworks.world.level.BlockEntity> blockEntities = new HashMap<Long, net.cubeworks.world.level.BlockEntity>();

    void putBlockEntity(net.cubeworks.world.level.BlockEntity e) {
        blockEntities.put(key(e.x, e.y, e.z), e);
    }

    public net.cubeworks.world.level.BlockEntity blockEntityAt(int x, int y, int z) {
        return blockEntities.get(key(x, y, z));
    }

    /** Every Block Action, as {x, y, z, blockId, byte1, byte2}. */
    final List<int[]> actions = new ArrayList<int[]>();

    public void blockAction(int x, int y, int z, int blockId, int byte1, int byte2) {
        actions.add(new int[] {x, y, z, blockId, byte1, byte2});
    }

    public void dropItem(double x, double y, double z, int itemId, int count, int data) {
        drops.add(new int[] {itemId, count, data, (int) Math.floor(x), (int) Math.floor(y), (int) Math.floor(z)});
    }

    /** Every explosion, as {x, y, z, power} (block coordinates). */
    final List<double[]> explosions = new ArrayList<double[]>();

    public void explode(WorldEntity source, double x, double y, double z, float power, boolean fire) {
        explosions.add(new double[] {x, y, z, power});
    }

    public int difficulty() {
        return 2;
    }

    /** The game rules turned off (every other one is on). */
    final java.util.Set<String> rulesOff = new java.util.HashSet<String>();
    boolean raining;

    public boolean gameRule(String name) {
        return !rulesOff.contains(name);
    }

    public boolean raining() {
        return raining;
    }

    public Entities entities() {
        return entities;
    }

    public Object lock() {
        return this;
    }

    public Random random() {
        return random;
    }

    public GameHost host() {
        return new GameHost() {
            public void callEvent(Event event) {
            }

            public boolean dispatchCommand(org.bukkit.command.CommandSender sender, String commandLine) {
                return false;
            }

            public List<String> tabCompleteCommand(org.bukkit.command.CommandSender sender, String commandLine) {
                return null;
            }

            public org.bukkit.Server api() {
                return null;
            }
        };
    }

    public World api() {
        return null;
    }

    /** Runs the world's clock on by n ticks: the updates due in each, then the entities' own ticks. */
    void run(int n) {
        for (int i = 0; i < n; i++) {
            time++;
            updates.runDue(this, ticks, random);
            for (WorldEntity e : entities.all()) {
                e.tick(time);
                if (e.isRemoved()) {
                    entities.remove(e);
                }
            }
            updates.entitiesOnPlates(this);
        }
    }

    /** The block at the place picked at random n times, as the world's random ticks pick it. */
    void randomTicks(int x, int y, int z, int n) {
        for (int i = 0; i < n; i++) {
            updates.behaviours().of(blockAt(x, y, z)).randomTick(this, x, y, z, random);
        }
    }

    /** The ids and levels of a row along x at y and z, as "id:meta" ("." for air). */
    String row(int fromX, int toX, int y, int z) {
        StringBuilder b = new StringBuilder();
        for (int x = fromX; x <= toX; x++) {
            int id = blockAt(x, y, z);
            b.append(b.length() == 0 ? "" : " ").append(id == 0 ? "." : id + ":" + metaAt(x, y, z));
        }
        return b.toString();
    }
}
