package net.cubeworks.world.game.event;

import org.bukkit.entity.Egg;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.event.entity.ProjectileLaunchEvent;
import org.bukkit.event.player.PlayerEggThrowEvent;

import net.cubeworks.world.game.thread.GameHost;

/** Thrown things: one about to fly (the plugins may stop it), a player's egg that broke and what hatches. */
public final class ProjectileEvents {
    private ProjectileEvents() {
    }

    /** True: it flies. */
    public static boolean launch(GameHost host, Projectile p) {
        if (ProjectileLaunchEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        ProjectileLaunchEvent event = new ProjectileLaunchEvent(p);
        host.callEvent(event);
        return !event.isCancelled();
    }

    /** What hatches from the player's egg, as the plugins leave it: {count} and the kind, or null for nothing. */
    public static EntityType eggThrow(GameHost host, Player thrower, Egg egg, int[] count) {
        if (PlayerEggThrowEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return count[0] > 0 ? EntityType.CHICKEN : null;
        }
        PlayerEggThrowEvent event = new PlayerEggThrowEvent(thrower, egg, count[0] > 0, (byte) count[0],
                EntityType.CHICKEN);
        host.callEvent(event);
        count[0] = event.isHatching() ? event.getNumHatches() : 0;
        return count[0] > 0 ? event.getHatchingType() : null;
    }
}
