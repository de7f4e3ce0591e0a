package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.TreeSpecies;

/** Leaves: the wood they grow on (data and 0x3; the rest counts decay). */
public class Leaves extends MaterialData {
    public Leaves() {
        super(Material.LEAVES);
    }

    @Deprecated
    public Leaves(int type) {
        super(type);
    }

    public Leaves(Material type) {
        super(type);
    }

    @Deprecated
    public Leaves(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Leaves(Material type, byte data) {
        super(type, data);
    }


    public Leaves(TreeSpecies kind) {
        this();
        setSpecies(kind);
    }

    /** The low two bits of the data. */
    public TreeSpecies getSpecies() {
        return TreeSpecies.getByData((byte) (getData() & 0x3));
    }

    public void setSpecies(TreeSpecies kind) {
        setData(kind.getData());
    }

    @Override
    public String toString() {
        return getSpecies() + " " + super.toString();
    }

    @Override
    public Leaves clone() {
        return (Leaves) super.clone();
    }
}
