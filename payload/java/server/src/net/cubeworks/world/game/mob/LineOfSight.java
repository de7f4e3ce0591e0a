package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;
import java.util.Set;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.entity.Entity;
import org.bukkit.entity.LivingEntity;

import net.cubeworks.world.game.entity.Sight;

/**
 * What a mob sees from its eyes: another entity, when no whole block that stops the eye (glass,
 * its panes, leaves and ice let it through) stands on the line between its eyes and the other's,
 * tried every half block; and, for plugins, the blocks along its look.
 */
final class LineOfSight {
    private LineOfSight() {
    }

    /** Whether no block that stops sight stands between the mob's eyes and the other's. */
    static boolean sees(Mob m, Entity other) {
        Location l = other.getLocation();
        double ey = other instanceof LivingEntity ? ((LivingEntity) other).getEyeHeight() : 0;
        double fx = m.x;
        double fy = m.y + m.getEyeHeight();
        double fz = m.z;
        double dx = l.getX() - fx;
        double dy = l.getY() + ey - fy;
        double dz = l.getZ() - fz;
        double length = Math.sqrt(dx * dx + dy * dy + dz * dz);
        int steps = (int) Math.ceil(length / 0.5);
        MobWorld world = m.mobs.world;
        for (int i = 1; i < steps; i++) {
            double f = (double) i / steps;
            int id = world.blockAt(Mob.floor(fx + dx * f), Mob.floor(fy + dy * f), Mob.floor(fz + dz * f));
            if (id != 0 && Shapes.cube(id, 0) && !seeThrough(id)) {
                return false;
            }
        }
        return true;
    }

    /** The plugin API's line of sight: the same, under the world lock; never of nothing. */
    static boolean seenByPlugin(Mob m, Entity other) {
        if (other == null) {
            return false;
        }
        synchronized (m.lock()) {
            return sees(m, other);
        }
    }

    private static boolean seeThrough(int id) {
        return id == 20 || id == 18 || id == 161 || id == 102 || id == 95 || id == 160 || id == 79;
    }

    /**
     * The blocks along the mob's look, nearest first, up to the first not among the transparent
     * kinds (null: only air) or the distance; only the last {@code keep} (0 keeps all).
     */
    static List<Block> blocks(final Mob m, Set<Byte> transparent, int maxDistance, int keep) {
        List<int[]> cells;
        synchronized (m.lock()) {
            cells = Sight.trace(new Sight.Blocks() {
                public int idAt(int bx, int by, int bz) {
                    return m.mobs.world.blockAt(bx, by, bz);
                }
            }, m.x, m.y + m.getEyeHeight(), m.z, m.yaw, m.pitch, maxDistance, transparent, keep);
        }
        World w = m.getWorld();
        List<Block> out = new ArrayList<Block>(cells.size());
        for (int[] c : cells) {
            out.add(w.getBlockAt(c[0], c[1], c[2]));
        }
        return out;
    }

    /** The first block along its look not among the transparent kinds, or the last within reach; null for none. */
    static Block targetBlock(Mob m, Set<Byte> transparent, int maxDistance) {
        List<Block> last = blocks(m, transparent, maxDistance, 1);
        return last.isEmpty() ? null : last.get(0);
    }
}
