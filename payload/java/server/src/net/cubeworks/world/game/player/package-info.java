/**
 * The player's own rules, apart from his connection: how long digging a block takes and the
 * crack stages others see, his statistics and achievements, the conversations plugins hold with
 * him, the game's names of the sounds he hears, his experience (Experience), the clock and weather
 * a plugin gave him (OwnSky), his sleep in a bed (Sleep), the plugin channels his client listens
 * on (ClientChannels) and how fast he chats (ChatSpam). The player chain itself (place, health,
 * hunger, inventory, the plugin API's Player) is still in the root of the game and comes here as
 * it stops reaching for the game's hubs. Uses the entities and the floors below.
 */
package net.cubeworks.world.game.player;
