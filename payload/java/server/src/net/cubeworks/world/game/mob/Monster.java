package net.cubeworks.world.game.mob;

import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityTargetEvent.TargetReason;

/**
 * A hostile mob: it takes the nearest player it sees within its follow range as its target
 * (survival players only), finds its way to it and hits it once a second within reach; it turns
 * on whatever hurts it; undead ones burn in the daylight unless shaded or wet; left alone it
 * wanders now and then.
 */
abstract class Monster extends Mob implements org.bukkit.entity.Monster {
    /** Ticks between hits. */
    static final int ATTACK_TICKS = 20;
    int attackWait;

    Monster(Mobs mobs, MobKind kind, double x, double y, double z) {
        super(mobs, kind, x, y, z);
    }

    /** Zombies and skeletons burn in daylight. */
    boolean undead() {
        return false;
    }

    void think(long tick) {
        if (attackWait > 0) {
            attackWait--;
        }
        if (undead()) {
            hazards.burnInDaylight();
        }
        if ((tick + getEntityId()) % 10 == 0) {
            chooseTarget();
        }
        if (target != null) {
            chase();
        } else if (!walking.hasWay() && mobs.random.nextInt(120) == 0) {
            wander(1.0);
        }
    }

    /** Keeps a target it can still have, or takes the nearest player it sees. */
    void chooseTarget() {
        if (target != null) {
            boolean lost = target.isDead() || (target instanceof Player && (!((Player) target).isOnline()
                    || ((Player) target).getGameMode() == org.bukkit.GameMode.CREATIVE))
                    || targets.distanceSquared(target) > kind.followRange * kind.followRange
                    || target.getWorld() != getWorld();
            if (lost) {
                targets.set(null, TargetReason.FORGOT_TARGET);
            }
            return;
        }
        if (!mayTakeTarget()) {
            return;
        }
        Player p = targets.nearestPlayer(kind.followRange, true);
        if (p != null) {
            targets.set(p, TargetReason.CLOSEST_PLAYER);
        }
    }

    /** Whether it looks for a target now (spiders do not in the light). */
    boolean mayTakeTarget() {
        return true;
    }

    /** Walks at the target and hits it within reach. */
    void chase() {
        double d = targets.distanceSquared(target);
        walking.lookAt(target);
        double reach = kind.width * 2;
        reach = reach * reach + 0.6;
        if (d <= reach) {
            walking.stop();
            if (attackWait == 0 && Math.abs(target.getLocation().getY() - y) < 2.5) {
                attackWait = ATTACK_TICKS;
                attack(target);
            }
            return;
        }
        org.bukkit.Location l = target.getLocation();
        walking.walkTo(floor(l.getX()), floor(l.getY() + 0.01), floor(l.getZ()), 1.0);
        if (!walking.hasWay() && d < 16 && LineOfSight.sees(this, target)) {
            walking.push(l.getX(), l.getZ(), 1.0); // near and in sight, with no way found: straight at it
        }
    }

    /** A hit on the target with the kind's damage. */
    void attack(LivingEntity t) {
        if (t instanceof Player) {
            Player p = (Player) t;
            mobs.world.hurtPlayer(p, this, kind.attack, false, p.getName() + " was slain by " + kind.savedId);
        } else if (t instanceof Mob) {
            ((Mob) t).hurt(kind.attack, this, DamageCause.ENTITY_ATTACK);
        } else {
            t.damage(kind.attack, this);
        }
    }

    void hurtBy(LivingEntity attacker) {
        if (attacker != target && !(attacker instanceof Player && ((Player) attacker).getGameMode()
                == org.bukkit.GameMode.CREATIVE)) {
            targets.set(attacker, TargetReason.TARGET_ATTACKED_ENTITY);
        }
    }

    /** Walks to a random place near. */
    void wander(double speed) {
        int[] p = mobs.randomPlaceNear(this, 10, 7);
        if (p != null) {
            walking.walkTo(p[0], p[1], p[2], speed);
        }
    }
}
