/**
 * The game's wiring, and nothing else: Game makes the parts every floor shares once (the world
 * lock, the game thread, the entities, the player list, chat) and GameWorld the world's, each with
 * what it names in its constructor; WorldTick holds the order of one tick and TimedTick runs it
 * under the lock. The adapters answer what the kinds below ask of the game through their own
 * small interfaces: PlayerLink for the player (PlayerGame), MobLink for the mobs (MobWorld), and
 * ClientActions is what a player's client may ask, for the connection side above. A new rule or
 * kind goes into the package of its kind, never here. What the game needs from above goes through
 * game.thread.GameHost. Uses every package of the game below it, net, protocol, storage, settings
 * and the floors below.
 */
package net.cubeworks.world.game;
