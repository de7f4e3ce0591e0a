/**
 * Making new land: the natural world (biomes, terrain, caves, ores, trees and plants) and the
 * superflat world of a preset, each a pure function of the seed and the column's place, so any
 * column comes out the same in any order and on any thread; and the choice of world type and
 * seed for a new world. Uses only the level and util packages.
 */
package net.cubeworks.world.generation;
