package net.cubeworks.world.game.block;

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

    /** The block left where this one was broken: air, or another (ice melts to water). */
    public int leftAfterBreak(Terrain terrain, int x, int y, int z) {
        return AIR;
    }
}
