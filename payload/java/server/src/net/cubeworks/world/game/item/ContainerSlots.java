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
}
