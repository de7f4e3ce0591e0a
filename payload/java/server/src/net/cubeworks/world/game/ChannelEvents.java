package net.cubeworks.world.game;

import java.util.Set;

import org.bukkit.event.player.PlayerChannelEvent;
import org.bukkit.event.player.PlayerRegisterChannelEvent;
import org.bukkit.event.player.PlayerUnregisterChannelEvent;

/** Tells the plugins which plugin channels a client took up or gave up with REGISTER and UNREGISTER. */
final class ChannelEvents {
    private ChannelEvents() {
    }

    /** One event for each channel in after and not before (registered), and in before and not after. */
    static void changed(Game game, OnlinePlayer p, Set<String> before, Set<String> after) {
        // both events share the handler list of their common superclass
        if (PlayerChannelEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return;
        }
        for (String c : after) {
            if (!before.contains(c)) {
                game.host().callEvent(new PlayerRegisterChannelEvent(p, c));
            }
        }
        for (String c : before) {
            if (!after.contains(c)) {
                game.host().callEvent(new PlayerUnregisterChannelEvent(p, c));
            }
        }
    }
}
