package net.cubeworks.world.game.event;

import org.bukkit.Location;
import org.bukkit.entity.Item;
import org.bukkit.entity.Player;
import org.bukkit.event.HandlerList;
import org.bukkit.event.entity.ItemDespawnEvent;
import org.bukkit.event.entity.ItemSpawnEvent;
import org.bukkit.event.player.PlayerDropItemEvent;
import org.bukkit.event.player.PlayerPickupItemEvent;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in items on the ground: one appearing, one going after its five minutes, a
 * player throwing one and a player picking one up. Each answers whether the game goes on with it.
 */
public final class ItemEvents {
    private ItemEvents() {
    }

    private static boolean nobody(HandlerList list) {
        return list.getRegisteredListeners().length == 0;
    }

    /** An item is about to appear in the world; false when a plugin keeps it out. */
    public static boolean spawn(GameHost host, Item item, Location at) {
        if (nobody(ItemSpawnEvent.getHandlerList())) {
            return true;
        }
        ItemSpawnEvent event = new ItemSpawnEvent(item, at);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** An item's time on the ground is up; false when a plugin keeps it (for another five minutes). */
    public static boolean despawn(GameHost host, Item item, Location at) {
        if (nobody(ItemDespawnEvent.getHandlerList())) {
            return true;
        }
        ItemDespawnEvent event = new ItemDespawnEvent(item, at);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** The player throws the item (already in the world); false when a plugin cancels: it goes back to him. */
    public static boolean drop(GameHost host, Player p, Item item) {
        if (nobody(PlayerDropItemEvent.getHandlerList())) {
            return true;
        }
        PlayerDropItemEvent event = new PlayerDropItemEvent(p, item);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** The points of experience a player is about to get from an orb, after PlayerExpChangeEvent. */
    public static int expChange(GameHost host, Player p, int amount) {
        if (nobody(org.bukkit.event.player.PlayerExpChangeEvent.getHandlerList())) {
            return amount;
        }
        org.bukkit.event.player.PlayerExpChangeEvent event = new org.bukkit.event.player.PlayerExpChangeEvent(p, amount);
        host.callEvent(event);
        return event.getAmount();
    }

    /** The player is about to pick up what fits of the item, leaving remaining; false when a plugin cancels. */
    public static boolean pickup(GameHost host, Player p, Item item, int remaining) {
        if (nobody(PlayerPickupItemEvent.getHandlerList())) {
            return true;
        }
        PlayerPickupItemEvent event = new PlayerPickupItemEvent(p, item, remaining);
        host.callEvent(event);
        return !event.isCancelled();
    }
}
