package net.cubeworks.world.game.window;

import org.bukkit.inventory.InventoryView;

import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;

/** The plugin API's view of a player's window, as the inventory events name it. */
public interface WindowViews {
    InventoryView of(OnlinePlayer p, Window w);
}
