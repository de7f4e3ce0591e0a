package net.cubeworks.world.game.block;

import org.bukkit.entity.Player;
import org.bukkit.event.block.BlockIgniteEvent;

import net.cubeworks.world.game.event.FireEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Flint and steel and fire charges used on a block: TNT clicked is lit (primed); otherwise fire is
 * lit in the air before the face clicked (BlockIgniteEvent), where it stays only over solid ground
 * or beside something that burns. Flint and steel wears by one a use; a fire charge is used up.
 */
public final class Lighters {
    public static final int FLINT_AND_STEEL = 259;
    public static final int FIRE_CHARGE = 385;
    private static final int[][] FACES = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

    private Lighters() {
    }

    public static boolean isLighter(int item) {
        return item == FLINT_AND_STEEL || item == FIRE_CHARGE;
    }

    /** One of Farming's results: NOT_FARMING for other items, NOTHING, USED_UP (a charge) or WORN (flint and steel). */
    public static int use(BlockWorld w, Player who, int item, int x, int y, int z, int face) {
        if (!isLighter(item)) {
            return Farming.NOT_FARMING;
        }
        int used = item == FLINT_AND_STEEL ? Farming.WORN : Farming.USED_UP;
        if (item == FLINT_AND_STEEL && w.blockAt(x, y, z) == BlockIds.TNT) {
            Tnt.prime(w, x, y, z, Tnt.FUSE);
            return used;
        }
        if (face < 0 || face > 5) {
            return Farming.NOTHING;
        }
        int fx = x + FACES[face][0];
        int fy = y + FACES[face][1];
        int fz = z + FACES[face][2];
        if (fy < 0 || fy > 255 || !w.loaded(fx, fz) || w.blockAt(fx, fy, fz) != BlockIds.AIR) {
            return Farming.NOTHING;
        }
        BlockIgniteEvent.IgniteCause cause = item == FLINT_AND_STEEL ? BlockIgniteEvent.IgniteCause.FLINT_AND_STEEL
                : BlockIgniteEvent.IgniteCause.FIREBALL;
        if (!FireEvents.ignite(w.host(), w.api(), fx, fy, fz, cause, who, null)) {
            return Farming.NOTHING;
        }
        float pitch = w.random().nextFloat() * 0.4f + 0.8f;
        w.playSound(item == FLINT_AND_STEEL ? "fire.ignite" : "mob.ghast.fireball", fx + 0.5, fy + 0.5, fz + 0.5, 1.0f,
                pitch);
        w.setBlock(fx, fy, fz, BlockIds.FIRE, 0);
        return used;
    }
}
