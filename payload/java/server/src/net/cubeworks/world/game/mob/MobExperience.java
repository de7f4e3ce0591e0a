package net.cubeworks.world.game.mob;

/**
 * The experience a mob leaves, by the game's rules: only when a player killed it or hit it within
 * the last five seconds, never a baby's, never with the game rule {@code doMobLoot} off. An animal
 * or squid gives 1 to 3 points, a monster 5 and 1 to 3 more for each thing it holds or wears that
 * it could drop (a skeleton's bow: 6 to 8). The orbs fall where the body lies once it has fallen
 * over, a second after the death. Two animals that breed give 1 to 7 points where they stand.
 */
final class MobExperience {
    private MobExperience() {
    }

    /** The points the mob gives when a player kills it. */
    static int forKill(Mob m) {
        if (baby(m)) {
            return 0;
        }
        if (m.kind.family != MobKind.Family.MONSTER) {
            return 1 + m.mobs.random.nextInt(3);
        }
        int points = 5;
        if (m.heldItem != 0 && m.dropChances[0] <= 1f) {
            points += 1 + m.mobs.random.nextInt(3);
        }
        for (int i = 0; i < m.armour.length; i++) {
            if (m.armour[i] != null && m.armour[i].getTypeId() != 0 && m.dropChances[i + 1] <= 1f) {
                points += 1 + m.mobs.random.nextInt(3);
            }
        }
        return points;
    }

    /** The points two animals give when they make a baby. */
    static int forBreeding(Mobs mobs) {
        return 1 + mobs.random.nextInt(7);
    }

    static boolean baby(Mob m) {
        return m instanceof Animal ? ((Animal) m).age < 0 : m instanceof ZombieMob && ((ZombieMob) m).baby;
    }
}
