package org.bukkit.material;

import org.bukkit.CropState;
import org.bukkit.Material;

/** Wheat, carrots or potatoes and how far they have grown (0 to 7). */
public class Crops extends MaterialData {
    public Crops() {
        super(Material.CROPS);
    }

    @Deprecated
    public Crops(int type) {
        super(type);
    }

    public Crops(Material type) {
        super(type);
    }

    @Deprecated
    public Crops(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Crops(Material type, byte data) {
        super(type, data);
    }


    public Crops(CropState kind) {
        this();
        setState(kind);
    }

    /** By the data value. */
    public CropState getState() {
        return CropState.getByData((byte) (getData()));
    }

    public void setState(CropState kind) {
        setData(kind.getData());
    }

    @Override
    public String toString() {
        return getState() + " " + super.toString();
    }

    @Override
    public Crops clone() {
        return (Crops) super.clone();
    }
}
