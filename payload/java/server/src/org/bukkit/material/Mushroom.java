package org.bukkit.material;

import java.util.EnumSet;
import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A huge mushroom block: which of its sides show the cap (data 0 none, 1 to 9 the top with sides, 14 all), or a stem (10, 15 all round). */
public class Mushroom extends MaterialData {
    public Mushroom(Material type) {
        super(type);
    }

    @Deprecated
    public Mushroom(Material type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Mushroom(int type, byte data) {
        super(type, data);
    }


    private static final int STEM = 10;
    private static final int ALL = 14;
    private static final int STEM_ALL = 15;

    public boolean isStem() {
        return getData() == STEM || getData() == STEM_ALL;
    }

    public void setStem() {
        setData((byte) STEM);
    }

    /** Data 1 to 9 is the top with the sides of a 3x3 grid's cell: 1 north-west corner ... 9 south-east. */
    public boolean isFacePainted(BlockFace face) {
        int d = getData();
        if (d == ALL) {
            return true;
        }
        if (d <= 0 || d > 9) {
            return false;
        }
        int col = (d - 1) % 3;
        int row = (d - 1) / 3;
        switch (face) {
            case UP:
                return true;
            case WEST:
                return col == 0;
            case EAST:
                return col == 2;
            case NORTH:
                return row == 0;
            case SOUTH:
                return row == 2;
            default:
                return false;
        }
    }

    /** Paints or clears one side; a combination no data value has is an IllegalArgumentException. */
    public void setFacePainted(BlockFace face, boolean painted) {
        if (face != BlockFace.UP && face != BlockFace.NORTH && face != BlockFace.SOUTH && face != BlockFace.EAST
                && face != BlockFace.WEST && face != BlockFace.DOWN) {
            throw new IllegalArgumentException("Can't paint that face of a mushroom!");
        }
        java.util.Set<BlockFace> want = EnumSet.noneOf(BlockFace.class);
        want.addAll(getPaintedFaces());
        if (painted) {
            want.add(face);
        } else {
            want.remove(face);
        }
        for (int d = 0; d <= 14; d++) {
            if (d == STEM) {
                continue;
            }
            byte old = getData();
            setData((byte) d);
            if (getPaintedFaces().equals(want)) {
                return;
            }
            setData(old);
        }
        throw new IllegalArgumentException("No mushroom block has the cap on " + want);
    }

    public java.util.Set<BlockFace> getPaintedFaces() {
        EnumSet<BlockFace> faces = EnumSet.noneOf(BlockFace.class);
        for (BlockFace f : new BlockFace[] {BlockFace.WEST, BlockFace.NORTH, BlockFace.SOUTH, BlockFace.EAST,
            BlockFace.UP, BlockFace.DOWN}) {
            if (isFacePainted(f) || (f == BlockFace.DOWN && getData() == ALL)) {
                faces.add(f);
            }
        }
        return faces;
    }

    @Override
    public String toString() {
        return Material.getMaterial(getItemTypeId()).toString() + (isStem() ? "{STEM}" : getPaintedFaces());
    }

    @Override
    public Mushroom clone() {
        return (Mushroom) super.clone();
    }
}
