package net.cubeworks.world.game.player;

import java.util.function.Consumer;
import java.util.function.IntSupplier;
import java.util.function.LongSupplier;
import java.util.function.Supplier;

import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.Streaming;
import net.cubeworks.world.generation.WorldChoice;
import net.cubeworks.world.protocol.PlayPackets;

/** A dead player's way back (Client Status "respawn"): at his bed or the world's spawn, with full health. */
public final class Respawning {
    /** Where a player comes back, {x, y, z} of his feet, or null for the world's spawn: beside his bed, or his forced spawn point. */
    public interface Home {
        double[] place(OnlinePlayer p);
    }

    private final GameHost host;
    private final IntSupplier difficulty;
    private final Supplier<LevelState> level;
    private final LongSupplier clock;
    private final Streaming streaming;
    private final Visibility visibility;
    private final Home home;
    private final Consumer<OnlinePlayer> toSpawn;

    /**
     * Respawns under the difficulty and the level's world type (told in Respawn), timed by the
     * world's tick (the clock); the land comes by the streaming and the others see him again by
     * the visibility; home finds his own place, toSpawn puts him at the world's spawn.
     */
    public Respawning(GameHost host, IntSupplier difficulty, Supplier<LevelState> level, LongSupplier clock,
            Streaming streaming, Visibility visibility, Home home, Consumer<OnlinePlayer> toSpawn) {
        this.host = host;
        this.difficulty = difficulty;
        this.level = level;
        this.clock = clock;
        this.streaming = streaming;
        this.visibility = visibility;
        this.home = home;
        this.toSpawn = toSpawn;
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
        double[] own = home.place(p); // beside his bed, or his forced spawn point
        if (own != null && Teleport.validPosition(own[0], own[1], own[2])) {
            p.x = own[0];
            p.y = own[1];
            p.z = own[2];
        } else {
            toSpawn.accept(p);
        }
        org.bukkit.Location to = PlayerEvents.respawn(host, p, own != null);
        if (to != null && Teleport.validPosition(to.getX(), to.getY(), to.getZ())) {
            p.x = to.getX();
            p.y = to.getY();
            p.z = to.getZ();
            p.yaw = to.getYaw();
            p.pitch = to.getPitch();
        }
        p.connection().send(PlayPackets.respawn(0, difficulty.getAsInt(), p.getGameMode().getValue(),
                WorldChoice.clientLevelType(level.get().generatorName)));
        p.sendAbilities();
        streaming.stream(p);
        p.connection().send(BodyPackets.position(p));
        p.connection().send(PlayPackets.heldItemChange(p.heldSlot));
        p.sendInventory();
        p.connection().send(BodyPackets.health(p));
        p.connection().send(p.xp.packet());
        p.sent.x = TrackedPosition.fixed(p.x);
        p.sent.y = TrackedPosition.fixed(p.y);
        p.sent.z = TrackedPosition.fixed(p.z);
        p.sent.lastTeleportTick = clock.getAsLong();
        visibility.update();
    }
}
