/**
 * The game's wiring and the rules that still reach for its hubs. Game makes the parts once (the
 * world lock, the game thread, the entities, the players, the world) and GameWorld the world's
 * (its blocks as their rules see them in WorldBlocks, streaming, who sees whom, saving, items,
 * mobs, weather), PlayerLink what the players ask of the game, HandsLink what a player's hands
 * (game.interaction) ask of the rules above them; WorldTick holds the order of one tick. Beside
 * them, in one room until they stop needing Game or GameWorld: the player's moves, survival,
 * hunger, eating, burning, fights and effects, the windows and the blocks with windows (chests,
 * furnaces, hoppers, jukeboxes, beds), and the plugin API's faces of
 * the world, its blocks and inventories (Api...). What the game needs from above goes through
 * game.thread.GameHost. Uses every package of the game below it, net, protocol, storage, settings
 * and the floors below.
 */
package net.cubeworks.world.game;
