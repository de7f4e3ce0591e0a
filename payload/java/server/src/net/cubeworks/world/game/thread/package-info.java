/**
 * The game thread: the one thread that changes game state, twenty ticks a second, the work other
 * threads hand it, the watch that reports a stalled tick, and the threads the world makes for its
 * helpers. GameHost is what the game needs from the floors above it (plugin events, commands, the
 * API's server). Uses nothing of the game.
 */
package net.cubeworks.world.game.thread;
