package net.cubeworks.world.game.player;

import java.util.function.IntSupplier;

import org.bukkit.GameMode;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.thread.GameHost;

/**
 * The food bar, by the game's rules of 1.7: what a player does tires him (exhaustion), every 4
 * points of exhaustion take a point of saturation, or of food once saturation is gone (not on
 * peaceful); with no food left he starves a point every 4 seconds, down to 10 health on easy, 1
 * on normal, and to death on hard. Creative players never tire. A change of the food level asks
 * the plugins first.
 */
public final class Hunger {
    /** Exhaustion for a block walked on the ground, sprinted, swum; for a jump, a sprinting jump. */
    public static final float WALK = 0.01f;
    public static final float SPRINT = 0.1f;
    public static final float SWIM = 0.015f;
    public static final float JUMP = 0.2f;
    public static final float SPRINT_JUMP = 0.8f;
    /** Exhaustion for a block broken, a hit given or taken, a point of health healed by food. */
    public static final float BREAK = 0.025f;
    public static final float HIT = 0.3f;
    public static final float HEAL = 3f;
    /** Exhaustion a point of saturation or food is worth. */
    public static final float PER_POINT = 4f;
    /** Exhaustion is capped where the game caps it. */
    public static final float MOST = 40f;
    public static final long STARVE_TICKS = 80;

    private final GameHost host;
    private final IntSupplier difficulty;
    private final Delivery delivery;
    private final Damage damage;

    /** Food under the game's difficulty (0 peaceful to 3 hard); its packets go out with the tick's; starving does the damage. */
    public Hunger(GameHost host, IntSupplier difficulty, Delivery delivery, Damage damage) {
        this.host = host;
        this.difficulty = difficulty;
        this.delivery = delivery;
        this.damage = damage;
    }

    /** Tires the player by the amount (a creative player does not tire). */
    public void exhaust(OnlinePlayer p, float amount) {
        if (p.dead || p.getGameMode() == GameMode.CREATIVE) {
            return;
        }
        p.exhaustion = Math.min(MOST, p.exhaustion + amount);
    }

    /** An accepted move: walking, sprinting or swimming tires by the distance, a jump by itself. */
    public void moved(OnlinePlayer p, double dx, double dy, double dz, boolean wasOnGround, boolean onGround, boolean inWater) {
        double flat = Math.sqrt(dx * dx + dz * dz);
        if (flat > 0 && flat * flat < Movement.MAX_MOVE_SQ && !p.isFlying()) {
            if (inWater) {
                exhaust(p, (float) (Math.sqrt(flat * flat + dy * dy) * SWIM));
            } else if (onGround) {
                exhaust(p, (float) flat * (p.isSprinting() ? SPRINT : WALK));
            }
        }
        if (wasOnGround && !onGround && dy > 0 && !inWater && !p.isFlying()) {
            exhaust(p, p.isSprinting() ? SPRINT_JUMP : JUMP);
        }
    }

    /** In the tick: exhaustion spent on saturation and food, and starving. */
    public void tick(OnlinePlayer p, long tick) {
        if (p.dead) {
            return;
        }
        boolean peaceful = difficulty.getAsInt() == 0;
        if (p.exhaustion > PER_POINT) {
            p.exhaustion -= PER_POINT;
            if (p.saturation > 0f) {
                p.saturation = Math.max(0f, p.saturation - 1f);
                delivery.out(p, BodyPackets.health(p));
            } else if (!peaceful) {
                setFood(p, Math.max(0, p.food - 1));
            }
        }
        if (p.food <= 0 && tick % STARVE_TICKS == 0 && !peaceful) {
            int level = difficulty.getAsInt();
            if (p.health > 10f || level == 3 || (p.health > 1f && level == 2)) {
                damage.damage(p, PlayerEvents.worldDamage(host, p, DamageCause.STARVATION, 1f),
                        p.getName() + " starved to death");
            }
        }
    }

    /** Sets the food level as the plugins allow (0 to 20), and tells the client; false when a plugin kept it. */
    public boolean setFood(OnlinePlayer p, int level) {
        int next = PlayerEvents.foodLevel(host, p, level);
        if (next < 0) {
            return false;
        }
        p.food = Math.max(0, Math.min(20, next));
        p.saturation = Math.min(p.saturation, p.food);
        delivery.out(p, BodyPackets.health(p));
        return true;
    }
}
