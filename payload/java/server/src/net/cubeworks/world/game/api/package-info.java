/**
 * The plugin API's faces of the game that are not entities or blocks themselves: the scoreboards
 * (kept in the world's scoreboard.dat through a BoardFile, shown to the players a BoardAudience
 * names), trees grown for a plugin and the pistons' view of a block. The other faces (the API's
 * World, blocks, block states, inventories) are still in the root of the game and come here as
 * they stop reaching for the game's hubs. Uses every package of the game below it.
 */
package net.cubeworks.world.game.api;
