package net.cubeworks.world.game.entity;

import java.util.Collections;
import java.util.List;
import java.util.UUID;

import org.bukkit.EntityEffect;
import org.bukkit.entity.EntityType;

import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * An orb of experience: it falls at 0.03 blocks a tick per tick, drifts toward the nearest
 * player within 8 blocks (the nearer, the faster), bounces on the ground, and is gone after five
 * minutes; a player it touches takes its points (one orb every 2 ticks). See {@link GroundOrbs}.
 */
public final class ExperienceOrb extends GroundEntity implements org.bukkit.entity.ExperienceOrb {
    static final double GRAVITY = 0.03;
    /** How far an orb looks for a player to drift to. */
    static final double REACH = 8;
    /** The game's orb sizes: a sum of experience falls as orbs of these values, the largest first. */
    private static final int[] SIZES = {2477, 1237, 617, 307, 149, 73, 37, 17, 7, 3, 1};

    private volatile int value;
    public int age;
    public short health = 5;
    /** The player it drifts toward, set by the world's items each tick; null for none. */
    WorldEntity target;

    ExperienceOrb(GroundItems ground, int entityId, UUID uuid, int value) {
        super(ground, entityId, uuid);
        this.value = value;
    }

    /** The largest orb value not above the sum, as the game splits experience into orbs. */
    public static int split(int sum) {
        for (int s : SIZES) {
            if (sum >= s) {
                return s;
            }
        }
        return 1;
    }

    public int value() {
        return value;
    }

    public List<PacketOut> spawnPackets(int viewerProtocol) {
        return Collections.singletonList(PlayPackets.spawnExperienceOrb(getEntityId(), sent.x, sent.y, sent.z,
                Math.min(value, Short.MAX_VALUE)));
    }

    @Override
    public int updateInterval() {
        return 20;
    }

    @Override
    public void tick(long tick) {
        super.tick(tick);
        motionY -= GRAVITY;
        WorldEntity t = target;
        if (t != null) {
            double dx = (t.x - x) / REACH;
            double dy = (t.y + PlayerBody.EYE_HEIGHT - y) / REACH;
            double dz = (t.z - z) / REACH;
            double d = Math.sqrt(dx * dx + dy * dy + dz * dz);
            double pull = 1 - d;
            if (pull > 0 && d > 0) {
                pull *= pull;
                motionX += dx / d * pull * 0.1;
                motionY += dy / d * pull * 0.1;
                motionZ += dz / d * pull * 0.1;
            }
        }
        Motion.move(this, ground, 0.25);
        double friction = 0.98;
        if (onGround) {
            friction = ItemEntity.slipperiness(ground.blockAt(ItemEntity.floor(x), ItemEntity.floor(y - 0.25) - 1,
                    ItemEntity.floor(z))) * 0.98;
        }
        motionX *= friction;
        motionY *= 0.98;
        motionZ *= friction;
        if (onGround) {
            motionY *= -0.9;
        }
        if (y < -64 || ++age >= ItemEntity.LIFETIME) {
            markRemoved();
        }
    }

    public int getExperience() {
        return value;
    }

    public void setExperience(int experience) {
        value = Math.max(0, experience);
    }

    public EntityType getType() {
        return EntityType.EXPERIENCE_ORB;
    }

    public void playEffect(EntityEffect type) {
        // an orb shows no entity effects
    }

    @Override
    public String toString() {
        return "CraftExperienceOrb";
    }
}
