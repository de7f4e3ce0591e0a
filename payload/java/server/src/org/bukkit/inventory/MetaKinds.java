package org.bukkit.inventory;

import java.util.Map;

import org.bukkit.Material;
import org.bukkit.inventory.meta.ItemMeta;

/** Which kind of meta an item of each material has, and moving meta from one kind to another. */
final class MetaKinds {
    private MetaKinds() {
    }

    /** A new, empty meta for the material; null for air, which has none. */
    static StackMeta forMaterial(Material m) {
        if (m == null || m == Material.AIR) {
            return null;
        }
        switch (m) {
            case WRITTEN_BOOK:
            case BOOK_AND_QUILL:
                return new BookItemMeta();
            case SKULL_ITEM:
                return new SkullItemMeta();
            case MAP:
                return new MapItemMeta();
            case ENCHANTED_BOOK:
                return new StoredEnchantsMeta();
            case LEATHER_HELMET:
            case LEATHER_CHESTPLATE:
            case LEATHER_LEGGINGS:
            case LEATHER_BOOTS:
                return new LeatherItemMeta();
            case POTION:
                return new PotionItemMeta();
            case FIREWORK:
                return new FireworkItemMeta();
            case FIREWORK_CHARGE:
                return new FireworkChargeMeta();
            default:
                return new StackMeta();
        }
    }

    /** Whether the meta is of the kind the material takes. */
    static boolean fits(ItemMeta meta, Material m) {
        StackMeta kind = forMaterial(m);
        return kind != null && meta != null && kind.getClass() == meta.getClass();
    }

    /** The meta as the material's kind: itself (copied) when it fits, else what the kinds share. */
    static StackMeta asKind(ItemMeta meta, Material m) {
        if (meta == null) {
            return null;
        }
        StackMeta kind = forMaterial(m);
        if (kind == null) {
            return null;
        }
        if (kind.getClass() == meta.getClass()) {
            return ((StackMeta) meta).clone();
        }
        kind.copyCommon(meta);
        return kind;
    }

    /** The meta of an item with the tag (null: none). */
    static StackMeta fromTag(Material m, Map<String, Object> tag) {
        StackMeta meta = forMaterial(m);
        if (meta != null) {
            meta.readTag(tag);
        }
        return meta;
    }

    /** The meta saved in a configuration: its "meta-type" names the kind; the material's kind when it fits. */
    static StackMeta fromSaved(Material m, Map<?, ?> saved) {
        StackMeta meta = forMaterial(m);
        if (meta == null) {
            return null;
        }
        meta.deserialize(saved);
        return meta;
    }
}
