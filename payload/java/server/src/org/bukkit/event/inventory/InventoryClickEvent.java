package org.bukkit.event.inventory;

import org.bukkit.event.HandlerList;
import org.bukkit.event.inventory.InventoryType.SlotType;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;

/** A player clicked a slot of an open window; cancelled, the items stay where they were. */
public class InventoryClickEvent extends InventoryInteractEvent {
    private static final HandlerList handlers = new HandlerList();
    private final ClickType click;
    private final InventoryAction action;
    private SlotType slotType;
    private int whichSlot;
    private int rawSlot;
    private ItemStack current = null;
    private int hotbarKey = -1;

    public InventoryClickEvent(InventoryView view, SlotType type, int slot, ClickType click, InventoryAction action) {
        super(view);
        this.slotType = type;
        this.rawSlot = slot;
        this.whichSlot = view.convertSlot(slot);
        this.click = click;
        this.action = action;
    }

    /** The old form: a right or left click, with or without shift, that picks up what is there. */
    @Deprecated
    public InventoryClickEvent(InventoryView view, SlotType type, int slot, boolean right, boolean shift) {
        this(view, type, slot, right ? (shift ? ClickType.SHIFT_RIGHT : ClickType.RIGHT)
                : (shift ? ClickType.SHIFT_LEFT : ClickType.LEFT), InventoryAction.SWAP_WITH_CURSOR);
    }

    public InventoryClickEvent(InventoryView view, SlotType type, int slot, ClickType click, InventoryAction action,
            int key) {
        this(view, type, slot, click, action);
        this.hotbarKey = key;
    }

    public SlotType getSlotType() {
        return slotType;
    }

    public ItemStack getCursor() {
        return getView().getPlayer().getItemOnCursor();
    }

    public ItemStack getCurrentItem() {
        if (slotType == SlotType.OUTSIDE) {
            return current;
        }
        return rawSlot < getView().getTopInventory().getSize() ? getView().getTopInventory().getItem(whichSlot)
                : getView().getBottomInventory().getItem(whichSlot);
    }

    public boolean isRightClick() {
        return click.isRightClick();
    }

    public boolean isLeftClick() {
        return click.isLeftClick();
    }

    public boolean isShiftClick() {
        return click.isShiftClick();
    }

    public void setCursor(ItemStack stack) {
        getView().getPlayer().setItemOnCursor(stack);
    }

    public void setCurrentItem(ItemStack stack) {
        if (slotType == SlotType.OUTSIDE) {
            current = stack;
        } else if (rawSlot < getView().getTopInventory().getSize()) {
            getView().getTopInventory().setItem(whichSlot, stack);
        } else {
            getView().getBottomInventory().setItem(whichSlot, stack);
        }
    }

    public Inventory getClickedInventory() {
        if (rawSlot < 0) {
            return null;
        }
        return rawSlot < getView().getTopInventory().getSize() ? getView().getTopInventory()
                : getView().getBottomInventory();
    }

    public int getSlot() {
        return whichSlot;
    }

    public int getRawSlot() {
        return rawSlot;
    }

    public int getHotbarButton() {
        return hotbarKey;
    }

    public InventoryAction getAction() {
        return action;
    }

    public ClickType getClick() {
        return click;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
