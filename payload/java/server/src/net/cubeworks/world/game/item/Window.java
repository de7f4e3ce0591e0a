package net.cubeworks.world.game.item;

import net.cubeworks.world.crafting.Recipe;
import net.cubeworks.world.crafting.RecipeBook;
import net.cubeworks.world.level.Items;

/**
 * A window as the client numbers its slots. The player's own (id 0): 0 the crafting result,
 * 1 to 4 the 2x2 grid, 5 to 8 the armour, 9 to 35 the main inventory, 36 to 44 the hot bar.
 * A crafting table's (type 1): 0 the result, 1 to 9 the 3x3 grid, 10 to 36 the main
 * inventory, 37 to 45 the hot bar. Slot CURSOR is the item on the cursor. The result slot
 * always holds what the grid makes.
 */
public final class Window {
    public static final int CURSOR = -1;
    public static final int RESULT = 0;
    /** The window type of a crafting table in Open Window. */
    public static final int TYPE_CRAFTING = 1;
    /** The window types of Open Window for the containers a plugin may open: chest rows, dispenser, hopper, dropper. */
    public static final int TYPE_CHEST = 0;
    public static final int TYPE_FURNACE = 2;
    public static final int TYPE_DISPENSER = 3;
    public static final int TYPE_BREWING = 5;
    public static final int TYPE_HOPPER = 9;
    public static final int TYPE_DROPPER = 10;

    /** The table's height for a table's window that a plugin opened without a table: it stays open anywhere. */
    public static final int ANYWHERE = Integer.MIN_VALUE;

    public final int id;
    public final boolean table;
    /** The crafting table's block, for a table's window. */
    public final int tableX;
    public final int tableY;
    public final int tableZ;
    private final PlayerInventory inv;
    /** A table's result and grid; the player's own window keeps them in the inventory's slots 0 to 4. */
    private final SlotStore craft;
    /** A container's window: the slots above the player's (0 to n-1), its Open Window type and title; else null. */
    public final ContainerSlots container;
    public final int containerType;
    public final String title;
    /** What the plugin API calls the container (the inventory object plugins hold), or null. */
    public final Object apiInventory;

    private Window(int id, boolean table, int x, int y, int z, PlayerInventory inv) {
        this.id = id;
        this.table = table;
        this.tableX = x;
        this.tableY = y;
        this.tableZ = z;
        this.inv = inv;
        this.craft = table ? new SlotStore(10) : null;
        this.container = null;
        this.containerType = -1;
        this.title = table ? "Crafting" : "";
        this.apiInventory = null;
    }

    private Window(int id, ContainerSlots container, int type, String title, Object apiInventory, PlayerInventory inv) {
        this.id = id;
        this.table = false;
        this.tableX = 0;
        this.tableY = 0;
        this.tableZ = 0;
        this.inv = inv;
        this.craft = null;
        this.container = container;
        this.containerType = type;
        this.title = title;
        this.apiInventory = apiInventory;
    }

    /** A container's window: its slots first, then the player's main inventory and hot bar. */
    public static Window container(int id, ContainerSlots slots, int type, String title, Object apiInventory,
            PlayerInventory inv) {
        return new Window(id, slots, type, title, apiInventory, inv);
    }

    /** True for a container's window, which has no crafting grid nor result. */
    public boolean isContainer() {
        return container != null;
    }

    /** The crafting result slot, which only windows with a grid have. */
    boolean isResult(int slot) {
        return container == null && slot == RESULT;
    }

    static Window player(PlayerInventory inv) {
        return new Window(0, false, 0, 0, 0, inv);
    }

    public static Window craftingTable(int id, int x, int y, int z, PlayerInventory inv) {
        return new Window(id, true, x, y, z, inv);
    }

    public PlayerInventory inventory() {
        return inv;
    }

    public int size() {
        if (container != null) {
            return container.size() + 36;
        }
        return table ? 46 : PlayerInventory.SLOTS;
    }

    public boolean valid(int slot) {
        return slot >= 0 && slot < size();
    }

    /** Grid side: 2 or 3; 0 for a container's window, which has none. */
    public int side() {
        return container != null ? 0 : table ? 3 : 2;
    }

    public boolean isGrid(int slot) {
        return slot >= 1 && slot <= side() * side();
    }

    /** The inventory slot behind a window slot, or -1 for the table's own result and grid. */
    int inventorySlot(int slot) {
        if (slot == CURSOR) {
            return PlayerInventory.CURSOR;
        }
        if (container != null) {
            // the main inventory follows the container's slots, the hot bar (36 to 44) last
            return slot >= container.size() ? slot - container.size() + 9 : -1;
        }
        if (!table) {
            return slot;
        }
        return slot >= 10 ? slot - 1 : -1;
    }

    /** Whether the slot belongs to the player's inventory (armour, main, hot bar) rather than to crafting. */
    boolean inPlayerInventory(int slot) {
        return slot >= mainFirst() || (!table && container == null && slot >= 5);
    }

    /** The window slot of hot-bar slot 0 to 8. */
    int hotbarSlot(int index) {
        return mainFirst() + 27 + index;
    }

    /** First slot of the main inventory; the hot bar follows it, and ends the window. */
    int mainFirst() {
        return container != null ? container.size() : table ? 10 : 9;
    }

    public int hotbarFirst() {
        return mainFirst() + 27;
    }

    public int item(int slot) {
        int s = inventorySlot(slot);
        return s >= 0 ? inv.item(s) : container != null ? container.item(slot) : craft.item(slot);
    }

    public int count(int slot) {
        int s = inventorySlot(slot);
        return s >= 0 ? inv.count(s) : container != null ? container.count(slot) : craft.count(slot);
    }

    public int data(int slot) {
        int s = inventorySlot(slot);
        return s >= 0 ? inv.data(s) : container != null ? container.data(slot) : craft.data(slot);
    }

    public Object tag(int slot) {
        int s = inventorySlot(slot);
        return s >= 0 ? inv.tag(s) : container != null ? container.tag(slot) : craft.tag(slot);
    }

    public void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
        int s = inventorySlot(slot);
        if (s >= 0) {
            inv.set(s, itemId, amount, itemData, itemTag);
        } else if (container != null) {
            container.set(slot, itemId, amount, itemData, itemTag);
        } else {
            craft.set(slot, itemId, amount, itemData, itemTag);
        }
    }

    /** Copies slot from into slot to (an empty from empties to). */
    void copy(int from, int to) {
        set(to, item(from), count(from), data(from), tag(from));
    }

    /** The most one slot holds: one in an armour slot, else 64. */
    public int limit(int slot) {
        if (container != null && slot >= 0 && slot < container.size()) {
            return container.limit(slot);
        }
        return isArmour(slot) ? 1 : PlayerInventory.STACK;
    }

    private boolean isArmour(int slot) {
        return !table && container == null && slot >= 5 && slot <= 8;
    }

    /** Whether the player may put the item in the slot: never in the result, only fitting armour in an armour slot. */
    boolean accepts(int slot, int itemId) {
        if (isResult(slot)) {
            return false;
        }
        if (isArmour(slot)) {
            return Items.fitsArmourSlot(itemId, slot - 5);
        }
        return container == null || slot >= container.size() || container.accepts(slot, itemId);
    }

    /** The recipe the grid makes now, or null (always for a container's window). */
    public Recipe recipe() {
        if (container != null) {
            return null;
        }
        int n = side() * side();
        int[] ids = new int[n];
        int[] datas = new int[n];
        for (int i = 0; i < n; i++) {
            ids[i] = item(1 + i);
            datas[i] = data(1 + i);
        }
        return RecipeBook.standard().match(ids, datas, side());
    }

    /** Puts into the result slot what the grid makes now. */
    public void updateResult() {
        if (container != null) {
            return;
        }
        Recipe r = recipe();
        if (r == null) {
            set(RESULT, 0, 0, 0, null);
        } else {
            set(RESULT, r.resultId, r.resultCount, r.resultData, r.resultTag);
        }
    }

    /** Taking the result: one of every item in the grid is used up, and the result made anew. */
    void useIngredients() {
        for (int i = 1; i <= side() * side(); i++) {
            if (count(i) > 0) {
                set(i, item(i), count(i) - 1, data(i), tag(i));
            }
        }
        updateResult();
    }
}
