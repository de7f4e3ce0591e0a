package net.cubeworks.world.game.entity;

import java.util.Collections;
import java.util.List;

import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.TNTPrimed;

import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Primed TNT: it hops up a little as it is lit, falls and slides as the game's things do, and when
 * its fuse has burnt (80 ticks from a light, fewer from another blast) explodes with power 4
 * through the world's explosion (which plugins see as EntityExplodeEvent). Shown as the game's
 * Spawn Object of type 50.
 */
public final class TntEntity extends ObjectEntity implements TNTPrimed {
    public static final float POWER = 4.0f;
    private int fuse;
    private float yield = POWER;
    private boolean incendiary;

    public TntEntity(EntityWorld world, double x, double y, double z, int fuse) {
        super(world, x, y, z);
        this.fuse = fuse;
        double a = world.random().nextFloat() * Math.PI * 2;
        motionX = -Math.sin(a) * 0.02;
        motionY = 0.2;
        motionZ = -Math.cos(a) * 0.02;
    }

    @Override
    public List<PacketOut> spawnPackets(int viewerProtocol) {
        return Collections.singletonList(PlayPackets.spawnObject(getEntityId(), PlayPackets.OBJECT_PRIMED_TNT, sent.x,
                sent.y, sent.z, 0, 0, 0, 0, 0, 0));
    }

    @Override
    public int trackingRange() {
        return 160;
    }

    @Override
    public void tick(long tick) {
        super.tick(tick);
        if (!world.loaded((int) Math.floor(x), (int) Math.floor(z))) {
            return; // it waits at the edge of the land held
        }
        motionY -= 0.04;
        moveWithCollisions();
        motionX *= 0.98;
        motionY *= 0.98;
        motionZ *= 0.98;
        if (onGround) {
            motionX *= 0.7;
            motionZ *= 0.7;
            motionY *= -0.5;
        }
        if (fuse-- <= 0) {
            markRemoved();
            world.explode(this, x, y, z, yield, incendiary);
        }
    }

    // --- the plugin API's primed TNT ---

    public EntityType getType() {
        return EntityType.PRIMED_TNT;
    }

    public void setFuseTicks(int ticks) {
        synchronized (lock) {
            fuse = ticks;
        }
    }

    public int getFuseTicks() {
        synchronized (lock) {
            return fuse;
        }
    }

    public Entity getSource() {
        return null;
    }

    public void setYield(float value) {
        synchronized (lock) {
            yield = value;
        }
    }

    public float getYield() {
        synchronized (lock) {
            return yield;
        }
    }

    public void setIsIncendiary(boolean value) {
        synchronized (lock) {
            incendiary = value;
        }
    }

    public boolean isIncendiary() {
        synchronized (lock) {
            return incendiary;
        }
    }
}
