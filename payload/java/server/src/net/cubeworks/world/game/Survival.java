package net.cubeworks.world.game;

import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityRegainHealthEvent.RegainReason;

import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.player.Burning;
import net.cubeworks.world.game.player.Damage;
import net.cubeworks.world.game.player.Delivery;
import net.cubeworks.world.game.player.Hunger;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Teleport;
import net.cubeworks.world.protocol.PlayPackets;

/** Health, the void below the world, falls, burning, regeneration, death and respawning at the spawn. */
public final class Survival implements Damage {
    static final double VOID_Y = -64;
    static final String HARDCORE_BAN_REASON = "Death in Hardcore";
    static final String HARDCORE_GAME_OVER = "You have died. Game over, man, it's game over!";
    /** Damage the void does every half second. */
    static final float VOID_DAMAGE = 4f;
    static final float MAX_HEALTH = 20f;
    /** Blocks a player falls unhurt. */
    static final float SAFE_FALL = 3f;
    /** Regeneration: a point this often on peaceful, and this often with a food bar at FED_FOOD or more. */
    static final long PEACEFUL_REGEN_TICKS = 20;
    static final long FED_REGEN_TICKS = 80;
    static final int FED_FOOD = 18;

    private final Game game;
    private final GameWorld world;
    private final Delivery delivery;
    private final Burning burning;

    Survival(Game game, GameWorld world, Delivery delivery) {
        this.game = game;
        this.world = world;
        this.delivery = delivery;
        this.burning = new Burning(game.host(), world.blocks(), this);
    }

    /** In the tick: a living player below the world takes the void's damage, and a hurt one heals. */
    void tick(OnlinePlayer p, long tick) {
        if (!p.dead && p.y < VOID_Y && tick % 10 == 0) {
            damage(p, PlayerEvents.worldDamage(game.host(), p, DamageCause.VOID, VOID_DAMAGE), p.getName() + " fell out of the world");
        }
        burning.tick(p, tick);
        world.hunger().tick(p, tick);
        world.eating().tick(p);
        regenerate(p, tick);
    }

    /**
     * Natural regeneration, as the game's: on peaceful a point every second; otherwise a point
     * every 4 seconds while the food bar is at 18 or more, which tires the player (see Hunger).
     */
    private void regenerate(OnlinePlayer p, long tick) {
        if (p.dead || p.health >= MAX_HEALTH || p.health <= 0f) {
            return;
        }
        boolean peaceful = game.difficulty() == 0;
        if (!"true".equals(world.level().gameRules.get("naturalRegeneration"))) {
            return; // the game rule naturalRegeneration is off
        }
        long every = peaceful ? PEACEFUL_REGEN_TICKS : FED_REGEN_TICKS;
        if (tick % every != 0 || (!peaceful && p.food < FED_FOOD)) {
            return;
        }
        float amount = PlayerEvents.regain(game.host(), p, 1f, peaceful ? RegainReason.REGEN : RegainReason.SATIATED);
        if (!peaceful) {
            world.hunger().exhaust(p, Hunger.HEAL); // healing by food tires, whatever the plugins said
        }
        if (amount > 0f && !p.dead) {
            p.health = Math.min(MAX_HEALTH, p.health + amount);
            delivery.out(p, world.healthPacket(p));
        }
    }

    public void damage(OnlinePlayer p, float amount, String deathMessage) {
        if (p.dead || amount <= 0) {
            return;
        }
        p.health = Math.max(0f, p.health - amount);
        delivery.out(p, world.healthPacket(p));
        if (p.health <= 0f) {
            p.dead = true;
            world.visibility().hide(p);
            if (p.inventory().open != p.inventory().own) {
                world.windows().close(p, true); // its grid and cursor back first
            }
            boolean keep = "true".equals(world.level().gameRules.get("keepInventory"));
            java.util.List<org.bukkit.inventory.ItemStack> drops = keep
                    ? new java.util.ArrayList<org.bukkit.inventory.ItemStack>() : GroundItems.takeAll(p.inventory());
            // the game lets 7 points a level fall, at most 100; the rest is lost with the death
            int[] exp = {keep ? 0 : p.xp.droppedOnDeath()};
            String said = PlayerEvents.death(game.host(), p, deathMessage, drops, exp);
            world.items().deathFall(p, p.getName(), drops);
            world.items().dropExperience(p.x, p.y + 0.5, p.z, exp[0]);
            if (!keep) {
                p.xp.clear();
            }
            p.sendInventory();
            if (said != null && said.length() > 0) {
                game.players().broadcast(said);
            }
            if (game.properties().hardcore()) {
                // one life: the name is banned at once, so leaving before the respawn does not escape it
                game.access().addBan(p.getName(), HARDCORE_BAN_REASON, "Server");
                game.players().kick(p, HARDCORE_GAME_OVER);
            }
        }
    }

    /**
     * An accepted move, for falling as the game counts it: going down in the air adds to the
     * fall; landing from more than 3 blocks hurts a point for each block beyond. Water, ladders
     * and vines, flying and creative mode end a fall without harm.
     */
    void fell(OnlinePlayer p, double dy, boolean onGround, boolean cushioned) {
        if (p.dead || cushioned || p.isFlying() || p.getGameMode() == org.bukkit.GameMode.CREATIVE) {
            p.fallDistance = 0f;
            return;
        }
        if (!onGround) {
            if (dy < 0) {
                p.fallDistance -= (float) dy;
            }
            return;
        }
        float fallen = p.fallDistance;
        p.fallDistance = 0f;
        net.cubeworks.world.game.block.Trampling.landed(world.blocks(), p, true, fallen);
        int hurt = (int) Math.ceil(fallen - SAFE_FALL);
        if (hurt > 0) {
            damage(p, PlayerEvents.worldDamage(game.host(), p, DamageCause.FALL, hurt), p.getName() + " hit the ground too hard");
        }
    }

    /** Client Status "respawn": back at the spawn point with full health. */
    public void respawn(OnlinePlayer p) {
        if (!p.dead) {
            return;
        }
        p.dead = false;
        p.health = 20f;
        p.food = 20;
        p.saturation = 5f;
        p.exhaustion = 0f;
        p.fallDistance = 0f;
        p.fireTicks = 0;
        p.eatingSlot = -1;
        p.teleportPending = false;
        double[] own = Beds.respawnPlace(world, p); // beside his bed, or his forced spawn point
        if (own != null && Teleport.validPosition(own[0], own[1], own[2])) {
            p.x = own[0];
            p.y = own[1];
            p.z = own[2];
        } else {
            world.placement().toSpawn(p);
        }
        org.bukkit.Location to = PlayerEvents.respawn(game.host(), p, own != null);
        if (to != null && Teleport.validPosition(to.getX(), to.getY(), to.getZ())) {
            p.x = to.getX();
            p.y = to.getY();
            p.z = to.getZ();
            p.yaw = to.getYaw();
            p.pitch = to.getPitch();
        }
        p.connection().send(PlayPackets.respawn(0, game.difficulty(), p.getGameMode().getValue(),
                world.levelType()));
        p.sendAbilities();
        world.stream(p);
        p.connection().send(world.positionPacket(p));
        p.connection().send(PlayPackets.heldItemChange(p.heldSlot));
        p.sendInventory();
        p.connection().send(world.healthPacket(p));
        p.connection().send(p.xp.packet());
        p.sent.x = TrackedPosition.fixed(p.x);
        p.sent.y = TrackedPosition.fixed(p.y);
        p.sent.z = TrackedPosition.fixed(p.z);
        p.sent.lastTeleportTick = world.currentTick();
        world.visibility().update();
    }
}
