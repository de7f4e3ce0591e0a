/**
 * The world as the game's rules see it: its blocks (Terrain, which the world implements) and the
 * level (spawn point, clocks, world type and seed). Columns, streaming and saving are to join it
 * here. Uses the floors below.
 */
package net.cubeworks.world.game.world;
