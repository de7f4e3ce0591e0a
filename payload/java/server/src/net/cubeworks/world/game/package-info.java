/**
 * The game and its one thread: the world and its tick, streaming columns, who sees whom, moves,
 * digging and placing, survival, saving, the players and their inventories, the block rules,
 * what players type, and the admission of players from the network. GameThread is the one place
 * that changes game state. What the game needs from above (plugin events, commands, the API's
 * server) goes through GameHost. Uses net, protocol, storage, settings and the floors below.
 */
package net.cubeworks.world.game;
