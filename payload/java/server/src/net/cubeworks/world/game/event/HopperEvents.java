package net.cubeworks.world.game.event;

import org.bukkit.entity.Item;
import org.bukkit.event.inventory.InventoryMoveItemEvent;
import org.bukkit.event.inventory.InventoryPickupItemEvent;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in what hoppers move: an item from one inventory to another
 * (InventoryMoveItemEvent), items lying on a hopper taken into it (InventoryPickupItemEvent).
 * Each is asked only while a plugin listens.
 */
public final class HopperEvents {
    private HopperEvents() {
    }

    /** Whether anybody listens to moves; without, the inventories need not be made. */
    public static boolean movesWatched() {
        return InventoryMoveItemEvent.getHandlerList().getRegisteredListeners().length > 0;
    }

    /**
     * The item is about to move from the source to the destination (the hopper is the source when
     * pushing): the item {id, count, data} a plugin leaves, or null when it cancelled the move.
     */
    public static int[] move(GameHost host, Inventory source, Inventory destination, boolean bySource, int id, int count,
            int data) {
        InventoryMoveItemEvent e = new InventoryMoveItemEvent(source, new ItemStack(id, count, (short) data), destination,
                bySource);
        host.callEvent(e);
        ItemStack i = e.getItem();
        if (e.isCancelled() || i == null || i.getTypeId() <= 0 || i.getAmount() <= 0) {
            return null;
        }
        return new int[] {i.getTypeId(), i.getAmount(), i.getDurability()};
    }

    /** The hopper is about to take the item lying on it: false when a plugin cancelled it. */
    public static boolean pickup(GameHost host, Inventory hopper, Item item) {
        if (InventoryPickupItemEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        InventoryPickupItemEvent e = new InventoryPickupItemEvent(hopper, item);
        host.callEvent(e);
        return !e.isCancelled();
    }
}
