package org.bukkit.material;

import org.bukkit.Material;

/** A cauldron: water in it from empty (0) to full (3). */
public class Cauldron extends MaterialData {
    public Cauldron() {
        super(Material.CAULDRON);
    }

    @Deprecated
    public Cauldron(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Cauldron(byte data) {
        super(Material.CAULDRON, data);
    }


    public boolean isFull() {
        return getData() >= 3;
    }

    public boolean isEmpty() {
        return getData() <= 0;
    }

    @Override
    public String toString() {
        return (isEmpty() ? "EMPTY" : isFull() ? "FULL" : getData() + "/3 FULL") + " CAULDRON";
    }

    @Override
    public Cauldron clone() {
        return (Cauldron) super.clone();
    }
}
