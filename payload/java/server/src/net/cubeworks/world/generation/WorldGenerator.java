package net.cubeworks.world.generation;

import net.cubeworks.world.level.Column;

/** Makes the land of a world: a pure function of its seed and the column's place. */
public interface WorldGenerator {
    /** A new column, lit; safe to call from any thread. */
    Column generate(int cx, int cz);

    /** The name level.dat keeps as generatorName ("default", "flat", "largeBiomes", "amplified"). */
    String name();

    /** What level.dat keeps as generatorOptions. */
    String options();

    /** True for the default superflat world, whose untouched columns the world need not keep. */
    boolean flatDefault();

    long seed();

    /** The spawn point of a new world: {x, y, z}, y the first block above the ground. */
    int[] spawn();
}
