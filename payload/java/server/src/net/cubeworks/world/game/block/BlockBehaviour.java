package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;

/**
 * What a kind of block does when the game acts on it, beyond what level.BlockTable says of every
 * block (hardness, tools, drops). A kind overrides the hooks it has; the others leave the game's
 * common rule in place. Registered by id in {@link BlockBehaviours}; every hook runs on the game
 * thread.
 */
public abstract class BlockBehaviour {
    /** Air is left where a block is broken, unless a kind says otherwise. */
    public static final int AIR = 0;
    /** A kind's placing rule leaves the block's data to the common rules of placing. */
    static final int COMMON_PLACING = Integer.MIN_VALUE;

    /** A player's right click on the block: true when the block took the click, so nothing is placed against it. */
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        return false;
    }

    /**
     * A player hit the block next to this one, on the face toward it: true when the hit put this
     * block out of the world (the game's fire goes out so).
     */
    public boolean hitBeside(BlockUser user, Terrain terrain, int x, int y, int z) {
        return false;
    }

    /** A player's hit on the block itself, at the start of a dig (a note block plays). */
    public void hit(BlockUser user, BlockWorld world, int x, int y, int z) {
    }

    /**
     * The data of this block placed by hand into its cell (see {@link PlacedBlock}), -1 where
     * nothing holds it there; {@link #COMMON_PLACING} leaves it to the common rules of placing
     * ({@link PlacedData}).
     */
    int placedData(PlacedBlock b) {
        return COMMON_PLACING;
    }

    /** The block left where this one was broken: air, or another (ice melts to water). */
    public int leftAfterBreak(Terrain terrain, int x, int y, int z) {
        return AIR;
    }

    // --- the world's own updates: the block put in place, a neighbour's change, random and scheduled ticks ---

    /** The block was just put here, in place of a block of another id (by a player, a flow, a plugin). */
    public void added(BlockWorld world, int x, int y, int z) {
    }

    /** The block was taken away from here (replaced by a block of another id); oldMeta was its data. */
    public void removed(BlockWorld world, int x, int y, int z, int oldMeta) {
    }

    /** A block beside this one changed; changedId is the id now there. */
    public void neighbourChanged(BlockWorld world, int x, int y, int z, int changedId) {
    }

    /** True for the kinds the world picks at random to act (crops, grass, fire, ice). */
    public boolean ticksRandomly() {
        return false;
    }

    /** The block was picked at random in a column near a player. */
    public void randomTick(BlockWorld world, int x, int y, int z, Random random) {
    }

    /** An update the block asked for ({@link BlockWorld#scheduleTick}) came due while it is still there. */
    public void scheduledTick(BlockWorld world, int x, int y, int z, Random random) {
    }
}
