package org.bukkit.inventory;

import org.bukkit.Color;
import org.bukkit.Material;
import org.bukkit.inventory.meta.ItemMeta;

/** Makes the item meta of each material's kind and moves meta between kinds. */
public interface ItemFactory {
    /** A new, empty meta of the material's kind; null for air. */
    ItemMeta getItemMeta(Material material);

    boolean isApplicable(ItemMeta meta, ItemStack stack) throws IllegalArgumentException;

    boolean isApplicable(ItemMeta meta, Material material) throws IllegalArgumentException;

    /** Whether two metas are the same; null stands for an empty meta. */
    boolean equals(ItemMeta meta1, ItemMeta meta2) throws IllegalArgumentException;

    ItemMeta asMetaFor(ItemMeta meta, ItemStack stack) throws IllegalArgumentException;

    ItemMeta asMetaFor(ItemMeta meta, Material material) throws IllegalArgumentException;

    Color getDefaultLeatherColor();
}
