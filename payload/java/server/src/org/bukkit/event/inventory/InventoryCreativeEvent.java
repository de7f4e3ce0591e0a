package org.bukkit.event.inventory;

import org.bukkit.event.HandlerList;
import org.bukkit.event.inventory.InventoryType.SlotType;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;

/**
 * A player in creative mode puts an item into a slot of his own inventory.
 */
public class InventoryCreativeEvent extends InventoryClickEvent {
    private static final HandlerList handlers = new HandlerList();
    private ItemStack item;

    public InventoryCreativeEvent(final InventoryView what, final SlotType type, final int slot, final ItemStack newItem) {
        super(what, type, slot, ClickType.CREATIVE, InventoryAction.PLACE_ALL);
        item = newItem;
    }

    @Override
    public ItemStack getCursor() {
        return item;
    }

    @Override
    public void setCursor(final ItemStack item) {
        this.item = item;
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
