package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.SandstoneType;

/** Sandstone: plain, chiselled or smooth. */
public class Sandstone extends MaterialData {
    public Sandstone() {
        super(Material.SANDSTONE);
    }

    @Deprecated
    public Sandstone(int type) {
        super(type);
    }

    public Sandstone(Material type) {
        super(type);
    }

    @Deprecated
    public Sandstone(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Sandstone(Material type, byte data) {
        super(type, data);
    }


    public Sandstone(SandstoneType kind) {
        this();
        setType(kind);
    }

    /** By the data value. */
    public SandstoneType getType() {
        return SandstoneType.getByData((byte) (getData()));
    }

    public void setType(SandstoneType kind) {
        setData(kind.getData());
    }

    @Override
    public String toString() {
        return getType() + " " + super.toString();
    }

    @Override
    public Sandstone clone() {
        return (Sandstone) super.clone();
    }
}
