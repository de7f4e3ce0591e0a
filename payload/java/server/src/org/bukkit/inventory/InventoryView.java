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

    public final String getTitle() {
        return getTopInventory().getTitle();
    }

    /** The window properties a client shows as bars and buttons, each with its number on the wire. */
    public enum Property {
        BREW_TIME(0, InventoryType.BREWING),
        COOK_TIME(0, InventoryType.FURNACE),
        BURN_TIME(1, InventoryType.FURNACE),
        TICKS_FOR_CURRENT_FUEL(2, InventoryType.FURNACE),
        ENCHANT_BUTTON1(0, InventoryType.ENCHANTING),
        ENCHANT_BUTTON2(1, InventoryType.ENCHANTING),
        ENCHANT_BUTTON3(2, InventoryType.ENCHANTING);

        private final int id;
        private final InventoryType style;

        Property(int id, InventoryType appliesTo) {
            this.id = id;
            this.style = appliesTo;
        }

        public InventoryType getType() {
            return style;
        }

        @Deprecated
        public int getId() {
            return id;
        }
    }

    /** Puts the item at a raw slot of the window: the upper inventory's, then the player's own. */
    public void setItem(int slot, ItemStack item) {
        if (slot == OUTSIDE) {
            return;
        }
        if (slot < getTopInventory().getSize()) {
            getTopInventory().setItem(convertSlot(slot), item);
        } else {
            getBottomInventory().setItem(convertSlot(slot), item);
        }
    }

    /** The item at a raw slot of the window; null outside it. */
    public ItemStack getItem(int slot) {
        if (slot == OUTSIDE) {
            return null;
        }
        if (slot < getTopInventory().getSize()) {
            return getTopInventory().getItem(convertSlot(slot));
        }
        return getBottomInventory().getItem(convertSlot(slot));
    }

    public final void setCursor(ItemStack item) {
        getPlayer().setItemOnCursor(item);
    }

    public final ItemStack getCursor() {
        return getPlayer().getItemOnCursor();
    }

    /** Closes the window, as the player would. */
    public final void close() {
        getPlayer().closeInventory();
    }

    /** Shows a property (a furnace's progress, ...) in the window; false when the window has no such property. */
    public final boolean setProperty(Property prop, int value) {
        return getPlayer().setWindowProperty(prop, value);
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

    public final int countSlots() {
        return getTopInventory().getSize() + getBottomInventory().getSize();
    }
}
