/**
 * The plugin API's faces of the world that are not entities or blocks themselves: trees grown
 * for a plugin and the pistons' view of a block. The other faces (the API's World, blocks,
 * block states, inventories, scoreboards) are still in the root of the game and come here as
 * they stop reaching for the game's hubs. Uses every package of the game below it.
 */
package net.cubeworks.world.game.api;
