package net.cubeworks.world.game.mob;

import org.bukkit.Location;
import org.bukkit.entity.Entity;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.EntityTargetEvent.TargetReason;

import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.MobEvents;

/**
 * Whom a mob goes after and how far things are from it: the nearest player it may attack, taking
 * or letting go of its target as the plugins allow (a new target sends it off its way, to find one
 * to it), and the distance to an entity.
 */
final class Targets {
    private final Mob mob;

    Targets(Mob mob) {
        this.mob = mob;
    }

    /** The nearest player (that it sees, when it must) within the range that it may attack (not creative), or null. */
    Player nearestPlayer(double range, boolean mustSee) {
        Player best = null;
        double bestD = range * range;
        for (Player p : mob.mobs.players()) {
            if (p.isDead() || p.getGameMode() == org.bukkit.GameMode.CREATIVE) {
                continue;
            }
            double d = distanceSquared(p);
            if (d < bestD && (!mustSee || LineOfSight.sees(mob, p))) {
                best = p;
                bestD = d;
            }
        }
        return best;
    }

    /** Takes (or lets go of) a target, as the plugins allow. */
    void set(LivingEntity t, TargetReason reason) {
        if (t == mob.target) {
            return;
        }
        Entity chosen = MobEvents.target(mob.mobs.world.host(), mob, mob.target, t, reason);
        mob.target = chosen instanceof LivingEntity ? (LivingEntity) chosen : null;
        mob.walking.stop();
    }

    /** A plugin sets its target (null: it forgets the one it has), under the world lock. */
    void setByPlugin(LivingEntity t) {
        synchronized (mob.lock()) {
            set(t, t == null ? TargetReason.FORGOT_TARGET : TargetReason.CUSTOM);
        }
    }

    /** The square of the distance from the mob to the entity. */
    double distanceSquared(Entity e) {
        double dx;
        double dy;
        double dz;
        if (e instanceof WorldEntity) {
            WorldEntity w = (WorldEntity) e;
            dx = w.x - mob.x;
            dy = w.y - mob.y;
            dz = w.z - mob.z;
        } else {
            Location l = e.getLocation();
            dx = l.getX() - mob.x;
            dy = l.getY() - mob.y;
            dz = l.getZ() - mob.z;
        }
        return dx * dx + dy * dy + dz * dz;
    }
}
