package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.TreeSpecies;

/** A wooden slab: its wood (data and 0x7) and in the top half of its block (0x8). */
public class WoodenStep extends MaterialData {
    public WoodenStep() {
        super(Material.WOOD_STEP);
    }

    @Deprecated
    public WoodenStep(int type) {
        super(type);
    }

    @Deprecated
    public WoodenStep(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public WoodenStep(Material type, byte data) {
        super(type, data);
    }


    public WoodenStep(TreeSpecies species) {
        this();
        setSpecies(species);
    }

    public WoodenStep(TreeSpecies species, boolean inv) {
        this();
        setSpecies(species);
        setInverted(inv);
    }

    public TreeSpecies getSpecies() {
        return TreeSpecies.getByData((byte) (getData() & 0x7));
    }

    public void setSpecies(TreeSpecies species) {
        setData((byte) ((getData() & 0x8) | species.getData()));
    }

    public boolean isInverted() {
        return (getData() & 0x8) != 0;
    }

    public void setInverted(boolean inv) {
        setData((byte) (inv ? getData() | 0x8 : getData() & ~0x8));
    }

    @Override
    public String toString() {
        return super.toString() + " " + getSpecies() + (isInverted() ? " inverted" : "");
    }

    @Override
    public WoodenStep clone() {
        return (WoodenStep) super.clone();
    }
}
