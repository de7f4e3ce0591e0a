package org.bukkit.inventory;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;

/** What one player has open: an upper inventory (a chest, a crafting grid) over its own. */
public abstract class InventoryView {
    public static final int OUTSIDE = -999;

    public abstract Inventory getTopInventory();

    public abstract Inventory getBottomInventory();

    public abstract HumanEntity getPlayer();

    public abstract InventoryType getType();

    public String getTitle() {
        return getTopInventory().getTitle();
    }

    /** The slot of the upper or lower inventory a raw window slot is. */
    public final int convertSlot(int rawSlot) {
        int numInTop = getTopInventory().getSize();
        if (rawSlot < numInTop) {
            return rawSlot;
        }
        int slot = rawSlot - numInTop;
        if (getType() == InventoryType.CRAFTING) {
            // the player's own window: 4 crafting slots, the result and 4 armour slots come first
            if (slot < 4) {
                return 39 - slot;
            }
            slot -= 4;
        }
        if (slot >= 27) {
            slot -= 27;
        } else {
            slot += 9;
        }
        return slot;
    }

    public int countSlots() {
        return getTopInventory().getSize() + getBottomInventory().getSize();
    }
}
