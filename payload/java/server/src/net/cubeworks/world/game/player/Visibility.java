package net.cubeworks.world.game.player;

import java.util.ArrayList;
import java.util.Collections;
import java.util.Iterator;
import java.util.List;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.player.Delivery;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Who sees what: every entity, of every kind, is spawned for the players in whose range it comes
 * (its own spawn packets) and destroyed for those it leaves, and its viewers are told how it moves
 * and turns: relative moves while they fit, a whole position now and then and after a jump.
 */
public final class Visibility {
    static final int TELEPORT_INTERVAL_TICKS = 20 * 20; // every 20 seconds
    /** The most entities one Destroy Entities names (its count is a signed byte). */
    static final int MAX_DESTROYED = 127;

    private final Players players;
    private final Entities entities;
    private final Delivery delivery;

    public Visibility(Players players, Entities entities, Delivery delivery) {
        this.players = players;
        this.entities = entities;
        this.delivery = delivery;
    }

    private static boolean shouldSee(OnlinePlayer viewer, WorldEntity e) {
        if (e == viewer || e.isRemoved() || !viewer.known.contains(ColumnKey.of(ColumnKey.chunk(e.x), ColumnKey.chunk(e.z)))) {
            return false;
        }
        if (e instanceof OnlinePlayer) {
            OnlinePlayer p = (OnlinePlayer) e;
            return !p.dead && p.isOnline() && !viewer.hidden.contains(p.getUniqueId());
        }
        int range = e.trackingRange();
        return Math.abs(e.x - viewer.x) <= range && Math.abs(e.z - viewer.z) <= range;
    }

    /** Spawns and destroys entities for every viewer as who sees what has changed. */
    public void update() {
        update(-1);
    }

    /**
     * As {@link #update()}, in the world's tick: an entity told of its moves only every so many
     * ticks (an item) is looked at in the tick its moves are told, when new, and when gone; so
     * thousands of items lying still cost little.
     */
    public void update(long tick) {
        List<WorldEntity> all = entities.all();
        for (OnlinePlayer viewer : players.inJoinOrder()) {
            List<Integer> gone = null;
            Iterator<WorldEntity> it = viewer.shown.iterator();
            while (it.hasNext()) {
                WorldEntity e = it.next();
                if ((e.isRemoved() || due(e, tick)) && !shouldSee(viewer, e)) {
                    it.remove();
                    if (gone == null) {
                        gone = new ArrayList<Integer>();
                    }
                    gone.add(e.getEntityId());
                }
            }
            if (gone != null) {
                // the count is one byte: many at once (a player teleported away from a crowd of mobs) go in parts
                for (int from = 0; from < gone.size(); from += MAX_DESTROYED) {
                    delivery.out(viewer, PlayPackets.destroyEntities(
                            gone.subList(from, Math.min(gone.size(), from + MAX_DESTROYED))));
                }
            }
            for (WorldEntity e : all) {
                if (due(e, tick) && !viewer.shown.contains(e) && shouldSee(viewer, e)) {
                    viewer.shown.add(e);
                    for (PacketOut packet : e.spawnPackets(viewer.connection().protocol())) {
                        delivery.out(viewer, packet);
                    }
                }
            }
        }
    }

    private static boolean due(WorldEntity e, long tick) {
        int n = e.updateInterval();
        return tick < 0 || n <= 1 || e.ticksLived <= n || (tick + e.getEntityId()) % n == 0;
    }

    /** The entity is gone from sight (left, died, removed): every client that shows it destroys it. */
    public void hide(WorldEntity e) {
        for (OnlinePlayer viewer : players.inJoinOrder()) {
            if (viewer.shown.remove(e)) {
                delivery.out(viewer, PlayPackets.destroyEntities(Collections.singletonList(e.getEntityId())));
            }
        }
    }

    /** Tells the viewers of an entity how it moved and turned since the last tick. */
    public void trackMovement(WorldEntity e, List<OnlinePlayer> viewers, long tick) {
        TrackedPosition sent = e.sent;
        int fx = TrackedPosition.fixed(e.x);
        int fy = TrackedPosition.fixed(e.y);
        int fz = TrackedPosition.fixed(e.z);
        int yaw = TrackedPosition.angle(e.yaw);
        int pitch = TrackedPosition.angle(e.pitch);
        int dx = fx - sent.x;
        int dy = fy - sent.y;
        int dz = fz - sent.z;
        boolean moved = dx != 0 || dy != 0 || dz != 0;
        boolean turned = yaw != sent.yaw || pitch != sent.pitch;
        int id = e.getEntityId();
        PacketOut packet = null;
        if (tick - sent.lastTeleportTick >= TELEPORT_INTERVAL_TICKS || dx < -128 || dx > 127 || dy < -128 || dy > 127
                || dz < -128 || dz > 127) {
            packet = PlayPackets.entityTeleport(id, fx, fy, fz, yaw, pitch);
            sent.lastTeleportTick = tick;
        } else if (moved && turned) {
            packet = PlayPackets.entityLookAndRelativeMove(id, dx, dy, dz, yaw, pitch);
        } else if (moved) {
            packet = PlayPackets.entityRelativeMove(id, dx, dy, dz);
        } else if (turned) {
            packet = PlayPackets.entityLook(id, yaw, pitch);
        }
        byte[] head = yaw != sent.yaw ? PlayPackets.entityHeadLook(id, yaw).frame() : null;
        sent.x = fx;
        sent.y = fy;
        sent.z = fz;
        sent.yaw = yaw;
        sent.pitch = pitch;
        if (packet == null) {
            return;
        }
        byte[] frame = packet.frame();
        for (OnlinePlayer viewer : viewers) {
            if (viewer.shown.contains(e)) {
                delivery.out(viewer, frame);
                if (head != null) {
                    delivery.out(viewer, head);
                }
            }
        }
    }

    /** Sends a packet to every client that shows the entity. */
    public void toViewers(WorldEntity e, PacketOut packet) {
        byte[] frame = packet.frame();
        for (OnlinePlayer viewer : players.inJoinOrder()) {
            if (viewer.shown.contains(e)) {
                delivery.out(viewer, frame);
            }
        }
    }
}
