package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.Zombie;

import net.cubeworks.world.protocol.EntityMetadata;

/** A zombie: it walks at the nearest player from as far as 40 blocks and burns in daylight. */
public final class ZombieMob extends Monster implements Zombie {
    boolean baby;
    boolean villager;

    ZombieMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.ZOMBIE, x, y, z);
    }

    boolean undead() {
        return true;
    }

    void kindMetadata(EntityMetadata m) {
        m.putByte(12, baby ? 1 : 0);
        m.putByte(13, villager ? 1 : 0);
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        out.add(some(367, 2)); // rotten flesh
        if (byPlayer && mobs.random.nextInt(200) < 5) {
            int[] rare = {265, 391, 392}; // iron ingot, carrot, potato
            out.add(new int[] {rare[mobs.random.nextInt(3)], 1, 0});
        }
        return out;
    }

    public boolean isBaby() {
        return baby;
    }

    public void setBaby(boolean b) {
        synchronized (lock) {
            baby = b;
            sendMetadata();
        }
    }

    public boolean isVillager() {
        return villager;
    }

    public void setVillager(boolean v) {
        synchronized (lock) {
            villager = v;
            sendMetadata();
        }
    }
}
