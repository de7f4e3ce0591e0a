/**
 * Items and the slots that hold them, without the players who hold them: rows of slots, the
 * player's own inventory, a window's slot numbering (the player's, a crafting table's, a
 * container above the player's own), the game's rules for every kind of click and drag, and the
 * plugin API's inventory faces built on them (ApiSlots, ApiItems, ApiRecipes). A container says
 * to whoever else shows it that a viewer changed it. Uses the floors below.
 */
package net.cubeworks.world.game.item;
