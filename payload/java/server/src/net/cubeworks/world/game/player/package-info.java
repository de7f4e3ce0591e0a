/**
 * The player, a kind of living entity, and the rules over his body. OnlinePlayer (his
 * connection's side, his state in the world, and the plugin API's Player) stands on the chain
 * PlayerSenses (what his client is told on a plugin's say, his own clock and weather, whom he
 * sees, statistics, scoreboard, conversations), PlayerCondition (metadata, status effects, sight,
 * projectiles) and PlayerEntity (place, health, food, inventory, experience), over
 * org.bukkit.craftbukkit's CraftHumanEntity (his permissions). What he needs of the game around
 * him (the world's lock and blocks, damage, teleports, windows, beds, the scoreboards) he asks
 * through PlayerGame, which the game answers; he never reaches for the game's parts.
 * <p>
 * The list of online players and what operators do to them (Players) and the stored record of a
 * player (PlayerRecords). The rules, each a part that names in its constructor what it uses:
 * moves (Movement), teleports (Teleport), survival (Survival: the void, falls, regeneration,
 * death), the respawn (Respawning), hunger, eating and drawing bows (Hunger, Eating), burning,
 * status effects, fights (Combat), beds and sleeping (Beds), the idle kick, explosions' hits on
 * players and things (Blasts, ExplosionHits), who sees what (Visibility), what players type
 * (ChatHandler), the columns players hold (HeldColumns), how the ground items and the weather reach
 * them (ItemViewers, WeatherBroadcast). How a player is hurt is
 * the narrow Damage, which Survival answers; what his client is told of his own body is built by
 * BodyPackets. What lives above them (his open window, a dig under way, the world's spawn and his
 * placement) the root hands in as small callbacks.
 * <p>
 * Beside him, the parts he holds: how long digging takes and the crack stages others see,
 * statistics and achievements, conversations, sound names, experience (Experience), his own clock
 * and weather (OwnSky), sleep, his client's plugin channels (ClientChannels), his chat spam count
 * (ChatSpam), his equipment as the plugin API sees it, how packets reach him during a tick
 * (Delivery) and how the items on the ground see him (PlayerCollectors). Uses the blocks, the
 * mobs, the entities and the floors below.
 */
package net.cubeworks.world.game.player;
