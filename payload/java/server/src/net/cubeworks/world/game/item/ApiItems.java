package net.cubeworks.world.game.item;

import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.ItemStackTags;

import net.cubeworks.world.storage.ItemTagValues;

/**
 * Items between a slot of the game (id, count, damage and the tag kept with it) and the plugin
 * API's stacks, their meta (names, lore, enchantments, ...) carried both ways in the tag.
 */
public final class ApiItems {
    private ApiItems() {
    }

    /** The API stack of a slot's item, null for an empty slot. */
    public static ItemStack stack(int id, int count, int data, Object tag) {
        if (id <= 0 || count <= 0) {
            return null;
        }
        return ItemStackTags.withTag(id, count, (short) data, ItemTagValues.toValues(tag));
    }

    /** The tag a slot keeps for the stack, or null. */
    public static Object tag(ItemStack stack) {
        return stack == null ? null : ItemTagValues.fromValues(ItemStackTags.tagOf(stack));
    }
}
