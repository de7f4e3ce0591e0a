package net.cubeworks.world.game.block;

import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.EntityBlockEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Farmland trampled: a player or mob landing on it after a fall of fall blocks turns it back to
 * dirt with the game's chance (fall less half a block: certain from a block and a half), a mob
 * only while the mobGriefing rule is on; items never do. The plugins may stop it: the step
 * (PlayerInteractEvent PHYSICAL, EntityInteractEvent), then the change (EntityChangeBlockEvent). A crop on it then breaks off, as on any dirt.
 */
public final class Trampling {
    private Trampling() {
    }

    /** The block a body with its feet at y stands on, as the game picks it on landing: a fifth of a block under its feet. */
    static int under(double y) {
        return (int) Math.floor(y - 0.2);
    }

    /** After the entity landed from a fall of fall blocks: true when it trampled the farmland under it. */
    public static boolean landed(BlockWorld w, WorldEntity who, boolean player, float fall) {
        if (fall <= 0.5f) {
            return false; // a step down: no chance at all (and most moves end on the ground so)
        }
        int x = (int) Math.floor(who.x);
        int y = under(who.y);
        int z = (int) Math.floor(who.z);
        if (y < 0 || y > 255 || !w.loaded(x, z) || w.blockAt(x, y, z) != BlockIds.FARMLAND) {
            return false;
        }
        if (w.random().nextFloat() >= fall - 0.5f || !player && !w.gameRule("mobGriefing")) {
            return false;
        }
        if (!EntityBlockEvents.steppedOn(w.host(), w.api(), who, x, y, z)
                || !EntityBlockEvents.change(w.host(), w.api(), who, x, y, z, BlockIds.DIRT, 0)) {
            return false;
        }
        w.setBlock(x, y, z, BlockIds.DIRT, 0);
        return true;
    }
}
