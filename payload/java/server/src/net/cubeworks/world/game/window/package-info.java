/**
 * The windows a player opens: Windows (clicks answered and confirmed, a refused click's window
 * sent again, crafting tables, opening and closing, what a click throws out or a closing hands
 * back), the chests' shared windows over one chest or both halves and their lids (ChestWindows),
 * the furnaces' windows and their bars (FurnaceWindows), the other blocks with slots and the
 * ender chest (BlockWindows, also where a right click on any block with slots or a jukebox goes),
 * another player's inventory as a window (OtherPlayerSlots), and the plugins' say in clicks,
 * opening and closing (InventoryEvents). The plugin API's views and ender chest inventories come
 * through WindowViews and EnderInventories, which the root answers. Uses the player and his
 * list, the block entities and their work, the world's blocks, the ground items and the floors
 * below.
 */
package net.cubeworks.world.game.window;
