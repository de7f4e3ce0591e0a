package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.entity.Chicken;

/** A chicken: it flutters down softly, lays an egg every five to ten minutes, follows seeds. */
public final class ChickenMob extends Animal implements Chicken, Hazards.Chickenlike {
    int eggTicks;

    ChickenMob(Mobs mobs, double x, double y, double z) {
        super(mobs, MobKind.CHICKEN, x, y, z);
        eggTicks = mobs.random.nextInt(6000) + 6000;
    }

    int food() {
        return 295;
    }

    double panicSpeed() {
        return 1.4;
    }

    Animal baby(double bx, double by, double bz) {
        return new ChickenMob(mobs, bx, by, bz);
    }

    void think(long tick) {
        super.think(tick);
        if (!onGround && motionY < 0) {
            motionY *= 0.6;
        }
        if (age >= 0 && --eggTicks <= 0) {
            mobs.world.drop(x, y, z, 344, 1, 0);
            eggTicks = mobs.random.nextInt(6000) + 6000;
        }
    }

    List<int[]> drops(boolean byPlayer, boolean burning) {
        List<int[]> out = new ArrayList<int[]>();
        if (age >= 0) {
            out.add(some(288, 2)); // feathers
            out.add(cooked(365, 366, burning, 1, 1));
        }
        return out;
    }
}
