package org.bukkit.event.inventory;

/** The kinds of inventory windows, with their slot counts and default titles. */
public enum InventoryType {
    CHEST(27, "Chest"),
    DISPENSER(9, "Dispenser"),
    DROPPER(9, "Dropper"),
    FURNACE(3, "Furnace"),
    WORKBENCH(10, "Crafting"),
    CRAFTING(5, "Crafting"),
    ENCHANTING(1, "Enchanting"),
    BREWING(4, "Brewing"),
    PLAYER(36, "Player"),
    CREATIVE(9, "Creative"),
    MERCHANT(3, "Villager"),
    ENDER_CHEST(27, "Ender Chest"),
    ANVIL(3, "Repairing"),
    BEACON(1, "container.beacon"),
    HOPPER(5, "Item Hopper");

    private final int size;
    private final String title;

    private InventoryType(int defaultSize, String defaultTitle) {
        size = defaultSize;
        title = defaultTitle;
    }

    public int getDefaultSize() {
        return size;
    }

    public String getDefaultTitle() {
        return title;
    }

    /** What a slot of a window is for. */
    public enum SlotType {
        RESULT,
        CRAFTING,
        ARMOR,
        CONTAINER,
        QUICKBAR,
        OUTSIDE,
        FUEL;
    }
}
