package org.bukkit.enchantments;

import org.bukkit.inventory.ItemStack;

/**
 * The game's own enchantments of 1.7: number, name, highest level the enchanting table or anvil
 * gives, the items it belongs on, and the group whose members exclude each other (the kinds of
 * protection but feather falling, the kinds of extra damage, silk touch against fortune).
 */
final class GameEnchantment extends Enchantment {
    private static final int NO_GROUP = 0;
    private static final int PROTECTION = 1;
    private static final int DAMAGE = 2;
    private static final int DIGGING_LOOT = 3;

    private final String name;
    private final int maxLevel;
    private final EnchantmentTarget target;
    private final int group;

    private GameEnchantment(int id, String name, int maxLevel, EnchantmentTarget target, int group) {
        super(id);
        this.name = name;
        this.maxLevel = maxLevel;
        this.target = target;
        this.group = group;
    }

    static void registerAll() {
        add(0, "PROTECTION_ENVIRONMENTAL", 4, EnchantmentTarget.ARMOR, PROTECTION);
        add(1, "PROTECTION_FIRE", 4, EnchantmentTarget.ARMOR, PROTECTION);
        add(2, "PROTECTION_FALL", 4, EnchantmentTarget.ARMOR_FEET, NO_GROUP);
        add(3, "PROTECTION_EXPLOSIONS", 4, EnchantmentTarget.ARMOR, PROTECTION);
        add(4, "PROTECTION_PROJECTILE", 4, EnchantmentTarget.ARMOR, PROTECTION);
        add(5, "OXYGEN", 3, EnchantmentTarget.ARMOR_HEAD, NO_GROUP);
        add(6, "WATER_WORKER", 1, EnchantmentTarget.ARMOR_HEAD, NO_GROUP);
        add(7, "THORNS", 3, EnchantmentTarget.ARMOR_TORSO, NO_GROUP);
        add(16, "DAMAGE_ALL", 5, EnchantmentTarget.WEAPON, DAMAGE);
        add(17, "DAMAGE_UNDEAD", 5, EnchantmentTarget.WEAPON, DAMAGE);
        add(18, "DAMAGE_ARTHROPODS", 5, EnchantmentTarget.WEAPON, DAMAGE);
        add(19, "KNOCKBACK", 2, EnchantmentTarget.WEAPON, NO_GROUP);
        add(20, "FIRE_ASPECT", 2, EnchantmentTarget.WEAPON, NO_GROUP);
        add(21, "LOOT_BONUS_MOBS", 3, EnchantmentTarget.WEAPON, NO_GROUP);
        add(32, "DIG_SPEED", 5, EnchantmentTarget.TOOL, NO_GROUP);
        add(33, "SILK_TOUCH", 1, EnchantmentTarget.TOOL, DIGGING_LOOT);
        add(34, "DURABILITY", 3, EnchantmentTarget.TOOL, NO_GROUP);
        add(35, "LOOT_BONUS_BLOCKS", 3, EnchantmentTarget.TOOL, DIGGING_LOOT);
        add(48, "ARROW_DAMAGE", 5, EnchantmentTarget.BOW, NO_GROUP);
        add(49, "ARROW_KNOCKBACK", 2, EnchantmentTarget.BOW, NO_GROUP);
        add(50, "ARROW_FIRE", 1, EnchantmentTarget.BOW, NO_GROUP);
        add(51, "ARROW_INFINITE", 1, EnchantmentTarget.BOW, NO_GROUP);
        add(61, "LUCK", 3, EnchantmentTarget.FISHING_ROD, NO_GROUP);
        add(62, "LURE", 3, EnchantmentTarget.FISHING_ROD, NO_GROUP);
    }

    private static void add(int id, String name, int maxLevel, EnchantmentTarget target, int group) {
        registerEnchantment(new GameEnchantment(id, name, maxLevel, target, group));
    }

    public String getName() {
        return name;
    }

    public int getMaxLevel() {
        return maxLevel;
    }

    public int getStartLevel() {
        return 1;
    }

    public EnchantmentTarget getItemTarget() {
        return target;
    }

    public boolean conflictsWith(Enchantment other) {
        Enchantment o = other instanceof EnchantmentWrapper ? ((EnchantmentWrapper) other).getEnchantment() : other;
        if (!(o instanceof GameEnchantment) || o.getId() == getId()) {
            return false;
        }
        return group != NO_GROUP && ((GameEnchantment) o).group == group;
    }

    /**
     * Whether the item may carry it: an item of its target; unbreaking goes on anything that
     * wears out, and an enchanted book on nothing, as the anvil sees it.
     */
    public boolean canEnchantItem(ItemStack item) {
        if (item == null || item.getType() == null) {
            return false;
        }
        if (getId() == 34 && item.getType().getMaxDurability() > 0) {
            return true;
        }
        return target.includes(item);
    }
}
