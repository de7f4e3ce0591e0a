package net.cubeworks.world.game.entity;

import net.cubeworks.world.game.world.BlockWorld;

/**
 * The world as the things that move by themselves see it (a falling block, primed TNT): its
 * blocks and rules, its entities, and the lock their state is read under from other threads.
 */
public interface EntityWorld extends BlockWorld {
    Entities entities();

    Object lock();

    /** An explosion of the power set off by the entity at a place, by the game's rules (EntityExplodeEvent). */
    void explode(WorldEntity source, double x, double y, double z, float power, boolean fire);
}
