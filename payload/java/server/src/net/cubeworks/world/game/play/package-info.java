/**
 * The connection side of the game: a player's admission into the world and his departure
 * (PlayerConnections), the table that hands each packet he sends to the part of the game that
 * acts on it (PlayPacketTable), and the plugin channels he registers and talks on. It drives the
 * game from above, on the game thread, and the game never reaches for it: the server's network
 * floor hands it connections, and it hands the game players. Uses the game and the floors below.
 */
package net.cubeworks.world.game.play;
