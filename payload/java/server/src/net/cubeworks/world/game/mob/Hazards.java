package net.cubeworks.world.game.mob;

import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.game.event.MobEvents;

/**
 * What the world does to a mob's body: fire burns it a point a second (the rain under the open
 * sky puts it out, and viewers are told when it starts or stops burning), water puts it out, lava
 * sets it alight and hurts, a fall of more than three blocks hurts (chickens flap down unhurt),
 * the void below the world hurts; and the bright sun at its eyes, which sets the undead alight
 * and drives endermen off.
 */
final class Hazards {
    private final Mob mob;
    private boolean wasBurning;

    Hazards(Mob mob) {
        this.mob = mob;
    }

    /** The fire's tick, before the mob thinks: its damage each second, the rain, and the flag viewers see. */
    void burn() {
        Mob m = mob;
        boolean burning = m.fireTicks > 0;
        if (burning) {
            if (m.fireTicks % 20 == 0) {
                m.hurt(1, null, DamageCause.FIRE_TICK);
            }
            m.fireTicks--;
            if (m.mobs.world.raining() && skyAbove()) {
                m.fireTicks = 0; // the rain puts it out
            }
        }
        if (burning != m.fireTicks > 0 || burning != wasBurning) {
            wasBurning = m.fireTicks > 0;
            m.sendMetadata();
        }
    }

    /** After the body moved: water puts the fire out, lava and falls and the void hurt. */
    void moved(float fell) {
        Mob m = mob;
        if (m.body.inWater && m.fireTicks > 0) {
            m.fireTicks = 0;
        }
        if (m.body.inLava) {
            setOnFire(15);
            m.hurt(4, null, DamageCause.LAVA);
        }
        if (fell > 3 && !(m instanceof Chickenlike)) {
            m.hurt((float) Math.ceil(fell - 3), null, DamageCause.FALL);
        }
        if (m.y < -64) {
            m.hurt(4, null, DamageCause.VOID);
        }
    }

    /** Marks the mobs that fall softly (chickens flap): a fall does not hurt them. */
    interface Chickenlike {
    }

    /** Sets it alight for the seconds (as the plugins allow) unless it burns longer already. */
    void setOnFire(int seconds) {
        int ticks = seconds * 20;
        if (mob.fireTicks < ticks) {
            int s = MobEvents.combust(mob.mobs.world.host(), mob, seconds);
            mob.fireTicks = Math.max(mob.fireTicks, s * 20);
        }
    }

    /** Whether nothing but air and see-through blocks stands above its head up to the sky. */
    boolean skyAbove() {
        int l = mob.mobs.world.light(Mob.floor(mob.x), Mob.floor(mob.y + mob.kind.height), Mob.floor(mob.z));
        return l >= 0 && (l >> 4) == 15;
    }

    /** An undead one in the sun, out of water, under the open sky, no helmet on: alight for 8 seconds, now and then. */
    void burnInDaylight() {
        Mob m = mob;
        if (!day() || m.body.inWater || m.mobs.world.raining() || m.armour[3] != null) {
            return;
        }
        int light = lightAtEyes();
        if (light < 0) {
            return;
        }
        if (sunStrikes(light) && (light >> 4) == 15) {
            setOnFire(8);
        }
    }

    /** In the bright day under the open sky, now and then, as the game lets the sun drive an enderman off. */
    boolean sunStruck() {
        if (!day()) {
            return false;
        }
        int light = lightAtEyes();
        if (light < 0 || (light >> 4) != 15) {
            return false;
        }
        return sunStrikes(light);
    }

    private boolean day() {
        MobWorld w = mob.mobs.world;
        return Daylight.isDay(w.dayTime(), w.raining(), w.thundering());
    }

    /** The light at its eyes, as {@code sky << 4 | block}; -1 where the column is not in memory. */
    private int lightAtEyes() {
        return mob.mobs.world.light(Mob.floor(mob.x), Mob.floor(mob.y + mob.getEyeHeight()), Mob.floor(mob.z));
    }

    /** The sun's chance this tick in the light: bright (over half) and, by its brightness, a random draw. */
    private boolean sunStrikes(int light) {
        float b = Daylight.brightness(Math.max(light >> 4, light & 15));
        return b > 0.5f && mob.mobs.random.nextFloat() * 30f < (b - 0.4f) * 2f;
    }
}
