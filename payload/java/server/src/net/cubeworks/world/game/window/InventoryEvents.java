package net.cubeworks.world.game.window;

import org.bukkit.event.inventory.ClickType;
import org.bukkit.event.inventory.InventoryAction;
import org.bukkit.event.inventory.InventoryClickEvent;
import org.bukkit.event.inventory.InventoryCloseEvent;
import org.bukkit.event.inventory.InventoryCreativeEvent;
import org.bukkit.event.inventory.InventoryOpenEvent;
import org.bukkit.event.inventory.InventoryType.SlotType;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;

/**
 * Asks the plugins about windows: a click before it is applied (cancelled, nothing moves and
 * the client is sent the window again), a window before it opens (cancelled, it stays shut),
 * and tells them of a window closing; a creative player's own slots set. Each skips its event when
 * nobody listens.
 */
public final class InventoryEvents {
    /** The slot number of a click outside the window. */
    static final int OUTSIDE = -999;
    private final GameHost host;
    private final WindowViews views;

    public InventoryEvents(GameHost host, WindowViews views) {
        this.host = host;
        this.views = views;
    }

    /** False when a plugin cancelled the click (or denied its result). */
    boolean mayClick(OnlinePlayer p, Window w, int slot, int button, int mode) {
        if (InventoryClickEvent.getHandlerList().getRegisteredListeners().length == 0 || mode == 5) {
            return true; // a drag is no click; its slots are judged when it ends in the game's rules
        }
        ClickType click = clickType(slot, button, mode);
        InventoryAction action = action(w, slot, button, mode);
        InventoryClickEvent event = mode == 2
                ? new InventoryClickEvent(view(p, w), slotType(w, slot), slot, click, action, button)
                : new InventoryClickEvent(view(p, w), slotType(w, slot), slot, click, action);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** False when a plugin kept the window from opening. */
    boolean mayOpen(OnlinePlayer p, Window w) {
        if (InventoryOpenEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        InventoryOpenEvent event = new InventoryOpenEvent(view(p, w));
        host.callEvent(event);
        return !event.isCancelled();
    }

    void closing(OnlinePlayer p, Window w) {
        if (InventoryCloseEvent.getHandlerList().getRegisteredListeners().length > 0) {
            host.callEvent(new InventoryCloseEvent(view(p, w)));
        }
    }

    /**
     * A creative player's client puts an item into a slot of his own inventory: false when a
     * plugin cancelled it (then the slot stays as it was). A plugin may change the item put
     * there; it is given back through item.
     */
    public boolean mayCreativeSet(OnlinePlayer p, int slot, ItemStack[] item) {
        if (InventoryCreativeEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        Window w = p.inventory().own;
        InventoryCreativeEvent event = new InventoryCreativeEvent(view(p, w), slotType(w, slot), slot,
                item[0]);
        host.callEvent(event);
        item[0] = event.getCursor();
        return !event.isCancelled();
    }

    InventoryView view(OnlinePlayer p, Window w) {
        return views.of(p, w);
    }

    static ClickType clickType(int slot, int button, int mode) {
        switch (mode) {
            case 0:
                return button == 0 ? ClickType.LEFT : ClickType.RIGHT;
            case 1:
                return button == 0 ? ClickType.SHIFT_LEFT : ClickType.SHIFT_RIGHT;
            case 2:
                return ClickType.NUMBER_KEY;
            case 3:
                return ClickType.MIDDLE;
            case 4:
                if (slot == OUTSIDE) {
                    return button == 0 ? ClickType.WINDOW_BORDER_LEFT : ClickType.WINDOW_BORDER_RIGHT;
                }
                return button == 0 ? ClickType.DROP : ClickType.CONTROL_DROP;
            case 6:
                return ClickType.DOUBLE_CLICK;
            default:
                return ClickType.UNKNOWN;
        }
    }

    /** What the click will do, judged from the slot and the cursor before it is applied. */
    static InventoryAction action(Window w, int slot, int button, int mode) {
        PlayerInventory inv = w.inventory();
        int cursor = inv.item(PlayerInventory.CURSOR);
        int cursorCount = inv.count(PlayerInventory.CURSOR);
        boolean inWindow = w.valid(slot);
        int item = inWindow ? w.item(slot) : 0;
        switch (mode) {
            case 0:
                if (slot == OUTSIDE) {
                    if (cursor <= 0) {
                        return InventoryAction.NOTHING;
                    }
                    return button == 0 ? InventoryAction.DROP_ALL_CURSOR : InventoryAction.DROP_ONE_CURSOR;
                }
                if (!inWindow) {
                    return InventoryAction.NOTHING;
                }
                if (cursor <= 0) {
                    if (item <= 0) {
                        return InventoryAction.NOTHING;
                    }
                    return button == 0 ? InventoryAction.PICKUP_ALL : InventoryAction.PICKUP_HALF;
                }
                if (item <= 0 || item == cursor && w.data(slot) == inv.data(PlayerInventory.CURSOR)) {
                    if (isResult(w, slot)) {
                        return item <= 0 ? InventoryAction.NOTHING : InventoryAction.PICKUP_ALL;
                    }
                    if (button == 1) {
                        return InventoryAction.PLACE_ONE;
                    }
                    int room = w.limit(slot) - w.count(slot);
                    return room >= cursorCount ? InventoryAction.PLACE_ALL : InventoryAction.PLACE_SOME;
                }
                return isResult(w, slot) ? InventoryAction.NOTHING : InventoryAction.SWAP_WITH_CURSOR;
            case 1:
                return item <= 0 ? InventoryAction.NOTHING : InventoryAction.MOVE_TO_OTHER_INVENTORY;
            case 2:
                return InventoryAction.HOTBAR_SWAP;
            case 3:
                return item <= 0 ? InventoryAction.NOTHING : InventoryAction.CLONE_STACK;
            case 4:
                if (item <= 0) {
                    return InventoryAction.NOTHING;
                }
                return button == 0 ? InventoryAction.DROP_ONE_SLOT : InventoryAction.DROP_ALL_SLOT;
            case 6:
                return cursor <= 0 ? InventoryAction.NOTHING : InventoryAction.COLLECT_TO_CURSOR;
            default:
                return InventoryAction.UNKNOWN;
        }
    }

    static SlotType slotType(Window w, int slot) {
        if (slot == OUTSIDE || !w.valid(slot)) {
            return SlotType.OUTSIDE;
        }
        if (isResult(w, slot)) {
            return SlotType.RESULT;
        }
        if (w.isGrid(slot)) {
            return SlotType.CRAFTING;
        }
        if (w.container == null && !w.table && slot >= 5 && slot <= 8) {
            return SlotType.ARMOR;
        }
        return slot >= w.hotbarFirst() ? SlotType.QUICKBAR : SlotType.CONTAINER;
    }

    /** The crafting result slot: slot 0 of the player's window and the table's; a container's slot 0 is its own. */
    private static boolean isResult(Window w, int slot) {
        return slot == Window.RESULT && w.container == null;
    }
}
