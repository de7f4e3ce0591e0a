/**
 * The player, a kind of living entity: OnlinePlayer (his connection's side, his state in the
 * world, and the plugin API's Player), on the chain PlayerSenses (what his client is told on a
 * plugin's say, his own clock and weather, whom he sees, statistics, scoreboard, conversations),
 * PlayerCondition (metadata, status effects, sight, projectiles) and PlayerEntity (place, health,
 * food, inventory, experience), over org.bukkit.craftbukkit's CraftHumanEntity (his permissions).
 * What he needs of the game around him (the world's lock and blocks, damage, teleports, windows,
 * beds, the scoreboards) he asks through PlayerGame, which the game answers; he never reaches for
 * the game's parts. Beside him, the parts he holds and the rules that need nothing of the game
 * above: how long digging takes and the crack stages others see, statistics and achievements,
 * conversations, sound names, experience (Experience), his own clock and weather (OwnSky), sleep,
 * his client's plugin channels (ClientChannels), his chat spam count (ChatSpam), his equipment as
 * the plugin API sees it, how packets reach him during a tick (Delivery) and how the items on the
 * ground see him (PlayerCollectors). Uses the entities and the floors below.
 */
package net.cubeworks.world.game.player;
