package net.cubeworks.world.game.block;

import java.util.List;
import java.util.Random;

import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.BlockChangeEvents;
import net.cubeworks.world.game.world.BlockTicks;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.Column;

/**
 * What drives the blocks' own rules: a change tells the new block it was put there and the six
 * blocks beside it that it changed (each after the plugins' BlockPhysicsEvent), the updates blocks
 * asked for run when due, and every tick three blocks of each section of the columns near players
 * are picked at random to act. Runs on the game thread.
 */
public final class BlockUpdates {
    /** The neighbours told of a change, in the game's order: -x, +x, -y, +y, -z, +z. */
    static final int[][] NEIGHBOURS = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    /** Blocks picked at random in each section of a column near a player, each tick. */
    public static final int RANDOM_PER_SECTION = 3;
    /** How deep changes causing changes may go within one; deeper ones are not told on (a loop of rules must not overflow the stack). */
    static final int MAX_DEPTH = 200;

    private final BlockBehaviours behaviours;
    private final boolean[] randomly = new boolean[4096];
    private int depth;
    /** The game's generator of random places: each step multiplies by 3 and adds 1013904223. */
    private int lcg;

    public BlockUpdates(BlockBehaviours behaviours, int seed) {
        this.behaviours = behaviours;
        this.lcg = seed;
        for (int id = 0; id < randomly.length; id++) {
            randomly[id] = behaviours.of(id).ticksRandomly();
        }
    }

    public BlockBehaviours behaviours() {
        return behaviours;
    }

    /** Each thing in the world presses the pressure plate at its feet, if there is one. */
    public void entitiesOnPlates(EntityWorld world) {
        for (WorldEntity e : world.entities().all()) {
            int x = (int) Math.floor(e.x);
            int y = (int) Math.floor(e.y);
            int z = (int) Math.floor(e.z);
            if (!e.isRemoved() && y >= 0 && y <= 255 && world.loaded(x, z) && Plates.isPlate(world.blockAt(x, y, z))) {
                Plates.touched(world, behaviours, x, y, z);
            }
        }
    }

    /**
     * After a block changed from oldId to newId: a block of a new id is told it was put there,
     * then the blocks beside it are told.
     */
    public void changed(BlockWorld world, int x, int y, int z, int oldId, int newId) {
        changed(world, x, y, z, oldId, 0, newId);
    }

    /**
     * As {@link #changed(BlockWorld, int, int, int, int, int)}, the block taken away (of another
     * id than the new one) told first, with the data it had.
     */
    public void changed(BlockWorld world, int x, int y, int z, int oldId, int oldMeta, int newId) {
        if (depth >= MAX_DEPTH) {
            return;
        }
        depth++;
        try {
            if (oldId != newId) {
                behaviours.of(oldId).removed(world, x, y, z, oldMeta);
                behaviours.of(newId).added(world, x, y, z);
            }
            tellNeighbours(world, x, y, z, world.blockAt(x, y, z));
        } finally {
            depth--;
        }
    }

    /** Tells the six blocks beside x, y, z that it changed (now changedId), each unless a plugin cancels its physics. */
    public void tellNeighbours(BlockWorld world, int x, int y, int z, int changedId) {
        for (int[] d : NEIGHBOURS) {
            int nx = x + d[0];
            int ny = y + d[1];
            int nz = z + d[2];
            if (ny < 0 || ny > 255 || !world.loaded(nx, nz)) {
                continue;
            }
            int id = world.blockAt(nx, ny, nz);
            if (id == 0 && changedId == 0) {
                continue;
            }
            if (!BlockChangeEvents.physics(world.host(), world.api(), nx, ny, nz, changedId)) {
                continue;
            }
            behaviours.of(id).neighbourChanged(world, nx, ny, nz, changedId);
        }
    }

    /**
     * Runs the updates due now, in their order, at most {@link BlockTicks#MAX_PER_TICK}. One whose
     * column left memory is dropped (it was written with the column and comes back with it); one
     * whose block is no longer there does nothing.
     */
    public void runDue(BlockWorld world, BlockTicks ticks, Random random) {
        List<BlockTicks.Due> due = ticks.takeDue(world.worldTime());
        for (BlockTicks.Due d : due) {
            if (!world.loaded(d.x, d.z) || world.blockAt(d.x, d.y, d.z) != d.blockId) {
                continue;
            }
            behaviours.of(d.blockId).scheduledTick(world, d.x, d.y, d.z, random);
        }
    }

    /**
     * Picks {@link #RANDOM_PER_SECTION} places in each non-empty section of each column, by the
     * game's sequence, and lets the blocks there that act at random act; before them, the water
     * on top of one place a column may freeze ({@link Freezing}), and every 20 ticks its daylight
     * sensors look at the sky ({@link DaylightSensor}).
     */
    public void randomTicks(BlockWorld world, List<Column> columns, Random random) {
        for (Column c : columns) {
            lcg = lcg * 3 + 1013904223;
            Freezing.tick(world, c, lcg >> 2, random);
            DaylightSensor.tick(world, c);
            for (int sy = 0; sy < 16; sy++) {
                if (!c.hasSection(sy)) {
                    continue;
                }
                for (int i = 0; i < RANDOM_PER_SECTION; i++) {
                    lcg = lcg * 3 + 1013904223;
                    int r = lcg >> 2;
                    int bx = r & 15;
                    int bz = r >> 8 & 15;
                    int y = sy << 4 | r >> 16 & 15;
                    int id = c.block(bx, y, bz);
                    if (randomly[id]) {
                        behaviours.of(id).randomTick(world, c.x << 4 | bx, y, c.z << 4 | bz, random);
                    }
                }
            }
        }
    }
}
