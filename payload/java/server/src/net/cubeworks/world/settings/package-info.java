/**
 * The files the host edits: server.properties, ops.txt, banned-players.txt, and the rules for
 * the names players may use. Uses console and util.
 */
package net.cubeworks.world.settings;
