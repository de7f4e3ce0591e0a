package net.cubeworks.world.game;

import org.bukkit.GameMode;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.player.Delivery;
import net.cubeworks.world.game.player.OnlinePlayer;

/**
 * The food bar, by the game's rules of 1.7: what a player does tires him (exhaustion), every 4
 * points of exhaustion take a point of saturation, or of food once saturation is gone (not on
 * peaceful); with no food left he starves a point every 4 seconds, down to 10 health on easy, 1
 * on normal, and to death on hard. Creative players never tire. A change of the food level asks
 * the plugins first.
 */
final class Hunger {
    /** Exhaustion for a block walked on the ground, sprinted, swum; for a jump, a sprinting jump. */
    static final float WALK = 0.01f;
    static final float SPRINT = 0.1f;
    static final float SWIM = 0.015f;
    static final float JUMP = 0.2f;
    static final float SPRINT_JUMP = 0.8f;
    /** Exhaustion for a block broken, a hit given or taken, a point of health healed by food. */
    static final float BREAK = 0.025f;
    static final float HIT = 0.3f;
    static final float HEAL = 3f;
    /** Exhaustion a point of saturation or food is worth. */
    static final float PER_POINT = 4f;
    /** Exhaustion is capped where the game caps it. */
    static final float MOST = 40f;
    static final long STARVE_TICKS = 80;

    private final Game game;
    private final GameWorld world;
    private final Delivery delivery;

    Hunger(Game game, GameWorld world, Delivery delivery) {
        this.game = game;
        this.world = world;
        this.delivery = delivery;
    }

    /** Tires the player by the amount (a creative player does not tire). */
    void exhaust(OnlinePlayer p, float amount) {
        if (p.dead || p.getGameMode() == GameMode.CREATIVE) {
            return;
        }
        p.exhaustion = Math.min(MOST, p.exhaustion + amount);
    }

    /** An accepted move: walking, sprinting or swimming tires by the distance, a jump by itself. */
    void moved(OnlinePlayer p, double dx, double dy, double dz, boolean wasOnGround, boolean onGround, boolean inWater) {
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
    void tick(OnlinePlayer p, long tick) {
        if (p.dead) {
            return;
        }
        boolean peaceful = game.difficulty() == 0;
        if (p.exhaustion > PER_POINT) {
            p.exhaustion -= PER_POINT;
            if (p.saturation > 0f) {
                p.saturation = Math.max(0f, p.saturation - 1f);
                delivery.out(p, world.healthPacket(p));
            } else if (!peaceful) {
                setFood(p, Math.max(0, p.food - 1));
            }
        }
        if (p.food <= 0 && tick % STARVE_TICKS == 0 && !peaceful) {
            int difficulty = game.difficulty();
            if (p.health > 10f || difficulty == 3 || (p.health > 1f && difficulty == 2)) {
                world.survival().damage(p, PlayerEvents.worldDamage(game.host(), p, DamageCause.STARVATION, 1f),
                        p.getName() + " starved to death");
            }
        }
    }

    /** Sets the food level as the plugins allow (0 to 20), and tells the client; false when a plugin kept it. */
    boolean setFood(OnlinePlayer p, int level) {
        int next = PlayerEvents.foodLevel(game.host(), p, level);
        if (next < 0) {
            return false;
        }
        p.food = Math.max(0, Math.min(20, next));
        p.saturation = Math.min(p.saturation, p.food);
        delivery.out(p, world.healthPacket(p));
        return true;
    }
}
