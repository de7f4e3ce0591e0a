package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.EntityEffect;

import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.protocol.EntityMetadata;
import net.cubeworks.world.protocol.MobPackets;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * What a viewer is told of a mob: the Spawn Mob packet with its place, look, motion and metadata,
 * then what it holds and wears; its metadata (the burning flag, air, health, name, and the kind's
 * own entries), sent again when it changes (its name, as plugins set it, among them); and the
 * effects plugins have it play.
 */
final class Appearance {
    private Appearance() {
    }

    static List<PacketOut> spawnPackets(Mob m) {
        List<PacketOut> out = new ArrayList<PacketOut>(2);
        int id = m.getEntityId();
        out.add(MobPackets.spawnMob(id, m.kind.typeId, TrackedPosition.fixed(m.x), TrackedPosition.fixed(m.y),
                TrackedPosition.fixed(m.z), TrackedPosition.angle(m.yaw), TrackedPosition.angle(m.pitch),
                TrackedPosition.angle(m.headYaw), m.motionX, m.motionY, m.motionZ, metadata(m)));
        if (m.heldItem != 0) {
            out.add(PlayPackets.entityEquipment(id, 0, m.heldItem, 1, 0));
        }
        for (int i = 0; i < 4; i++) {
            if (m.armour[i] != null && m.armour[i].getTypeId() != 0) {
                out.add(PlayPackets.entityEquipment(id, i + 1, m.armour[i].getTypeId(), 1,
                        m.armour[i].getDurability()));
            }
        }
        return out;
    }

    /** Tells the mob's viewers its metadata as it is now. */
    static void sendMetadata(Mob m) {
        m.mobs.world.toViewers(m, MobPackets.entityMetadata(m.getEntityId(), metadata(m)));
    }

    /** A plugin names the mob (at most 64 characters; null for none). */
    static void setName(Mob m, String name) {
        synchronized (m.lock()) {
            m.customName = name == null ? null : name.length() > 64 ? name.substring(0, 64) : name;
            sendMetadata(m);
        }
    }

    static void setNameVisible(Mob m, boolean visible) {
        synchronized (m.lock()) {
            m.customNameVisible = visible;
            sendMetadata(m);
        }
    }

    /** An effect a plugin has the mob play (hurt, death, hearts...), as its Entity Status. */
    static void playEffect(Mob m, EntityEffect type) {
        if (type != null) {
            m.mobs.world.toViewers(m, PlayPackets.entityStatus(m.getEntityId(), type.getData()));
        }
    }

    /** The metadata a viewer is told: the flags (burning), air, health, name, and the kind's own. */
    static byte[] metadata(Mob m) {
        EntityMetadata meta = new EntityMetadata();
        meta.putByte(0, m.fireTicks > 0 ? 1 : 0);
        meta.putShort(1, m.getRemainingAir());
        meta.putFloat(6, Math.max(0, m.health));
        if (m.customName != null) {
            meta.putString(10, m.customName);
            meta.putByte(11, m.customNameVisible ? 1 : 0);
        }
        m.kindMetadata(meta);
        return meta.bytes();
    }
}
