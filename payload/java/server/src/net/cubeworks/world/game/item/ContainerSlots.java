package net.cubeworks.world.game.item;

/**
 * The slots of an inventory a window shows above the player's own: a plugin's inventory, or
 * another player's. Changes come from clicks on the game thread; a container tells whoever else
 * shows it.
 */
public interface ContainerSlots {
    int size();

    int item(int slot);

    int count(int slot);

    int data(int slot);

    Object tag(int slot);

    void set(int slot, int itemId, int amount, int itemData, Object itemTag);

    /** On the game thread, after a click of the viewer changed slots: the other viewers (and an owner) are shown them. */
    void changedBy(org.bukkit.entity.HumanEntity viewer);

    /** The most the slot holds (a brewing stand's bottle slots hold one). */
    default int limit(int slot) {
        return 64;
    }

    /** Whether a player may put the item into the slot (a furnace's result slot takes nothing). */
    default boolean accepts(int slot, int itemId) {
        return true;
    }

    /**
     * Where a shift-click puts the item from the player's slots: the container's slots {first,
     * end}; null for all of them; an empty array when the container takes none of it, and it moves
     * between the player's main inventory and hot bar instead.
     */
    default int[] shiftInto(int itemId, int itemData) {
        return null;
    }

    /** Whether a shift-click out of the slot fills the player's slots from the hot bar's end (a chest's), else from the main inventory's start. */
    default boolean shiftOutBackwards(int slot) {
        return true;
    }
}
