/**
 * Every packet of the 1.7 protocol (versions 4 and 5) that the server writes or reads, each id a
 * named constant and each packet built or read by a method of its name from plain values: the
 * codec (VarInt frames, strings), chat text as JSON, the status answers, the chunk packets.
 * The only package that writes a packet id. Uses level (for the chunk data of the flat column).
 * Floors below: util, console, timing, level.
 */
package net.cubeworks.world.protocol;
