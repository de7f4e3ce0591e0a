package net.cubeworks.world.game.mob;

import java.util.Random;

import org.bukkit.entity.Egg;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason;
import org.bukkit.projectiles.ProjectileSource;

import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.game.event.ProjectileEvents;
import net.cubeworks.world.protocol.MobPackets;

/**
 * An egg: it pushes what it hits without hurting it and breaks, and one time in eight a chick
 * hatches where it broke (one of those times in 32, four chicks). A player's egg asks the
 * plugins what hatches (PlayerEggThrowEvent).
 */
public final class EggEntity extends Thrown implements Egg {
    EggEntity(Mobs mobs, ProjectileSource shooter, double x, double y, double z) {
        super(mobs, shooter, x, y, z);
    }

    int objectType() {
        return MobPackets.OBJECT_EGG;
    }

    /** How many chicks hatch from an egg that broke, by the game's two draws: 0, 1 or 4. */
    static int chicks(Random r) {
        boolean hatching = r.nextInt(8) == 0;
        int n = r.nextInt(32) == 0 ? 4 : 1;
        return hatching ? n : 0;
    }

    void impact(Living hit) {
        if (hit != null) {
            strike(hit, 0);
        }
        int[] count = {chicks(mobs.random)};
        EntityType kind = count[0] > 0 ? EntityType.CHICKEN : null;
        if (shooter instanceof Player) {
            kind = ProjectileEvents.eggThrow(mobs.world.host(), (Player) shooter, this, count);
        }
        MobKind hatches = kind == null ? null : MobKind.of(kind);
        for (int i = 0; hatches != null && i < count[0]; i++) {
            Mob m = mobs.create(hatches, x, y, z);
            m.yaw = yaw;
            if (m instanceof Animal) {
                ((Animal) m).age = Animal.BABY_AGE;
            } else if (m instanceof ZombieMob) {
                ((ZombieMob) m).baby = true;
            }
            mobs.add(m, SpawnReason.EGG);
        }
    }

    public EntityType getType() {
        return EntityType.EGG;
    }
}
