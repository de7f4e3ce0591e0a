package org.bukkit.generator;

import java.util.Random;

import org.bukkit.Chunk;
import org.bukkit.World;

/** Adds details (ores, trees, ...) to a column once it and its neighbours are made. */
public abstract class BlockPopulator {
    public abstract void populate(World world, Random random, Chunk source);
}
