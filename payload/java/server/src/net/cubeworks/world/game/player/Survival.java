package net.cubeworks.world.game.player;

import java.util.function.Consumer;
import java.util.function.IntSupplier;
import java.util.function.Supplier;

import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityRegainHealthEvent.RegainReason;

import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.settings.ServerProperties;

/** Health, the void below the world, falls, burning, regeneration and death (the respawn is Respawning's). */
public final class Survival implements Damage {
    public static final double VOID_Y = -64;
    public static final String HARDCORE_BAN_REASON = "Death in Hardcore";
    public static final String HARDCORE_GAME_OVER = "You have died. Game over, man, it's game over!";
    /** Damage the void does every half second. */
    public static final float VOID_DAMAGE = 4f;
    public static final float MAX_HEALTH = 20f;
    /** Blocks a player falls unhurt. */
    public static final float SAFE_FALL = 3f;
    /** Regeneration: a point this often on peaceful, and this often with a food bar at FED_FOOD or more. */
    public static final long PEACEFUL_REGEN_TICKS = 20;
    public static final long FED_REGEN_TICKS = 80;
    public static final int FED_FOOD = 18;

    private final GameHost host;
    private final IntSupplier difficulty;
    private final ServerProperties properties;
    private final AccessLists access;
    private final Players players;
    private final Supplier<LevelState> level;
    private final Delivery delivery;
    private final Hunger hunger;
    private final Eating eating;
    private final WorldBlocks blocks;
    private final GroundItems items;
    private final Visibility visibility;
    private final Consumer<OnlinePlayer> closeWindow;
    private final Burning burning;

    /**
     * The rules over a player's body under the difficulty, the settings (hardcore=) and the level's
     * game rules: hunger, eating and burning in the world's blocks tick with it; a death drops onto
     * the ground items, hides the body from the viewers, closes his open window (closeWindow: its
     * grid and cursor back first), is told to the player list and, in hardcore, bans him by the
     * access lists.
     */
    public Survival(GameHost host, IntSupplier difficulty, ServerProperties properties, AccessLists access, Players players,
            Supplier<LevelState> level, Delivery delivery, Hunger hunger, Eating eating, WorldBlocks blocks,
            GroundItems items, Visibility visibility, Consumer<OnlinePlayer> closeWindow) {
        this.host = host;
        this.difficulty = difficulty;
        this.properties = properties;
        this.access = access;
        this.players = players;
        this.level = level;
        this.delivery = delivery;
        this.hunger = hunger;
        this.eating = eating;
        this.blocks = blocks;
        this.items = items;
        this.visibility = visibility;
        this.closeWindow = closeWindow;
        this.burning = new Burning(host, blocks, this);
    }

    /** In the tick: a living player below the world takes the void's damage, and a hurt one heals. */
    public void tick(OnlinePlayer p, long tick) {
        if (!p.dead && p.y < VOID_Y && tick % 10 == 0) {
            damage(p, PlayerEvents.worldDamage(host, p, DamageCause.VOID, VOID_DAMAGE), p.getName() + " fell out of the world");
        }
        burning.tick(p, tick);
        hunger.tick(p, tick);
        eating.tick(p);
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
        boolean peaceful = difficulty.getAsInt() == 0;
        if (!"true".equals(level.get().gameRules.get("naturalRegeneration"))) {
            return; // the game rule naturalRegeneration is off
        }
        long every = peaceful ? PEACEFUL_REGEN_TICKS : FED_REGEN_TICKS;
        if (tick % every != 0 || (!peaceful && p.food < FED_FOOD)) {
            return;
        }
        float amount = PlayerEvents.regain(host, p, 1f, peaceful ? RegainReason.REGEN : RegainReason.SATIATED);
        if (!peaceful) {
            hunger.exhaust(p, Hunger.HEAL); // healing by food tires, whatever the plugins said
        }
        if (amount > 0f && !p.dead) {
            p.health = Math.min(MAX_HEALTH, p.health + amount);
            delivery.out(p, BodyPackets.health(p));
        }
    }

    public void damage(OnlinePlayer p, float amount, String deathMessage) {
        if (p.dead || amount <= 0) {
            return;
        }
        p.health = Math.max(0f, p.health - amount);
        delivery.out(p, BodyPackets.health(p));
        if (p.health <= 0f) {
            p.dead = true;
            visibility.hide(p);
            if (p.inventory().open != p.inventory().own) {
                closeWindow.accept(p); // its grid and cursor back first
            }
            boolean keep = "true".equals(level.get().gameRules.get("keepInventory"));
            java.util.List<org.bukkit.inventory.ItemStack> drops = keep
                    ? new java.util.ArrayList<org.bukkit.inventory.ItemStack>() : GroundItems.takeAll(p.inventory());
            // the game lets 7 points a level fall, at most 100; the rest is lost with the death
            int[] exp = {keep ? 0 : p.xp.droppedOnDeath()};
            String said = PlayerEvents.death(host, p, deathMessage, drops, exp);
            items.deathFall(p, p.getName(), drops);
            items.dropExperience(p.x, p.y + 0.5, p.z, exp[0]);
            if (!keep) {
                p.xp.clear();
            }
            p.sendInventory();
            if (said != null && said.length() > 0) {
                players.broadcast(said);
            }
            if (properties.hardcore()) {
                // one life: the name is banned at once, so leaving before the respawn does not escape it
                access.addBan(p.getName(), HARDCORE_BAN_REASON, "Server");
                players.kick(p, HARDCORE_GAME_OVER);
            }
        }
    }

    /**
     * An accepted move, for falling as the game counts it: going down in the air adds to the
     * fall; landing from more than 3 blocks hurts a point for each block beyond. Water, ladders
     * and vines, flying and creative mode end a fall without harm.
     */
    public void fell(OnlinePlayer p, double dy, boolean onGround, boolean cushioned) {
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
        net.cubeworks.world.game.block.Trampling.landed(blocks, p, true, fallen);
        int hurt = (int) Math.ceil(fallen - SAFE_FALL);
        if (hurt > 0) {
            damage(p, PlayerEvents.worldDamage(host, p, DamageCause.FALL, hurt), p.getName() + " hit the ground too hard");
        }
    }
}
