package org.bukkit.inventory;

import java.util.Map;

import org.bukkit.Material;

/**
 * The server's way between an item stack and the tag the game keeps with the item in a slot
 * (see {@link ItemTag} for the form). Not part of the plugin API.
 */
public final class ItemStackTags {
    private ItemStackTags() {
    }

    /** The stack's tag (its name, lore, enchantments, ... as the game keeps them), or null when it has none. */
    public static Map<String, Object> tagOf(ItemStack stack) {
        return stack == null ? null : stack.tag();
    }

    /** A stack of the item with the tag (null: none) read into its meta. */
    public static ItemStack withTag(int id, int amount, short damage, Map<String, Object> tag) {
        ItemStack s = new ItemStack(id, amount, damage);
        if (tag != null && !tag.isEmpty()) {
            s.readTag(tag);
        }
        return s;
    }

    /** Whether a material's items keep the meta of that kind (a book's meta on a book, ...). */
    public static boolean metaFits(Object meta, Material m) {
        return meta instanceof org.bukkit.inventory.meta.ItemMeta
                && MetaKinds.fits((org.bukkit.inventory.meta.ItemMeta) meta, m);
    }

    /** The server's item factory. */
    public static ItemFactory factory() {
        return MetaFactory.INSTANCE;
    }
}
