package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Skeleton;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.event.MobEvents;
import net.cubeworks.world.protocol.EntityMetadata;

/**
 * A skeleton: it holds a bow and shoots at its target from up to 15 blocks once it has seen it a
 * second, every one to three seconds (sooner the nearer), and burns in daylight.
 */
public final class SkeletonMob extends Monster implements Skeleton {
    static final double RANGE = 15;
    static final int BOW = 261;
    int seeTicks;
    int shotWait = 40;
    SkeletonType type = SkeletonType.NORMAL;

    SkeletonMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.SKELETON, x, y, z);
        heldItem = BOW;
    }

    boolean undead() {
        return true;
    }

    void chase() {
        double d = targets.distanceSquared(target);
        boolean sees = LineOfSight.sees(this, target);
        seeTicks = sees ? seeTicks + 1 : 0;
        walking.lookAt(target);
        if (d <= RANGE * RANGE && seeTicks >= 20) {
            walking.stop();
        } else {
            org.bukkit.Location l = target.getLocation();
            walking.walkTo(floor(l.getX()), floor(l.getY() + 0.01), floor(l.getZ()), 1.0);
        }
        if (--shotWait <= 0) {
            if (d > RANGE * RANGE || !sees) {
                shotWait = 1;
                return;
            }
            double f = Math.max(0.1, Math.min(1, Math.sqrt(d) / RANGE));
            shoot(target, (float) f);
            shotWait = (int) Math.floor(f * 40 + 20);
        }
    }

    /** An arrow at the target, aimed a little above it for the drop, spread by the difficulty. */
    void shoot(LivingEntity t, float force) {
        ArrowEntity arrow = new ArrowEntity(mobs, this, x, y + getEyeHeight() - 0.1, z);
        org.bukkit.Location l = t.getLocation();
        double dx = l.getX() - x;
        double dy = l.getY() + t.getEyeHeight() * 0.33 - arrow.y;
        double dz = l.getZ() - z;
        double horizontal = Math.sqrt(dx * dx + dz * dz);
        arrow.aim(dx, dy + horizontal * 0.2, dz, 1.6f, 14 - mobs.world.difficulty() * 4);
        arrow.damage = force * 2 + mobs.random.nextGaussian() * 0.25 + mobs.world.difficulty() * 0.11;
        if (!MobEvents.shootBow(mobs.world.host(), this, new ItemStack(BOW, 1), arrow, force)
                || !net.cubeworks.world.game.event.ProjectileEvents.launch(mobs.world.host(), arrow)) {
            return;
        }
        mobs.world.entities().add(arrow);
        mobs.world.toNear(x, y, z, 16, net.cubeworks.world.protocol.PlayPackets.namedSoundEffect("random.bow", x, y, z,
                1f, 1f / (mobs.random.nextFloat() * 0.4f + 0.8f)));
    }

    void kindMetadata(EntityMetadata m) {
        m.putByte(13, type.getId());
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        out.add(some(262, 2)); // arrows
        out.add(some(352, 2)); // bones
        if (byPlayer && mobs.random.nextFloat() < dropChances[0]) {
            out.add(new int[] {BOW, 1, mobs.random.nextInt(300)});
        }
        return out;
    }

    public SkeletonType getSkeletonType() {
        return type;
    }

    public void setSkeletonType(SkeletonType t) {
        synchronized (lock) {
            type = t == null ? SkeletonType.NORMAL : t;
            sendMetadata();
        }
    }
}
