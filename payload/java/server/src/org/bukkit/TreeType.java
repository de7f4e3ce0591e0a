package org.bukkit;

/** The kinds of tree and huge mushroom a world can grow. */
public enum TreeType {
    TREE, BIG_TREE, REDWOOD, TALL_REDWOOD, BIRCH, JUNGLE, SMALL_JUNGLE, COCOA_TREE, JUNGLE_BUSH,
    RED_MUSHROOM, BROWN_MUSHROOM, SWAMP, ACACIA, DARK_OAK, MEGA_REDWOOD, TALL_BIRCH
}
