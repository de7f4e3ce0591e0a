/**
 * The world's land as the game's rules see it: its blocks (Terrain, which the world implements),
 * the level (spawn point, clocks, world type and seed), the columns held in memory and what keeps
 * them there (ColumnCache, ColumnKeeping), where a column comes from (ColumnMaker: the store or the
 * generator), the spawn area made ready at start-up, and the streaming of columns to each player,
 * whom it knows only as a Viewer. Uses the floors below.
 */
package net.cubeworks.world.game.world;
