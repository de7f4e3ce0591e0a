package org.bukkit.inventory;

import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.Material;
import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.enchantments.Enchantment;
import org.bukkit.inventory.meta.ItemMeta;

/** A stack of items: type, amount, damage (durability used, or the kind of block), and meta. */
public class ItemStack implements Cloneable, ConfigurationSerializable {
    private int type = 0;
    private int amount = 0;
    private short durability = 0;
    /** The item's meta, null when it has none; always of the kind the type takes. */
    private StackMeta meta;

    /** An empty stack: air, none of it. */
    public ItemStack() {
    }

    public ItemStack(final int type) {
        this(type, 1);
    }

    public ItemStack(final Material type) {
        this(type, 1);
    }

    public ItemStack(final int type, final int amount) {
        this(type, amount, (short) 0);
    }

    public ItemStack(final Material type, final int amount) {
        this(type.getId(), amount);
    }

    public ItemStack(final int type, final int amount, final short damage) {
        this.type = type;
        this.amount = amount;
        this.durability = damage;
    }

    public ItemStack(final Material type, final int amount, final short damage) {
        this(type.getId(), amount, damage);
    }

    /** The data byte of old saves is the damage when given; the game keeps one value. */
    @Deprecated
    public ItemStack(final int type, final int amount, final short damage, final Byte data) {
        this(type, amount, data == null ? damage : (short) (data & 0xff));
    }

    @Deprecated
    public ItemStack(final Material type, final int amount, final short damage, final Byte data) {
        this(type.getId(), amount, damage, data);
    }

    public ItemStack(final ItemStack stack) throws IllegalArgumentException {
        if (stack == null) {
            throw new IllegalArgumentException("Cannot copy null stack");
        }
        this.type = stack.getTypeId();
        this.amount = stack.getAmount();
        this.durability = stack.getDurability();
        if (stack.hasItemMeta()) {
            setItemMeta(stack.getItemMeta());
        }
    }

    public Material getType() {
        return Material.getMaterial(type);
    }

    public void setType(Material type) {
        if (type == null) {
            throw new IllegalArgumentException("Material cannot be null");
        }
        setTypeId(type.getId());
    }

    public int getTypeId() {
        return type;
    }

    /** Changes the type; meta the new type cannot keep is narrowed to what the kinds share. */
    public void setTypeId(int type) {
        this.type = type;
        if (meta != null) {
            meta = MetaKinds.asKind(meta, getType());
        }
    }

    public int getAmount() {
        return amount;
    }

    public void setAmount(int amount) {
        this.amount = amount;
    }

    public void setDurability(final short durability) {
        this.durability = durability;
    }

    public short getDurability() {
        return durability;
    }

    /** The most of this type one slot holds; -1 when the type is unknown. */
    public int getMaxStackSize() {
        Material material = getType();
        return material == null ? -1 : material.getMaxStackSize();
    }

    /** A copy of the meta (an empty one of the type's kind when it has none); changes show once set back. */
    public ItemMeta getItemMeta() {
        if (meta != null) {
            return meta.clone();
        }
        return MetaKinds.forMaterial(getType());
    }

    public boolean hasItemMeta() {
        return meta != null && !meta.isEmpty();
    }

    /**
     * Keeps a copy of the meta, as the type's kind (a book's pages stay off a sword); null
     * takes it away. False when the type takes no meta (air).
     */
    public boolean setItemMeta(ItemMeta itemMeta) {
        if (itemMeta == null) {
            meta = null;
            return true;
        }
        StackMeta kept = MetaKinds.asKind(itemMeta, getType());
        if (kept == null) {
            return false;
        }
        meta = kept.isEmpty() ? null : kept;
        return true;
    }

    /** The tag the game keeps for this stack, or null. */
    Map<String, Object> tag() {
        return meta == null ? null : meta.writeTag();
    }

    void readTag(Map<String, Object> tag) {
        StackMeta m = MetaKinds.fromTag(getType(), tag);
        meta = m == null || m.isEmpty() ? null : m;
    }

    // --- enchantments, kept in the meta ---

    public boolean containsEnchantment(Enchantment ench) {
        return meta != null && meta.hasEnchant(ench);
    }

    public int getEnchantmentLevel(Enchantment ench) {
        return meta == null ? 0 : meta.getEnchantLevel(ench);
    }

    public Map<Enchantment, Integer> getEnchantments() {
        return meta == null ? java.util.Collections.<Enchantment, Integer>emptyMap() : meta.getEnchants();
    }

    public void addEnchantments(Map<Enchantment, Integer> enchantments) {
        for (Map.Entry<Enchantment, Integer> e : enchantments.entrySet()) {
            addEnchantment(e.getKey(), e.getValue());
        }
    }

    /** Adds an enchantment the item may carry, at a level from its start to its highest. */
    public void addEnchantment(Enchantment ench, int level) {
        if (ench == null) {
            throw new IllegalArgumentException("Enchantment cannot be null");
        }
        if (level < ench.getStartLevel() || level > ench.getMaxLevel()) {
            throw new IllegalArgumentException("Enchantment level is either too low or too high (given " + level
                    + ", bounds are " + ench.getStartLevel() + " to " + ench.getMaxLevel() + ")");
        }
        if (!ench.canEnchantItem(this)) {
            throw new IllegalArgumentException("Specified enchantment cannot be applied to this itemstack");
        }
        addUnsafeEnchantment(ench, level);
    }

    public void addUnsafeEnchantments(Map<Enchantment, Integer> enchantments) {
        for (Map.Entry<Enchantment, Integer> e : enchantments.entrySet()) {
            addUnsafeEnchantment(e.getKey(), e.getValue());
        }
    }

    /** Adds the enchantment at any level, on any item. */
    public void addUnsafeEnchantment(Enchantment ench, int level) {
        StackMeta m = meta != null ? meta : MetaKinds.forMaterial(getType());
        if (m == null) {
            throw new IllegalArgumentException("Cannot enchant " + getType());
        }
        m.addEnchant(ench, level, true);
        meta = m;
    }

    /** Takes the enchantment away; the level it had, 0 when it had none. */
    public int removeEnchantment(Enchantment ench) {
        int level = getEnchantmentLevel(ench);
        if (meta != null && meta.removeEnchant(ench) && meta.isEmpty()) {
            meta = null;
        }
        return level;
    }

    /**
     * The item's data as its material's data class (a Wool's colour, a Dye's, ...), made from the
     * damage value: the game keeps one value for both.
     */
    public org.bukkit.material.MaterialData getData() {
        Material m = getType();
        return m == null ? null : m.getNewData((byte) durability);
    }

    /** Sets the damage value from the data, which must be of this item's material. */
    public void setData(org.bukkit.material.MaterialData data) {
        if (data == null) {
            return;
        }
        Material m = getType();
        if (m != null && data.getItemType() != m && data.getClass() != org.bukkit.material.MaterialData.class) {
            throw new IllegalArgumentException("Provided data is not of type " + m.getData().getName() + ", found "
                    + data.getClass().getName());
        }
        durability = data.getData();
    }

    /** Equal but for the amount. */
    public boolean isSimilar(ItemStack stack) {
        if (stack == null) {
            return false;
        }
        if (stack == this) {
            return true;
        }
        return type == stack.getTypeId() && durability == stack.getDurability() && hasItemMeta() == stack.hasItemMeta()
                && (!hasItemMeta() || getItemMeta().equals(stack.getItemMeta()));
    }

    @Override
    public boolean equals(Object obj) {
        if (this == obj) {
            return true;
        }
        if (!(obj instanceof ItemStack)) {
            return false;
        }
        ItemStack stack = (ItemStack) obj;
        return amount == stack.getAmount() && isSimilar(stack);
    }

    @Override
    public final int hashCode() {
        int hash = 1;
        hash = hash * 31 + type;
        hash = hash * 31 + amount;
        hash = hash * 31 + (durability & 0xffff);
        hash = hash * 31 + (hasItemMeta() ? meta.hashCode() : 0);
        return hash;
    }

    @Override
    public ItemStack clone() {
        try {
            ItemStack copy = (ItemStack) super.clone();
            if (meta != null) {
                copy.meta = meta.clone();
            }
            return copy;
        } catch (CloneNotSupportedException e) {
            throw new Error(e);
        }
    }

    @Override
    public String toString() {
        Material m = getType();
        return "ItemStack{" + (m == null ? String.valueOf(type) : m.name()) + " x " + amount
                + (hasItemMeta() ? ", " + meta.serialize() : "") + "}";
    }

    public Map<String, Object> serialize() {
        Map<String, Object> result = new LinkedHashMap<String, Object>();
        Material m = getType();
        result.put("type", m == null ? String.valueOf(type) : m.name());
        if (durability != 0) {
            result.put("damage", durability);
        }
        if (amount != 1) {
            result.put("amount", amount);
        }
        if (hasItemMeta()) {
            result.put("meta", meta.serialize());
        }
        return result;
    }

    /** A stack from a map written by serialize. */
    public static ItemStack deserialize(Map<String, Object> args) {
        Object typeName = args.get("type");
        Material type = typeName == null ? null : Material.matchMaterial(typeName.toString());
        if (type == null) {
            throw new IllegalArgumentException("unknown item type " + typeName);
        }
        short damage = 0;
        int amount = 1;
        if (args.containsKey("damage")) {
            damage = ((Number) args.get("damage")).shortValue();
        }
        if (args.containsKey("amount")) {
            amount = ((Number) args.get("amount")).intValue();
        }
        ItemStack result = new ItemStack(type, amount, damage);
        Object meta = args.get("meta");
        if (meta instanceof ItemMeta) {
            result.setItemMeta((ItemMeta) meta);
        } else if (meta instanceof Map) {
            result.setItemMeta(MetaKinds.fromSaved(type, (Map<?, ?>) meta));
        }
        return result;
    }
}
