/**
 * Measuring the game without being part of it: tick times, world-lock holds, and whether the
 * tick-time report is asked for. Uses nothing of the server.
 */
package net.cubeworks.world.timing;
