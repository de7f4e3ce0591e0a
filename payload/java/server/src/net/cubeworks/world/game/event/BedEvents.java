package net.cubeworks.world.game.event;

import org.bukkit.block.Block;
import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerBedEnterEvent;
import org.bukkit.event.player.PlayerBedLeaveEvent;

import net.cubeworks.world.game.thread.GameHost;

/** A player lying down in a bed (the plugins may keep him up) and getting out of it. */
public final class BedEvents {
    private BedEvents() {
    }

    /** True: the player lies down. */
    public static boolean enter(GameHost host, Player p, Block bed) {
        if (PlayerBedEnterEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        PlayerBedEnterEvent event = new PlayerBedEnterEvent(p, bed);
        host.callEvent(event);
        return !event.isCancelled();
    }

    public static void leave(GameHost host, Player p, Block bed) {
        if (PlayerBedLeaveEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return;
        }
        host.callEvent(new PlayerBedLeaveEvent(p, bed));
    }
}
