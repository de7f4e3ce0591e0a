package net.cubeworks.world.protocol;

/**
 * The packets that show living things other than players, and thrown things: a mob with its
 * metadata, an object (arrow, snowball, egg) with its motion, later metadata, a bed's sleeper.
 */
public final class MobPackets {
    public static final int USE_BED = 0x0A;
    public static final int SPAWN_OBJECT = 0x0E;
    public static final int SPAWN_MOB = 0x0F;
    public static final int ENTITY_METADATA = 0x1C;

    /** Entity Status: the entity died (it falls over and turns to smoke). */
    public static final int STATUS_DEATH = 3;
    /** Entity Status of a sheep: it bows its head to eat grass. */
    public static final int STATUS_SHEEP_EATING = 10;

    /** Spawn Object types of the thrown things. */
    public static final int OBJECT_ARROW = 60;
    public static final int OBJECT_SNOWBALL = 61;
    public static final int OBJECT_EGG = 62;

    private MobPackets() {
    }

    /**
     * Spawn Mob: the type, the place in fixed point (1/32 block), the yaw, pitch and head yaw in
     * 1/256 turns, the motion in 1/8000 blocks a tick, and the metadata.
     */
    public static PacketOut spawnMob(int entityId, int type, int fx, int fy, int fz, int yaw, int pitch, int headYaw,
            double vx, double vy, double vz, byte[] metadata) {
        return new PacketOut(SPAWN_MOB).writeVarInt(entityId).writeByte(type).writeInt(fx).writeInt(fy).writeInt(fz)
                .writeByte(yaw).writeByte(pitch).writeByte(headYaw).writeShort(velocity(vx)).writeShort(velocity(vy))
                .writeShort(velocity(vz)).writeBytes(metadata);
    }

    /**
     * Spawn Object: the type, the place, pitch and yaw, and the data (for an arrow the shooter's
     * entity id plus one; 0 none); when the data is not 0 the motion follows.
     */
    public static PacketOut spawnObject(int entityId, int type, int fx, int fy, int fz, int pitch, int yaw, int data,
            double vx, double vy, double vz) {
        PacketOut p = new PacketOut(SPAWN_OBJECT).writeVarInt(entityId).writeByte(type).writeInt(fx).writeInt(fy)
                .writeInt(fz).writeByte(pitch).writeByte(yaw).writeInt(data);
        if (data != 0) {
            p.writeShort(velocity(vx)).writeShort(velocity(vy)).writeShort(velocity(vz));
        }
        return p;
    }

    public static PacketOut entityMetadata(int entityId, byte[] metadata) {
        return new PacketOut(ENTITY_METADATA).writeInt(entityId).writeBytes(metadata);
    }

    /** Use Bed: the player lies in the bed at the block. */
    public static PacketOut useBed(int entityId, int x, int y, int z) {
        return new PacketOut(USE_BED).writeInt(entityId).writeInt(x).writeByte(y).writeInt(z);
    }

    private static int velocity(double v) {
        return (int) (Math.max(-3.9, Math.min(3.9, v)) * 8000);
    }
}
