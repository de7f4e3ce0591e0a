package net.cubeworks.world.game.entity;

/**
 * Where an entity's viewers last saw it, in the protocol's units (1/32 block, 1/256 turn), and when
 * they were last sent a whole position instead of a move.
 */
public final class TrackedPosition {
    public int x;
    public int y;
    public int z;
    public int yaw;
    public int pitch;
    public long lastTeleportTick;

    /** A position in the protocol's fixed point: 1/32 of a block, rounding down. */
    public static int fixed(double v) {
        return (int) Math.floor(v * 32.0);
    }

    /** An angle in the protocol's 1/256 turns. */
    public static int angle(float degrees) {
        return (int) (degrees * 256.0f / 360.0f) & 0xFF;
    }

    /** Takes the entity's place as it is now, as if every viewer had just been told. */
    public void reset(WorldEntity e, long tick) {
        x = fixed(e.x);
        y = fixed(e.y);
        z = fixed(e.z);
        yaw = angle(e.yaw);
        pitch = angle(e.pitch);
        lastTeleportTick = tick;
    }
}
