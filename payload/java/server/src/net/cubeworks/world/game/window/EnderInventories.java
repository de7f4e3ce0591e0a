package net.cubeworks.world.game.window;

import org.bukkit.inventory.Inventory;

import net.cubeworks.world.game.player.OnlinePlayer;

/** The plugin API's inventory over a player's ender chest slots (type ENDER_CHEST, held by him), made new at each ask. */
public interface EnderInventories {
    Inventory of(OnlinePlayer p);
}
