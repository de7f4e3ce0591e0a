package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.Cow;
import org.bukkit.entity.Player;

/** A cow: it follows wheat, gives milk to a bucket, and leaves leather and one to three beef (cooked when it burned). */
public final class CowMob extends Animal implements Cow {
    static final int BUCKET = 325;

    CowMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.COW, x, y, z);
    }

    int food() {
        return 296;
    }

    double panicSpeed() {
        return 2.0;
    }

    Animal baby(double bx, double by, double bz) {
        return new CowMob(mobs, bx, by, bz);
    }

    public ClickUse interact(Player p, int item, int damage) {
        if (item == BUCKET && age >= 0) {
            return ClickUse.MILK;
        }
        return super.interact(p, item, damage);
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        if (age >= 0) {
            out.add(some(334, 2)); // leather
            out.add(cooked(363, 364, burning, 1, 3));
        }
        return out;
    }
}
