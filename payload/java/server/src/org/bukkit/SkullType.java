package org.bukkit;

/** The kinds of head, in the order of the skull item's damage value. */
public enum SkullType {
    SKELETON, WITHER, ZOMBIE, PLAYER, CREEPER
}
