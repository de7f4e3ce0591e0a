/**
 * Animals, monsters and what they shoot: the common ground of every mob ({@code Mob}, the plugin
 * API's creature, holding its parts by job: its tick ({@code Life}), the way it walks
 * ({@code Walking}), what fire, lava, falls and the sun do to its body ({@code Hazards}), whom it
 * goes after ({@code Targets}), health, hurt and death with knock-back, drops and experience
 * ({@code HurtAndDeath}), the packets that show it ({@code Appearance}), what it sees
 * ({@code LineOfSight})), how a body moves over the terrain (gravity, collisions, water), the path
 * finder, each kind's ways, arrows, snowballs and eggs, how a mob is kept in its column's file
 * ({@code MobCodec}), and the game's rules of where and when mobs come into the world by
 * themselves and when they leave it. What a mob needs of the world above it (hurting a player, an
 * explosion, dropping an item) it asks through {@link net.cubeworks.world.game.mob.MobWorld}.
 */
package net.cubeworks.world.game.mob;
