package org.bukkit.inventory;

import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.Material;
import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.inventory.meta.ItemMeta;

/** A stack of items: type, amount, damage (durability used, or the kind of block), and meta. */
public class ItemStack implements Cloneable, ConfigurationSerializable {
    private int type = 0;
    private int amount = 0;
    private short durability = 0;
    private ItemNameAndLore meta;

    protected ItemStack() {
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

    public void setTypeId(int type) {
        this.type = type;
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

    /** A copy of the meta; changes show once it is set back with setItemMeta. */
    public ItemMeta getItemMeta() {
        return meta == null ? new ItemNameAndLore() : meta.clone();
    }

    public boolean hasItemMeta() {
        return meta != null && !meta.isEmpty();
    }

    /** Keeps a copy of the meta; null takes it away. True when the meta can be kept on this item. */
    public boolean setItemMeta(ItemMeta itemMeta) {
        if (itemMeta == null) {
            meta = null;
            return true;
        }
        ItemNameAndLore copy = new ItemNameAndLore();
        copy.setDisplayName(itemMeta.getDisplayName());
        copy.setLore(itemMeta.getLore());
        meta = copy.isEmpty() ? null : copy;
        return true;
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
    public int hashCode() {
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
            result.setItemMeta(ItemNameAndLore.from((Map<?, ?>) meta));
        }
        return result;
    }
}
