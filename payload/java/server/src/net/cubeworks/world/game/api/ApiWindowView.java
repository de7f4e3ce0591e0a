package net.cubeworks.world.game.api;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;

import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameThread;

/** A player's window in the plugin API: its crafting part above the player's own inventory. */
public final class ApiWindowView extends InventoryView {
    private final OnlinePlayer player;
    private final Window window;
    private final Inventory top;

    public ApiWindowView(Object lock, GameThread thread, OnlinePlayer player, Window window) {
        this.player = player;
        this.window = window;
        this.top = window.apiInventory instanceof Inventory ? (Inventory) window.apiInventory
                : new ApiGridInventory(lock, thread, player, window);
    }

    public Inventory getTopInventory() {
        return top;
    }

    public Inventory getBottomInventory() {
        return player.getInventory();
    }

    public HumanEntity getPlayer() {
        return player;
    }

    public InventoryType getType() {
        if (window.isContainer()) {
            return top.getType();
        }
        return window.table ? InventoryType.WORKBENCH : InventoryType.CRAFTING;
    }

    /** The window's id as the client knows it (0: the player's own). */
    int windowId() {
        return window.id;
    }
}
