package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.TreeSpecies;
import org.bukkit.block.BlockFace;

/** A log, planks, sapling or leaves: the wood (data and 0x3) and, for a log, the way it lies (0x4 east-west, 0x8 north-south, 0xC bark all round). */
public class Tree extends MaterialData {
    public Tree() {
        super(Material.LOG);
    }

    @Deprecated
    public Tree(int type) {
        super(type);
    }

    public Tree(Material type) {
        super(type);
    }

    @Deprecated
    public Tree(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Tree(Material type, byte data) {
        super(type, data);
    }


    public Tree(TreeSpecies species) {
        this();
        setSpecies(species);
    }

    public Tree(TreeSpecies species, BlockFace dir) {
        this();
        setSpecies(species);
        setDirection(dir);
    }

    public TreeSpecies getSpecies() {
        return TreeSpecies.getByData((byte) (getData() & 0x3));
    }

    public void setSpecies(TreeSpecies species) {
        setData((byte) ((getData() & 0xC) | (species.getData() & 0x3)));
    }

    /** Which way the log lies: UP, EAST (along x), NORTH (along z), or SELF (bark on every side). */
    public BlockFace getDirection() {
        switch ((getData() >> 2) & 0x3) {
            case 1:
                return BlockFace.EAST;
            case 2:
                return BlockFace.NORTH;
            case 3:
                return BlockFace.SELF;
            default:
                return BlockFace.UP;
        }
    }

    public void setDirection(BlockFace dir) {
        int d;
        switch (dir) {
            case EAST:
            case WEST:
                d = 0x4;
                break;
            case NORTH:
            case SOUTH:
                d = 0x8;
                break;
            case SELF:
                d = 0xC;
                break;
            case UP:
            case DOWN:
            default:
                d = 0x0;
        }
        setData((byte) ((getData() & 0x3) | d));
    }

    @Override
    public String toString() {
        return getSpecies() + " " + getDirection() + " " + super.toString();
    }

    @Override
    public Tree clone() {
        return (Tree) super.clone();
    }
}
