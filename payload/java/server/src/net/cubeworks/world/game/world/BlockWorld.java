package net.cubeworks.world.game.world;

import java.util.Random;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The world as the blocks' own rules drive it (liquids, falling, growth): the blocks, where they
 * may act, their updates to come, and what the players hear and the plugins are told. A rule reads
 * and changes blocks only in columns the world holds ({@link #loaded}), so that nothing it does
 * reads a column from the disk or makes new land: a flow that reaches the edge waits there.
 */
public interface BlockWorld extends Terrain {
    /** True when the column holding the block column x, z is in memory. */
    boolean loaded(int x, int z);

    /**
     * Changes a block and shows it, without telling the blocks beside it (the game's change that
     * does not notify, as a liquid settling makes).
     */
    void setBlockQuietly(int x, int y, int z, int id, int data);

    /** Tells the six blocks beside x, y, z that it changed, as a change that notifies does. */
    void tellNeighbours(int x, int y, int z);

    /** Asks for the block's update after delay ticks (see {@link BlockTicks}). */
    void scheduleTick(int x, int y, int z, int blockId, int delay, int priority);

    /** True when an update of the block id is pending at the place. */
    boolean tickPending(int x, int y, int z, int blockId);

    /** The world's age in ticks, which scheduled updates count in. */
    long worldTime();

    /** The time of day (0 at sunrise, 6000 noon, 24000 a day), which the sun's height follows. */
    default long dayTime() {
        return worldTime();
    }

    /** True while it rains in the world (snows where the biome is cold). */
    default boolean raining() {
        return false;
    }

    /** After the state a block keeps (its block entity) changed: its column is written with the next save. */
    default void blockEntityChanged(int x, int y, int z) {
    }

    /** The biome id at a block column. */
    int biomeAt(int x, int z);

    /**
     * The light at a block as growing things read it: the brighter of its block light and its sky
     * light less what the night takes away (see {@link Daylight}).
     */
    int lightAt(int x, int y, int z);

    /** The block light alone at a block (torches, lava, glowstone). */
    int blockLightAt(int x, int y, int z);

    /** The sky light alone at a block, as the land's shape gives it. */
    int skyLightAt(int x, int y, int z);

    /** A sound the players near the place hear. */
    void playSound(String name, double x, double y, double z, float volume, float pitch);

    /** A world effect (the game's Effect packet ids: smoke, a block breaking, ...) for the players near. */
    void playEffect(int effectId, int x, int y, int z, int data);

    /**
     * A Block Action for the players near: what a block does that the clients draw themselves (a
     * piston's move, a note played), byte1 and byte2 as the block's kind reads them.
     */
    void blockAction(int x, int y, int z, int blockId, int byte1, int byte2);

    /**
     * The state the block at the place keeps (a chest's slots, a note block's pitch, ...), an empty
     * one made for a block of such a kind that has none yet; null when it keeps none or its column
     * is not held.
     */
    net.cubeworks.world.level.BlockEntity blockEntityAt(int x, int y, int z);

    /** Drops a stack of items at a place: the one way the world's own doings give items. */
    void dropItem(double x, double y, double z, int itemId, int count, int data);

    /** Throws a stack (a dispenser's, its tags along) from the place, moving so. */
    default void throwItem(double x, double y, double z, int itemId, int count, int data, Object tag, double[] motion) {
        dropItem(x, y, z, itemId, count, data);
    }

    /** The difficulty, 0 (peaceful) to 3 (hard). */
    int difficulty();

    /** A game rule of the level (doFireTick, ...): true when it is "true". */
    boolean gameRule(String name);

    /** The random numbers the rules draw. */
    Random random();

    /** Where the plugins are asked. */
    GameHost host();

    /** The world as the plugins see it, for the blocks their events name. */
    org.bukkit.World api();
}
