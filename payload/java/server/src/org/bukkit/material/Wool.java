package org.bukkit.material;

import org.bukkit.DyeColor;
import org.bukkit.Material;

/** Wool and its colour (the data value). */
public class Wool extends MaterialData implements Colorable {
    public Wool() {
        super(Material.WOOL);
    }

    @Deprecated
    public Wool(int type) {
        super(type);
    }

    public Wool(Material type) {
        super(type);
    }

    @Deprecated
    public Wool(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Wool(Material type, byte data) {
        super(type, data);
    }


    public Wool(DyeColor color) {
        this();
        setColor(color);
    }

    public DyeColor getColor() {
        return DyeColor.getByWoolData(getData());
    }

    public void setColor(DyeColor color) {
        setData(color.getWoolData());
    }

    @Override
    public String toString() {
        return getColor() + " " + super.toString();
    }

    @Override
    public Wool clone() {
        return (Wool) super.clone();
    }
}
