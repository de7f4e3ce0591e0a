package org.bukkit.inventory;

import org.bukkit.Color;
import org.bukkit.Material;
import org.bukkit.inventory.meta.ItemMeta;

/** The server's item factory: the meta of each material's kind, and moving meta between kinds. */
final class MetaFactory implements ItemFactory {
    static final MetaFactory INSTANCE = new MetaFactory();

    public ItemMeta getItemMeta(Material material) {
        if (material == null) {
            throw new IllegalArgumentException("Material cannot be null");
        }
        return MetaKinds.forMaterial(material);
    }

    public boolean isApplicable(ItemMeta meta, ItemStack stack) {
        return stack != null && isApplicable(meta, stack.getType());
    }

    public boolean isApplicable(ItemMeta meta, Material material) {
        return meta == null || MetaKinds.fits(meta, material);
    }

    public boolean equals(ItemMeta meta1, ItemMeta meta2) {
        boolean empty1 = meta1 == null || (meta1 instanceof StackMeta && ((StackMeta) meta1).isEmpty());
        boolean empty2 = meta2 == null || (meta2 instanceof StackMeta && ((StackMeta) meta2).isEmpty());
        if (empty1 || empty2) {
            return empty1 && empty2;
        }
        return meta1.equals(meta2);
    }

    public ItemMeta asMetaFor(ItemMeta meta, ItemStack stack) {
        if (stack == null) {
            throw new IllegalArgumentException("Stack cannot be null");
        }
        return asMetaFor(meta, stack.getType());
    }

    public ItemMeta asMetaFor(ItemMeta meta, Material material) {
        if (material == null) {
            throw new IllegalArgumentException("Material cannot be null");
        }
        return MetaKinds.asKind(meta, material);
    }

    public Color getDefaultLeatherColor() {
        return LeatherItemMeta.DEFAULT;
    }
}
