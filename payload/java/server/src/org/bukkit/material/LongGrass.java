package org.bukkit.material;

import org.bukkit.GrassSpecies;
import org.bukkit.Material;

/** Tall grass: dead shrub, grass or fern. */
public class LongGrass extends MaterialData {
    public LongGrass() {
        super(Material.LONG_GRASS);
    }

    @Deprecated
    public LongGrass(int type) {
        super(type);
    }

    public LongGrass(Material type) {
        super(type);
    }

    @Deprecated
    public LongGrass(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public LongGrass(Material type, byte data) {
        super(type, data);
    }


    public LongGrass(GrassSpecies kind) {
        this();
        setSpecies(kind);
    }

    /** By the data value. */
    public GrassSpecies getSpecies() {
        return GrassSpecies.getByData((byte) (getData()));
    }

    public void setSpecies(GrassSpecies kind) {
        setData(kind.getData());
    }

    @Override
    public String toString() {
        return getSpecies() + " " + super.toString();
    }

    @Override
    public LongGrass clone() {
        return (LongGrass) super.clone();
    }
}
