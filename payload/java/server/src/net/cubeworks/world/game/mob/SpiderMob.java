package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.Spider;
import org.bukkit.event.entity.EntityTargetEvent.TargetReason;

import net.cubeworks.world.protocol.EntityMetadata;

/**
 * A spider: it climbs walls, leaps at its target from a few blocks away, and is neutral in the
 * light: there it takes no target of its own and, now and then, lets its target go.
 */
public final class SpiderMob extends Monster implements Spider {
    boolean climbing;

    SpiderMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.SPIDER, x, y, z);
    }

    private boolean inTheLight() {
        int l = mobs.world.light(floor(x), floor(y + 0.5), floor(z));
        if (l < 0) {
            return false;
        }
        int dark = Daylight.skyDarkening(mobs.world.dayTime(), mobs.world.raining(), mobs.world.thundering());
        int level = Math.max((l >> 4) - dark, l & 15);
        return Daylight.brightness(level) > 0.5f;
    }

    boolean mayTakeTarget() {
        return !inTheLight();
    }

    void think(long tick) {
        if (target != null && mobs.random.nextInt(100) == 0 && inTheLight()) {
            targets.set(null, TargetReason.FORGOT_TARGET);
        }
        super.think(tick);
        if (target != null && onGround) {
            double d = targets.distanceSquared(target);
            if (d > 4 && d < 16 && mobs.random.nextInt(10) == 0) {
                org.bukkit.Location l = target.getLocation();
                double dx = l.getX() - x;
                double dz = l.getZ() - z;
                double len = Math.sqrt(dx * dx + dz * dz);
                motionX = dx / len * 0.5 * 0.8 + motionX * 0.2;
                motionZ = dz / len * 0.5 * 0.8 + motionZ * 0.2;
                motionY = 0.4;
                onGround = false;
            }
        }
        boolean climb = body.collidedHorizontally;
        if (climb) {
            motionY = 0.2; // up the wall
            fallDistance = 0;
        }
        if (climb != climbing) {
            climbing = climb;
            sendMetadata();
        }
    }

    void kindMetadata(EntityMetadata m) {
        m.putByte(16, climbing ? 1 : 0);
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        out.add(some(287, 2)); // string
        if (byPlayer && mobs.random.nextInt(3) == 0) {
            out.add(new int[] {375, 1, 0}); // spider eye
        }
        return out;
    }
}
