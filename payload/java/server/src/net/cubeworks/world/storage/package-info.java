/**
 * Where the world is kept: NBT, region files and the Anvil layout of the 1.7.2 server (level.dat,
 * region/r.X.Z.mca with the columns' block entities, players/NAME.dat), the stored records, and
 * WorldStore, the one interface the game saves and loads through. Uses level, console and util.
 */
package net.cubeworks.world.storage;
