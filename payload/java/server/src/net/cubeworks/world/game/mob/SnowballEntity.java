package net.cubeworks.world.game.mob;

import org.bukkit.entity.Blaze;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Snowball;
import org.bukkit.projectiles.ProjectileSource;

import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.protocol.MobPackets;

/** A snowball: it pushes what it hits without hurting it (3 points to a blaze) and breaks. */
public final class SnowballEntity extends Thrown implements Snowball {
    SnowballEntity(Mobs mobs, ProjectileSource shooter, double x, double y, double z) {
        super(mobs, shooter, x, y, z);
    }

    int objectType() {
        return MobPackets.OBJECT_SNOWBALL;
    }

    void impact(Living hit) {
        if (hit != null) {
            strike(hit, hit instanceof Blaze ? 3 : 0);
        }
    }

    public EntityType getType() {
        return EntityType.SNOWBALL;
    }
}
