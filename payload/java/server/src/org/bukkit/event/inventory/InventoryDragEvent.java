package org.bukkit.event.inventory;

import java.util.Collections;
import java.util.LinkedHashSet;
import java.util.Map;
import java.util.Set;

import org.bukkit.event.HandlerList;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;

/**
 * A player drags items over several slots; cancelled, the slots and the cursor stay as they were.
 */
public class InventoryDragEvent extends InventoryInteractEvent {
    private static final HandlerList handlers = new HandlerList();
    private final DragType type;
    private final Map<Integer, ItemStack> addedItems;
    private final Set<Integer> containerSlots;
    private final ItemStack oldCursor;
    private ItemStack newCursor;

    public InventoryDragEvent(final InventoryView what, final ItemStack newCursor, final ItemStack oldCursor, final boolean right, final Map<Integer, ItemStack> slots) {
        super(what);
        type = right ? DragType.SINGLE : DragType.EVEN;
        this.newCursor = newCursor;
        this.oldCursor = oldCursor;
        addedItems = slots;
        containerSlots = containerSlotsOf(what, slots.keySet());
    }

    public DragType getType() {
        return type;
    }

    private static Set<Integer> containerSlotsOf(final InventoryView view, final Set<Integer> rawSlots) {
        Set<Integer> out = new LinkedHashSet<Integer>();
        for (Integer raw : rawSlots) {
            out.add(view.convertSlot(raw));
        }
        return Collections.unmodifiableSet(out);
    }

    /** The items each raw slot gets from the drag. */
    public Map<Integer, ItemStack> getNewItems() {
        return Collections.unmodifiableMap(addedItems);
    }

    public Set<Integer> getRawSlots() {
        return addedItems.keySet();
    }

    /** The slots as numbered in their own inventories. */
    public Set<Integer> getInventorySlots() {
        return containerSlots;
    }

    /** What the cursor holds after the drag. */
    public ItemStack getCursor() {
        return newCursor;
    }

    public void setCursor(final ItemStack newCursor) {
        this.newCursor = newCursor;
    }

    /** What the cursor held before the drag (a copy). */
    public ItemStack getOldCursor() {
        return oldCursor == null ? null : oldCursor.clone();
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
