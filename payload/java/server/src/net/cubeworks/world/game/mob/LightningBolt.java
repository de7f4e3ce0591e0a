package net.cubeworks.world.game.mob;

import java.util.Collections;
import java.util.List;

import org.bukkit.entity.EntityType;
import org.bukkit.entity.LightningStrike;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.game.entity.TrackedPosition;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.WeatherEvents;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A bolt of lightning: shown to the players within 512 blocks (their clients play the thunder);
 * unless it is only an effect, it sets the block it strikes alight (on normal and hard), and
 * everything living within three blocks takes 5 points of fire damage and burns for 8 seconds; a
 * creeper struck becomes charged. It is not kept as an entity of the world.
 */
public final class LightningBolt extends Thing implements LightningStrike {
    static final double REACH = 3;
    static final float DAMAGE = 5;
    private final boolean effect;

    LightningBolt(Mobs mobs, double x, double y, double z, boolean effect) {
        super(mobs);
        this.x = x;
        this.y = y;
        this.z = z;
        this.effect = effect;
    }

    public List<PacketOut> spawnPackets(int viewerProtocol) {
        return Collections.singletonList(packet());
    }

    private PacketOut packet() {
        return PlayPackets.spawnGlobalEntity(getEntityId(), PlayPackets.GLOBAL_ENTITY_THUNDERBOLT,
                TrackedPosition.fixed(x), TrackedPosition.fixed(y), TrackedPosition.fixed(z));
    }

    /** Strikes, as the lightning event allows: false when a plugin stopped it. */
    boolean strike() {
        if (!WeatherEvents.lightning(mobs.world.host(), mobs.world.api(), this)) {
            return false;
        }
        mobs.world.toNear(x, y, z, 512, packet());
        if (effect) {
            return true;
        }
        int bx = Mob.floor(x);
        int by = Mob.floor(y);
        int bz = Mob.floor(z);
        if (mobs.world.difficulty() >= 2 && mobs.world.blockAt(bx, by, bz) == 0
                && Shapes.cube(mobs.world.blockAt(bx, by - 1, bz), mobs.world.metaAt(bx, by - 1, bz))) {
            mobs.world.setBlock(bx, by, bz, 51, 0);
        }
        for (WorldEntity e : mobs.world.entities().all()) {
            if (e.isRemoved() || Math.abs(e.x - x) > REACH || Math.abs(e.z - z) > REACH || e.y < y - REACH
                    || e.y > y + 6 + REACH) {
                continue;
            }
            if (e instanceof Mob) {
                Mob m = (Mob) e;
                if (m instanceof CreeperMob) {
                    ((CreeperMob) m).setPowered(true);
                }
                m.hurt(DAMAGE, null, DamageCause.LIGHTNING);
                m.hazards.setOnFire(8);
            } else if (e instanceof Player) {
                Player p = (Player) e;
                mobs.world.burnPlayer(p, DAMAGE, 8, p.getName() + " went up in flames");
            }
        }
        return true;
    }

    public boolean isEffect() {
        return effect;
    }

    public EntityType getType() {
        return EntityType.LIGHTNING;
    }
}
