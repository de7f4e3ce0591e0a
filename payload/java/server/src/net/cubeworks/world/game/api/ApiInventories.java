package net.cubeworks.world.game.api;

import java.util.logging.Logger;

import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryHolder;
import org.bukkit.inventory.InventoryView;

import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.game.window.OtherPlayerSlots;
import net.cubeworks.world.game.window.Windows;

/** Inventories plugins make, and opening inventories as windows for a player. */
public final class ApiInventories {
    private ApiInventories() {
    }

    /**
     * A new inventory of the kind: a chest's may have any multiple of 9 slots up to 54; the
     * other kinds have their own size. The title is at most 32 characters, as a window's.
     */
    public static Inventory create(Object lock, GameThread thread, Players players, InventoryHolder holder,
            InventoryType type, int size, String title) {
        if (type == null) {
            throw new IllegalArgumentException("the inventory type cannot be null");
        }
        if (title != null && title.length() > 32) {
            throw new IllegalArgumentException("Title must be no longer than 32 characters");
        }
        if (type == InventoryType.CHEST && (size % 9 != 0 || size < 9 || size > 54)) {
            throw new IllegalArgumentException("Chests must have a size that is a multiple of 9, from 9 to 54 (not " + size + ")");
        }
        return new ApiContainer(lock, thread, players, holder, type, size, title == null ? type.getDefaultTitle() : title);
    }

    /**
     * On the game thread: opens the inventory for the player, as a window above his own. A
     * plugin's inventory of a kind the server has windows for (chest rows, dispenser, dropper,
     * hopper), or another online player's inventory; null for anything else, or when a plugin kept
     * the window shut. The player's own inventory is already open: his view.
     */
    public static InventoryView open(Windows windows, Players players, Logger logger, OnlinePlayer p,
            Inventory inventory) {
        boolean opened;
        if (inventory instanceof ApiContainer) {
            ApiContainer c = (ApiContainer) inventory;
            int type = c.windowType();
            if (type < 0) {
                logger.warning("A plugin opened a " + c.getType() + " inventory for " + p.getName()
                        + ", which this server shows no window of");
                return null;
            }
            opened = windows.openContainer(p, c.slots, type, c.getTitle(), c);
        } else if (inventory instanceof ApiPlayerInventory) {
            OnlinePlayer owner = ((ApiPlayerInventory) inventory).owner();
            if (owner == p) {
                if (p.inventory().open != p.inventory().own) {
                    windows.close(p, true);
                }
                return windows.view(p);
            }
            if (!owner.isOnline()) {
                return null;
            }
            opened = windows.openContainer(p, new OtherPlayerSlots(players, windows, owner), Window.TYPE_CHEST,
                    owner.getName(), inventory);
        } else {
            return null;
        }
        return opened ? windows.view(p) : null;
    }
}
