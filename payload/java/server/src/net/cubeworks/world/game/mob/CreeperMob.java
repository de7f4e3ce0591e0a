package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.Creeper;

import net.cubeworks.world.game.event.MobEvents;
import net.cubeworks.world.protocol.EntityMetadata;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A creeper: it walks up to its target and, within three blocks, hisses and swells for a second
 * and a half, then explodes with a power of 3 (6 when charged by lightning), unless the target
 * got more than seven blocks away first.
 */
public final class CreeperMob extends Monster implements Creeper {
    public static final int FUSE_TICKS = 30;
    public static final float POWER = 3f;
    boolean powered;
    /** 1 swelling, -1 shrinking back. */
    int state = -1;
    int swell;

    CreeperMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.CREEPER, x, y, z);
    }

    void chase() {
        double d = targets.distanceSquared(target);
        walking.lookAt(target);
        int was = state;
        if (state < 0 && d < 9 && LineOfSight.sees(this, target)) {
            state = 1;
        } else if (state > 0 && (d > 49 || !LineOfSight.sees(this, target))) {
            state = -1;
        }
        if (state > 0) {
            walking.stop();
        } else {
            org.bukkit.Location l = target.getLocation();
            walking.walkTo(floor(l.getX()), floor(l.getY() + 0.01), floor(l.getZ()), 1.0);
        }
        if (state != was) {
            if (state > 0 && swell == 0) {
                mobs.world.toNear(x, y, z, 16, PlayPackets.namedSoundEffect("creeper.primed", x, y, z, 1f, 0.5f));
            }
            sendMetadata();
        }
    }

    void think(long tick) {
        super.think(tick);
        if (target == null && state > 0) {
            state = -1;
            sendMetadata();
        }
        swell = Math.max(0, swell + state);
        if (swell >= FUSE_TICKS) {
            explode();
        }
    }

    private void explode() {
        float power = MobEvents.prime(mobs.world.host(), this, powered ? POWER * 2 : POWER);
        if (power < 0) {
            swell = FUSE_TICKS - 1; // a plugin stopped it: it stays swollen and tries again
            return;
        }
        dead = true;
        markRemoved();
        mobs.world.explode(this, x, y, z, power);
    }

    void kindMetadata(EntityMetadata m) {
        m.putByte(16, state);
        m.putByte(17, powered ? 1 : 0);
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        out.add(some(289, 2)); // gunpowder
        return out;
    }

    public boolean isPowered() {
        return powered;
    }

    public void setPowered(boolean p) {
        synchronized (lock) {
            powered = p;
            sendMetadata();
        }
    }
}
