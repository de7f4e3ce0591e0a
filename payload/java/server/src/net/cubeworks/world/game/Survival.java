package net.cubeworks.world.game;

import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.protocol.PlayPackets;

/** Health, the void below the world, death and respawning at the spawn. */
final class Survival {
    static final double VOID_Y = -64;
    static final String HARDCORE_BAN_REASON = "Death in Hardcore";
    static final String HARDCORE_GAME_OVER = "You have died. Game over, man, it's game over!";
    /** Damage the void does every half second. */
    static final float VOID_DAMAGE = 4f;

    private final Game game;
    private final GameWorld world;
    private final Delivery delivery;

    Survival(Game game, GameWorld world, Delivery delivery) {
        this.game = game;
        this.world = world;
        this.delivery = delivery;
    }

    /** In the tick: a living player below the world takes the void's damage. */
    void tick(OnlinePlayer p, long tick) {
        if (!p.dead && p.y < VOID_Y && tick % 10 == 0) {
            damage(p, PlayerEvents.worldDamage(game, p, DamageCause.VOID, VOID_DAMAGE), p.getName() + " fell out of the world");
        }
    }

    void damage(OnlinePlayer p, float amount, String deathMessage) {
        if (p.dead || amount <= 0) {
            return;
        }
        p.health = Math.max(0f, p.health - amount);
        delivery.out(p, world.healthPacket(p));
        if (p.health <= 0f) {
            p.dead = true;
            world.visibility().hide(p);
            game.players().broadcast(deathMessage);
            if (game.properties().hardcore()) {
                // one life: the name is banned at once, so leaving before the respawn does not escape it
                game.access().addBan(p.getName(), HARDCORE_BAN_REASON, "Server");
                game.players().kick(p, HARDCORE_GAME_OVER);
            }
        }
    }

    /** Client Status "respawn": back at the spawn point with full health. */
    void respawn(OnlinePlayer p) {
        if (!p.dead) {
            return;
        }
        p.dead = false;
        p.health = 20f;
        p.food = 20;
        p.saturation = 5f;
        p.teleportPending = false;
        world.toSpawn(p);
        PlayerEvents.respawn(game, p);
        p.connection().send(PlayPackets.respawn(0, game.properties().difficulty(), p.getGameMode().getValue(),
                world.levelType()));
        p.sendAbilities();
        world.stream(p);
        p.connection().send(world.positionPacket(p));
        p.connection().send(PlayPackets.heldItemChange(p.heldSlot));
        p.sendInventory();
        p.connection().send(world.healthPacket(p));
        p.sentX = Visibility.fixed(p.x);
        p.sentY = Visibility.fixed(p.y);
        p.sentZ = Visibility.fixed(p.z);
        p.lastTeleportTick = world.currentTick();
        world.visibility().update();
    }
}
