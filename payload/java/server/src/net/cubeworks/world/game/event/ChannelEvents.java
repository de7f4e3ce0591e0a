package net.cubeworks.world.game.event;

import java.util.Set;

import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerChannelEvent;
import org.bukkit.event.player.PlayerRegisterChannelEvent;
import org.bukkit.event.player.PlayerUnregisterChannelEvent;

import net.cubeworks.world.game.thread.GameHost;

/** Tells the plugins which plugin channels a client took up or gave up with REGISTER and UNREGISTER. */
public final class ChannelEvents {
    private ChannelEvents() {
    }

    /** One event for each channel in after and not before (registered), and in before and not after. */
    public static void changed(GameHost host, Player p, Set<String> before, Set<String> after) {
        // both events share the handler list of their common superclass
        if (PlayerChannelEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return;
        }
        for (String c : after) {
            if (!before.contains(c)) {
                host.callEvent(new PlayerRegisterChannelEvent(p, c));
            }
        }
        for (String c : before) {
            if (!after.contains(c)) {
                host.callEvent(new PlayerUnregisterChannelEvent(p, c));
            }
        }
    }
}
