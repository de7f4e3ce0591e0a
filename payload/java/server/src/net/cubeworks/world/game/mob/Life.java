package net.cubeworks.world.game.mob;

import org.bukkit.entity.Player;

/**
 * One tick of a mob's life, in the game's order: a dead one lies a second, then is gone; in
 * peaceful the monsters go; where its column is not in memory it waits, unmoving. Otherwise fire
 * burns it, its kind thinks, it takes a step along its way, its body moves (unless it rests on
 * solid ground with nothing moving it, which spares the collision checks), the world's hazards
 * hurt it, and, far from every player, it goes: beyond 128 blocks at once, beyond 32 now and then
 * after half a minute alone; never an animal or a persistent one, nor with nobody in the world.
 */
final class Life {
    private final Mob mob;
    /** Ticks since a player was near: far ones go after a while. */
    private int idleTicks;

    Life(Mob mob) {
        this.mob = mob;
    }

    void tick(long tick) {
        Mob m = mob;
        if (m.dead) {
            m.harm.lie();
            return;
        }
        MobWorld world = m.mobs.world;
        if (m.kind.family == MobKind.Family.MONSTER && world.difficulty() == 0) {
            m.markRemoved(); // peaceful: no monsters
            return;
        }
        if (!world.loaded(Mob.floor(m.x), Mob.floor(m.z))) {
            despawn(); // its column is gone from memory: it waits, unmoving, unless it is one that goes
            return;
        }
        m.hazards.burn();
        if (m.dead) {
            return;
        }
        m.think(tick);
        m.walking.step();
        if (m.body.rests(m, world, m.walking.hasWay())) {
            despawn();
            return;
        }
        float fell = m.body.move(m, world);
        world.landed(m, fell); // farmland under it may be trampled
        m.hazards.moved(fell);
        despawn();
    }

    /** The far ones go: beyond 128 blocks of every player at once; beyond 32 now and then after half a minute alone. */
    private void despawn() {
        Mob m = mob;
        if (m.persistent || m.kind.family == MobKind.Family.ANIMAL || m.mobs.players().isEmpty()) {
            return; // with nobody in the world, nothing is far from a player
        }
        double nearest = Double.MAX_VALUE;
        for (Player p : m.mobs.players()) {
            nearest = Math.min(nearest, m.targets.distanceSquared(p));
        }
        if (nearest > 128 * 128) {
            m.markRemoved();
        } else if (nearest > 32 * 32) {
            if (++idleTicks > 600 && m.mobs.random.nextInt(800) == 0) {
                m.markRemoved();
            }
        } else {
            idleTicks = 0;
        }
    }
}
