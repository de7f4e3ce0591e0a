/**
 * The plugin API's faces of the game: the one World (ApiWorld) and its parts (blocks and biomes,
 * entities, effects, columns and their copies, the clock and weather, game rules, spawn limits and
 * settings), its blocks, chunks and block states, the inventories of blocks, players, windows and
 * plugins, the plugin events a player's doings to blocks fire (BlockEvents), the scoreboards
 * (kept in the world's scoreboard.dat through a BoardFile, shown to the players a BoardAudience
 * names), trees grown for a plugin, the pistons' view of a block, a double chest's inventory and
 * the metadata plugins put on players, worlds and blocks. Each face names in its constructor the
 * parts it reads and changes; ApiChanges runs a plugin's change on the game thread. What only the
 * root has is asked through a small interface it answers: the spawn point (SpawnPoint), saving
 * (WorldSaving) and a plugin's explosion (PluginBlasts). Uses every package of the game below it.
 */
package net.cubeworks.world.game.api;
