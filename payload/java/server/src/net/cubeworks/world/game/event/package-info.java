/**
 * The plugins' say in what happens in the game, one family of events per file: logins, moves
 * and teleports, what a player does with himself, kicks, deaths and damage, chat and its
 * completions, plugin channels, and the world's own doings (saving, columns loading and leaving).
 * Each takes plain values and the plugin API's own (a Player, a Location, a World) with the host
 * that delivers events, skips its event when nobody listens, and answers what the game is then to
 * do; none changes game state or sends a packet. Uses the game thread's host and the floors below.
 */
package net.cubeworks.world.game.event;
