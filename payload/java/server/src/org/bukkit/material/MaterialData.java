package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.inventory.ItemStack;

/** A block or item kind with its data value (the wool colour, the log's wood, a stair's facing). */
public class MaterialData implements Cloneable {
    private final int type;
    private byte data;

    @Deprecated
    public MaterialData(int type) {
        this(type, (byte) 0);
    }

    public MaterialData(Material type) {
        this(type, (byte) 0);
    }

    @Deprecated
    public MaterialData(int type, byte data) {
        this.type = type;
        this.data = data;
    }

    @Deprecated
    public MaterialData(Material type, byte data) {
        this(type.getId(), data);
    }

    @Deprecated
    public byte getData() {
        return data;
    }

    @Deprecated
    public void setData(byte data) {
        this.data = data;
    }

    /** The kind; null for an id no material has. */
    public Material getItemType() {
        return Material.getMaterial(type);
    }

    @Deprecated
    public int getItemTypeId() {
        return type;
    }

    /** One item of this kind, the data value as its damage. */
    public ItemStack toItemStack() {
        return toItemStack(1);
    }

    public ItemStack toItemStack(int amount) {
        return new ItemStack(type, amount, data);
    }

    @Override
    public String toString() {
        Material m = getItemType();
        return (m == null ? "#" + type : m.name()) + "(" + data + ")";
    }

    @Override
    public int hashCode() {
        return type << 8 ^ (data & 0xFF);
    }

    @Override
    public boolean equals(Object obj) {
        if (!(obj instanceof MaterialData)) {
            return false;
        }
        MaterialData o = (MaterialData) obj;
        return o.type == type && o.data == data;
    }

    @Override
    public MaterialData clone() {
        try {
            return (MaterialData) super.clone();
        } catch (CloneNotSupportedException cannotHappen) {
            throw new AssertionError(cannotHappen);
        }
    }
}
