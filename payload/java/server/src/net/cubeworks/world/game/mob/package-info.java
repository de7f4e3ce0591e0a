/**
 * Animals, monsters and what they shoot: the common ground of every mob (health, hurt and death,
 * knock-back, the packets that show it), how a body walks over the terrain (gravity, collisions,
 * jumping up a block, water), the path finder, each kind's ways, arrows, and the game's rules of
 * where and when mobs come into the world by themselves and when they leave it. What a mob needs
 * of the world above it (hurting a player, an explosion, dropping an item) it asks through
 * {@link net.cubeworks.world.game.mob.MobWorld}.
 */
package net.cubeworks.world.game.mob;
