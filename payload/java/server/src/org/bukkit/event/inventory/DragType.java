package org.bukkit.event.inventory;

/** How a drag over several slots shares out the cursor's items. */
public enum DragType {
    /** A right-button drag: one item into each slot. */
    SINGLE,
    /** A left-button drag: the cursor's items split evenly over the slots. */
    EVEN
}
