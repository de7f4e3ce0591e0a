package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.Collections;
import java.util.Iterator;
import java.util.List;

import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/** Who sees whom: players spawned and destroyed for each other, and told how the others move. */
final class Visibility {
    static final int TELEPORT_INTERVAL_TICKS = 20 * GameWorld.TICKS_PER_SECOND;

    private final Players players;
    private final Delivery delivery;

    Visibility(Players players, Delivery delivery) {
        this.players = players;
        this.delivery = delivery;
    }

    /** A position in the protocol's fixed point: 1/32 of a block, rounding down. */
    static int fixed(double v) {
        return (int) Math.floor(v * 32.0);
    }

    /** An angle in the protocol's 1/256 turns. */
    static int angle(float degrees) {
        return (int) (degrees * 256.0f / 360.0f) & 0xFF;
    }

    private static PacketOut spawnPacketFor(OnlinePlayer viewer, OnlinePlayer p) {
        int held = p.inventory().item(p.handSlot());
        return PlayPackets.spawnPlayer(viewer.connection().protocol(), p.getEntityId(), p.getUniqueId(), p.getName(),
                p.properties, p.sentX, p.sentY, p.sentZ, p.sentYaw, p.sentPitch, held, p.health);
    }

    private static boolean shouldSee(OnlinePlayer viewer, OnlinePlayer p) {
        return p != viewer && !p.dead && p.isOnline() && !viewer.hidden.contains(p.getUniqueId())
                && viewer.known.contains(ColumnKey.of(ColumnKey.chunk(p.x), ColumnKey.chunk(p.z)));
    }

    /** Spawns and destroys players for every viewer as who sees whom has changed. */
    void update() {
        List<OnlinePlayer> all = players.inJoinOrder();
        for (OnlinePlayer viewer : all) {
            List<Integer> gone = null;
            Iterator<OnlinePlayer> it = viewer.shown.iterator();
            while (it.hasNext()) {
                OnlinePlayer p = it.next();
                if (!shouldSee(viewer, p)) {
                    it.remove();
                    if (gone == null) {
                        gone = new ArrayList<Integer>();
                    }
                    gone.add(p.getEntityId());
                }
            }
            if (gone != null) {
                delivery.out(viewer, PlayPackets.destroyEntities(gone));
            }
            for (OnlinePlayer p : all) {
                if (!viewer.shown.contains(p) && shouldSee(viewer, p)) {
                    viewer.shown.add(p);
                    delivery.out(viewer, spawnPacketFor(viewer, p));
                    delivery.out(viewer, PlayPackets.entityHeadLook(p.getEntityId(), p.sentYaw));
                }
            }
        }
    }

    /** The player is gone from sight (left, or died): every client that shows it destroys it. */
    void hide(OnlinePlayer p) {
        for (OnlinePlayer viewer : players.inJoinOrder()) {
            if (viewer.shown.remove(p)) {
                delivery.out(viewer, PlayPackets.destroyEntities(Collections.singletonList(p.getEntityId())));
            }
        }
    }

    /** Tells the viewers of a player how it moved and turned since the last tick. */
    void trackMovement(OnlinePlayer p, List<OnlinePlayer> viewers, long tick) {
        int fx = fixed(p.x);
        int fy = fixed(p.y);
        int fz = fixed(p.z);
        int yaw = angle(p.yaw);
        int pitch = angle(p.pitch);
        int dx = fx - p.sentX;
        int dy = fy - p.sentY;
        int dz = fz - p.sentZ;
        boolean moved = dx != 0 || dy != 0 || dz != 0;
        boolean turned = yaw != p.sentYaw || pitch != p.sentPitch;
        int id = p.getEntityId();
        PacketOut packet = null;
        if (tick - p.lastTeleportTick >= TELEPORT_INTERVAL_TICKS || dx < -128 || dx > 127 || dy < -128 || dy > 127
                || dz < -128 || dz > 127) {
            packet = PlayPackets.entityTeleport(id, fx, fy, fz, yaw, pitch);
            p.lastTeleportTick = tick;
        } else if (moved && turned) {
            packet = PlayPackets.entityLookAndRelativeMove(id, dx, dy, dz, yaw, pitch);
        } else if (moved) {
            packet = PlayPackets.entityRelativeMove(id, dx, dy, dz);
        } else if (turned) {
            packet = PlayPackets.entityLook(id, yaw, pitch);
        }
        byte[] head = yaw != p.sentYaw ? PlayPackets.entityHeadLook(id, yaw).frame() : null;
        p.sentX = fx;
        p.sentY = fy;
        p.sentZ = fz;
        p.sentYaw = yaw;
        p.sentPitch = pitch;
        if (packet == null) {
            return;
        }
        byte[] frame = packet.frame();
        for (OnlinePlayer viewer : viewers) {
            if (viewer.shown.contains(p)) {
                delivery.out(viewer, frame);
                if (head != null) {
                    delivery.out(viewer, head);
                }
            }
        }
    }

    /** Sends a packet to every client that shows the player. */
    void toViewers(OnlinePlayer p, PacketOut packet) {
        byte[] frame = packet.frame();
        for (OnlinePlayer viewer : players.inJoinOrder()) {
            if (viewer.shown.contains(p)) {
                delivery.out(viewer, frame);
            }
        }
    }
}
