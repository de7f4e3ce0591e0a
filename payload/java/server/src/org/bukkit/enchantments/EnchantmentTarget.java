package org.bukkit.enchantments;

import org.bukkit.Material;
import org.bukkit.inventory.ItemStack;

/** The kinds of item an enchantment may be put on. */
public enum EnchantmentTarget {
    ALL {
        public boolean includes(Material item) {
            for (EnchantmentTarget t : values()) {
                if (t != this && t.includes(item)) {
                    return true;
                }
            }
            return false;
        }
    },
    ARMOR {
        public boolean includes(Material item) {
            return ARMOR_HEAD.includes(item) || ARMOR_TORSO.includes(item) || ARMOR_LEGS.includes(item)
                    || ARMOR_FEET.includes(item);
        }
    },
    ARMOR_FEET {
        public boolean includes(Material item) {
            return armour(item, 3);
        }
    },
    ARMOR_LEGS {
        public boolean includes(Material item) {
            return armour(item, 2);
        }
    },
    ARMOR_TORSO {
        public boolean includes(Material item) {
            return armour(item, 1);
        }
    },
    ARMOR_HEAD {
        public boolean includes(Material item) {
            return armour(item, 0);
        }
    },
    WEAPON {
        public boolean includes(Material item) {
            return item == Material.WOOD_SWORD || item == Material.STONE_SWORD || item == Material.IRON_SWORD
                    || item == Material.GOLD_SWORD || item == Material.DIAMOND_SWORD;
        }
    },
    TOOL {
        public boolean includes(Material item) {
            String n = item.name();
            return n.endsWith("_SPADE") || n.endsWith("_PICKAXE") || n.endsWith("_AXE") || item == Material.SHEARS
                    || item == Material.FLINT_AND_STEEL || (n.endsWith("_HOE") && !n.equals("HOE"));
        }
    },
    BOW {
        public boolean includes(Material item) {
            return item == Material.BOW;
        }
    },
    FISHING_ROD {
        public boolean includes(Material item) {
            return item == Material.FISHING_ROD;
        }
    };

    /** Armour ids run 298 to 317, helmet, chestplate, leggings, boots for each of five materials. */
    private static boolean armour(Material item, int piece) {
        int id = item.getId();
        return id >= 298 && id <= 317 && (id - 298) % 4 == piece;
    }

    public abstract boolean includes(Material item);

    public boolean includes(ItemStack item) {
        return item != null && item.getType() != null && includes(item.getType());
    }
}
