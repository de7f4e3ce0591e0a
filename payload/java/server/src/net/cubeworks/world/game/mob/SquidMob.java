package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.Squid;

/** A squid: it drifts about in water, pushing off now and then, and leaves one to three ink sacs. */
public final class SquidMob extends Mob implements Squid {
    int swimTicks;

    SquidMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.SQUID, x, y, z);
    }

    void think(long tick) {
        if (!body.inWater) {
            return;
        }
        motionY += Body.WATER_GRAVITY; // it floats
        if (--swimTicks <= 0) {
            swimTicks = 40 + mobs.random.nextInt(60);
            float a = mobs.random.nextFloat() * (float) Math.PI * 2;
            motionX = Math.cos(a) * 0.2;
            motionY = (mobs.random.nextFloat() - 0.5) * 0.2;
            motionZ = Math.sin(a) * 0.2;
            yaw = headYaw = (float) Math.toDegrees(-a) + 90;
        }
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        out.add(new int[] {351, 1 + mobs.random.nextInt(3), 0});
        return out;
    }
}
