package net.cubeworks.world.storage;

/** One stack of a player's inventory. */
public final class StoredItem {
    /** As in the player file: 0-8 hotbar, 9-35 main inventory, 100-103 armour. */
    public int slot;
    public int id;
    public int count;
    public int damage;
    /** The stack's own NBT as read, or null; written back unchanged. */
    public Object tag;
}
