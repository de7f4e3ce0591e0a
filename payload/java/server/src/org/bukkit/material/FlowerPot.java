package org.bukkit.material;

import org.bukkit.GrassSpecies;
import org.bukkit.Material;
import org.bukkit.TreeSpecies;

/** A flower pot and what grows in it, by its data value. */
public class FlowerPot extends MaterialData {
    public FlowerPot() {
        super(Material.FLOWER_POT);
    }

    @Deprecated
    public FlowerPot(int type) {
        super(type);
    }

    public FlowerPot(Material type) {
        super(type);
    }

    @Deprecated
    public FlowerPot(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public FlowerPot(Material type, byte data) {
        super(type, data);
    }


    /** What is in the pot, null when it is empty. */
    public MaterialData getContents() {
        switch (getData()) {
            case 1:
                return new MaterialData(Material.RED_ROSE);
            case 2:
                return new MaterialData(Material.YELLOW_FLOWER);
            case 3:
                return new Tree(TreeSpecies.GENERIC);
            case 4:
                return new Tree(TreeSpecies.REDWOOD);
            case 5:
                return new Tree(TreeSpecies.BIRCH);
            case 6:
                return new Tree(TreeSpecies.JUNGLE);
            case 7:
                return new MaterialData(Material.RED_MUSHROOM);
            case 8:
                return new MaterialData(Material.BROWN_MUSHROOM);
            case 9:
                return new MaterialData(Material.CACTUS);
            case 10:
                return new MaterialData(Material.DEAD_BUSH);
            case 11:
                return new LongGrass(GrassSpecies.FERN_LIKE);
            default:
                return null;
        }
    }

    /** Puts a plant the pot takes in it; anything else empties it. */
    public void setContents(MaterialData materialData) {
        Material mat = materialData == null ? Material.AIR : materialData.getItemType();
        byte d = 0;
        if (mat == Material.RED_ROSE) {
            d = 1;
        } else if (mat == Material.YELLOW_FLOWER) {
            d = 2;
        } else if (mat == Material.RED_MUSHROOM) {
            d = 7;
        } else if (mat == Material.BROWN_MUSHROOM) {
            d = 8;
        } else if (mat == Material.CACTUS) {
            d = 9;
        } else if (mat == Material.DEAD_BUSH) {
            d = 10;
        } else if (mat == Material.SAPLING) {
            int species = materialData.getData() & 0x3;
            d = (byte) (3 + species);
        } else if (mat == Material.LONG_GRASS && (materialData.getData() & 0x3) == 2) {
            d = 11;
        }
        setData(d);
    }

    @Override
    public String toString() {
        return super.toString() + " containing " + getContents();
    }

    @Override
    public FlowerPot clone() {
        return (FlowerPot) super.clone();
    }
}
