package org.bukkit.material;

import org.bukkit.CoalType;
import org.bukkit.Material;

/** A coal item: coal or charcoal. */
public class Coal extends MaterialData {
    public Coal() {
        super(Material.COAL);
    }

    @Deprecated
    public Coal(int type) {
        super(type);
    }

    public Coal(Material type) {
        super(type);
    }

    @Deprecated
    public Coal(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Coal(Material type, byte data) {
        super(type, data);
    }


    public Coal(CoalType kind) {
        this();
        setType(kind);
    }

    /** By the damage value. */
    public CoalType getType() {
        return CoalType.getByData((byte) (getData()));
    }

    public void setType(CoalType kind) {
        setData(kind.getData());
    }

    @Override
    public String toString() {
        return getType() + " " + super.toString();
    }

    @Override
    public Coal clone() {
        return (Coal) super.clone();
    }
}
