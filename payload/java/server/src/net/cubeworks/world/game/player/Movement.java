package net.cubeworks.world.game.player;

import java.util.logging.Logger;

import org.bukkit.Location;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;

import net.cubeworks.world.game.block.BlockRules;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.event.ActionEvents;
import net.cubeworks.world.game.event.MoveEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.Streaming;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;

/** The players' moves: accepted, or the player sent back where we have it. */
public final class Movement {
    /** Moves in the air a player who may not fly makes before being kicked: 4 seconds, as the game allows. */
    public static final int MAX_FLOATING_MOVES = 80;
    public static final String FLYING_NOT_ENABLED = "Flying is not enabled on this server";
    /** How far around the box a block keeps a player from floating. */
    private static final double AIR_MARGIN = 0.0625;
    public static final double MAX_MOVE_SQ = 100;
    /**
     * How far the box is shrunk on each side before it is checked against blocks: a client
     * stands with its feet exactly on a block's top and its side against a wall, and its
     * doubles round a little either way; a sixteenth of a block, as the game allows.
     */
    public static final double SLACK = 0.0625;

    private final GameHost host;
    private final Logger logger;
    private final ServerProperties properties;
    private final Players players;
    private final WorldBlocks blocks;
    private final Streaming streaming;
    private final Hunger hunger;
    private final Survival survival;

    /**
     * Moves judged against the world's blocks and the settings (allow-flight=), with the plugins'
     * say through the host; a player who floats too long is logged and kicked from the list; a move
     * into new columns streams them, and each accepted one tires (hunger) and counts for falls (survival).
     */
    public Movement(GameHost host, Logger logger, ServerProperties properties, Players players, WorldBlocks blocks,
            Streaming streaming, Hunger hunger, Survival survival) {
        this.host = host;
        this.logger = logger;
        this.properties = properties;
        this.players = players;
        this.blocks = blocks;
        this.streaming = streaming;
        this.hunger = hunger;
        this.survival = survival;
    }

    /**
     * A movement packet: the position with the feet y and the head y, and the look. Impossible
     * or too long moves send the player back where we have it.
     */
    public void move(OnlinePlayer p, PlayReads.Movement m) {
        if (p.dead) {
            return;
        }
        double oldX = p.x;
        double oldY = p.y;
        double oldZ = p.z;
        boolean arriving = p.teleportPending;
        double[] from = MoveEvents.before(p);
        if (m.hasPosition) {
            if (p.teleportPending) {
                double ddx = m.x - p.x;
                double ddy = m.feetY - p.y;
                double ddz = m.z - p.z;
                if (ddx * ddx + ddy * ddy + ddz * ddz > 0.01) {
                    return; // moves made before the client took our teleport
                }
                p.teleportPending = false;
            }
            double stance = m.headY - m.feetY;
            boolean bad = !Teleport.validPosition(m.x, m.feetY, m.z) || Double.isNaN(m.headY) || Double.isInfinite(m.headY)
                    || stance < 0.1 || stance > 1.65;
            if (!bad) {
                double ddx = m.x - p.x;
                double ddy = m.feetY - p.y;
                double ddz = m.z - p.z;
                double allowance = StatusEffects.moveAllowance(p);
                bad = ddx * ddx + ddy * ddy + ddz * ddz > MAX_MOVE_SQ * allowance * allowance
                        || !p.known.contains(ColumnKey.of(ColumnKey.chunk(m.x), ColumnKey.chunk(m.z)));
            }
            // into a wall: refused, unless the player is in blocks already and finds its way out
            if (bad || (inSolid(p, m.x, m.feetY, m.z) && !inSolid(p, p.x, p.y, p.z))) {
                teleportBack(p);
                return;
            }
            int oldCx = ColumnKey.chunk(p.x);
            int oldCz = ColumnKey.chunk(p.z);
            p.x = m.x;
            p.y = m.feetY;
            p.z = m.z;
            if (ColumnKey.chunk(m.x) != oldCx || ColumnKey.chunk(m.z) != oldCz) {
                streaming.stream(p);
            }
        }
        if (m.hasLook && !Float.isNaN(m.yaw) && !Float.isInfinite(m.yaw) && !Float.isNaN(m.pitch)
                && !Float.isInfinite(m.pitch)) {
            p.yaw = m.yaw % 360f;
            p.pitch = Math.max(-90f, Math.min(90f, m.pitch));
        }
        Location instead = MoveEvents.moved(host, p, from);
        if (!p.isOnline()) {
            return; // a handler kicked the player
        }
        if (instead != null) {
            put(p, instead);
            return;
        }
        boolean wasOnGround = p.onGround;
        p.onGround = m.onGround;
        boolean inWater = inWater(p);
        hunger.moved(p, p.x - oldX, p.y - oldY, p.z - oldZ, wasOnGround, m.onGround, inWater);
        if (arriving && !p.teleportPending) {
            p.fallDistance = 0f; // put somewhere else: what he fell before does not count
        }
        survival.fell(p, p.y - oldY, m.onGround, inWater || climbing(p));
        if (floating(p, p.y - oldY)) {
            if (++p.floatingMoves > MAX_FLOATING_MOVES + StatusEffects.extraAirMoves(p)) {
                logger.warning(p.getName() + " was kicked for floating too long!");
                players.kick(p, FLYING_NOT_ENABLED);
            }
        } else {
            p.floatingMoves = 0;
        }
    }

    /**
     * True when the player's box, with its feet at (x, y, z) and shrunk by {@link #SLACK},
     * takes part of a solid block. Columns the client was not sent count as empty.
     */
    public boolean inSolid(OnlinePlayer p, double x, double y, double z) {
        int x0 = (int) Math.floor(x - PlayerBody.HALF_WIDTH + SLACK);
        int x1 = (int) Math.floor(x + PlayerBody.HALF_WIDTH - SLACK);
        int y0 = Math.max(0, (int) Math.floor(y + SLACK));
        int y1 = Math.min(255, (int) Math.floor(y + PlayerBody.HEIGHT - SLACK));
        int z0 = (int) Math.floor(z - PlayerBody.HALF_WIDTH + SLACK);
        int z1 = (int) Math.floor(z + PlayerBody.HALF_WIDTH - SLACK);
        for (int bx = x0; bx <= x1; bx++) {
            for (int bz = z0; bz <= z1; bz++) {
                if (!p.known.contains(ColumnKey.of(bx >> 4, bz >> 4))) {
                    continue;
                }
                for (int by = y0; by <= y1; by++) {
                    if (BlockRules.solid(blocks.blockAt(bx, by, bz))) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    /**
     * True when the move keeps a player who may not fly up in the air: not sinking (by more than
     * 1/32 of a block) with no block around the box or within 0.55 below it, as the game judges
     * a flying survival player.
     */
    private boolean floating(OnlinePlayer p, double dy) {
        if (properties.allowFlight() || p.getAllowFlight()
                || p.getGameMode() == org.bukkit.GameMode.CREATIVE || dy < -0.03125) {
            return false;
        }
        int x0 = (int) Math.floor(p.x - PlayerBody.HALF_WIDTH - AIR_MARGIN);
        int x1 = (int) Math.floor(p.x + PlayerBody.HALF_WIDTH + AIR_MARGIN);
        int y0 = (int) Math.floor(p.y - AIR_MARGIN - 0.55);
        int y1 = (int) Math.floor(p.y + PlayerBody.HEIGHT + AIR_MARGIN);
        int z0 = (int) Math.floor(p.z - PlayerBody.HALF_WIDTH - AIR_MARGIN);
        int z1 = (int) Math.floor(p.z + PlayerBody.HALF_WIDTH + AIR_MARGIN);
        for (int bx = x0; bx <= x1; bx++) {
            for (int bz = z0; bz <= z1; bz++) {
                if (!p.known.contains(ColumnKey.of(bx >> 4, bz >> 4))) {
                    return false; // land the player cannot see yet: no verdict
                }
                for (int by = Math.max(0, y0); by <= Math.min(255, y1); by++) {
                    if (blocks.blockAt(bx, by, bz) != 0) {
                        return false;
                    }
                }
            }
        }
        return true;
    }

    /** Entity Action: crouching, standing up, starting and stopping to sprint, as the plugins allow. */
    public void stance(OnlinePlayer p, int action) {
        if (action == PlayReads.ACTION_CROUCH || action == PlayReads.ACTION_UNCROUCH) {
            boolean sneaking = action == PlayReads.ACTION_CROUCH;
            if (ActionEvents.sneak(host, p, sneaking)) {
                p.sneaking = sneaking;
            }
        } else if (action == PlayReads.ACTION_START_SPRINT || action == PlayReads.ACTION_STOP_SPRINT) {
            boolean sprinting = action == PlayReads.ACTION_START_SPRINT;
            if (ActionEvents.sprint(host, p, sprinting)) {
                p.sprinting = sprinting;
            }
        }
    }

    /**
     * The client's Player Abilities: it starts or stops flying. A player who may not fly is
     * not believed (the floating check judges him); one a plugin keeps on the ground, or in the
     * air, is told his abilities again.
     */
    public void abilities(OnlinePlayer p, int flags) {
        boolean flying = (flags & PlayReads.ABILITY_FLYING) != 0;
        boolean mayFly = p.getAllowFlight() || p.getGameMode() == org.bukkit.GameMode.CREATIVE;
        if (flying == p.isFlying() || (flying && !mayFly)) {
            return;
        }
        if (ActionEvents.flight(host, p, flying)) {
            p.setFlying(flying);
        } else {
            p.sendAbilities();
        }
    }

    /** The player's feet are on a ladder or a vine. */
    private boolean climbing(OnlinePlayer p) {
        int by = (int) Math.floor(p.y);
        int bx = (int) Math.floor(p.x);
        int bz = (int) Math.floor(p.z);
        if (by < 0 || by > 255 || !p.known.contains(ColumnKey.of(bx >> 4, bz >> 4))) {
            return false;
        }
        int id = blocks.blockAt(bx, by, bz);
        return id == BlockIds.LADDER || id == BlockIds.VINE;
    }

    /** The player's feet are in water, in a column his client has. */
    private boolean inWater(OnlinePlayer p) {
        int bx = (int) Math.floor(p.x);
        int by = (int) Math.floor(p.y);
        int bz = (int) Math.floor(p.z);
        if (by < 0 || by > 255 || !p.known.contains(ColumnKey.of(bx >> 4, bz >> 4))) {
            return false;
        }
        int id = blocks.blockAt(bx, by, bz);
        return id == 8 || id == 9;
    }

    public void teleportBack(OnlinePlayer p) {
        p.teleportPending = true;
        p.connection().send(BodyPackets.position(p));
    }

    /** Teleports the player, on the game thread, unless the teleport event is cancelled. */
    public boolean teleport(OnlinePlayer p, Location to, TeleportCause cause) {
        if (p.dead || !p.isOnline()) {
            return false;
        }
        Location destination = MoveEvents.teleport(host, p, to, cause);
        return destination != null && put(p, destination);
    }

    /** Sets the player's position and tells its client; the viewers follow in the next tick. */
    public boolean put(OnlinePlayer p, Location to) {
        if (!Teleport.validPosition(to.getX(), to.getY(), to.getZ())) {
            return false;
        }
        int oldCx = ColumnKey.chunk(p.x);
        int oldCz = ColumnKey.chunk(p.z);
        p.x = to.getX();
        p.y = to.getY();
        p.z = to.getZ();
        p.yaw = to.getYaw();
        p.pitch = to.getPitch();
        p.floatingMoves = 0;
        if (ColumnKey.chunk(p.x) != oldCx || ColumnKey.chunk(p.z) != oldCz) {
            streaming.stream(p);
        }
        teleportBack(p);
        return true;
    }
}
