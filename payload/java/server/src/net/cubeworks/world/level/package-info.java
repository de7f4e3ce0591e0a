/**
 * The world's columns as data: 16 sections of blocks and metadata, biomes, height map and sky
 * light, the block entities of their blocks (signs' text, containers' slots), the chunk data the
 * protocol sends, and column coordinates. Uses nothing of the server.
 */
package net.cubeworks.world.level;
