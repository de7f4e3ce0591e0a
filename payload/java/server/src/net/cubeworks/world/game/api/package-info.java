/**
 * The plugin API's faces of the game that are not entities or blocks themselves: the scoreboards
 * (kept in the world's scoreboard.dat through a BoardFile, shown to the players a BoardAudience
 * names), trees grown for a plugin, the pistons' view of a block, a double chest's inventory, the metadata plugins put on players, worlds and blocks (MetadataStores), and the parts of the API's World
 * that need none of the game's hubs (its clock and weather, game rules and spawn limits), with
 * ApiChanges, which runs a plugin's change on the game thread. The other faces (the World itself,
 * blocks, block states, inventories) are still in the root of the game and come here as they stop
 * reaching for the game's hubs. Uses every package of the game below it.
 */
package net.cubeworks.world.game.api;
