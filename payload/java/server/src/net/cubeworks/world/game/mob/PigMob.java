package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.Pig;

import net.cubeworks.world.protocol.EntityMetadata;

/** A pig: it follows a carrot, and leaves one to three porkchops (cooked when it burned). */
public final class PigMob extends Animal implements Pig {
    boolean saddle;

    PigMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.PIG, x, y, z);
    }

    int food() {
        return 391;
    }

    Animal baby(double bx, double by, double bz) {
        return new PigMob(mobs, bx, by, bz);
    }

    void kindMetadata(EntityMetadata m) {
        super.kindMetadata(m);
        m.putByte(16, saddle ? 1 : 0);
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        if (age >= 0) {
            out.add(cooked(319, 320, burning, 1, 3));
            if (saddle) {
                out.add(new int[] {329, 1, 0});
            }
        }
        return out;
    }

    public boolean hasSaddle() {
        return saddle;
    }

    public void setSaddle(boolean s) {
        synchronized (lock) {
            saddle = s;
            sendMetadata();
        }
    }
}
