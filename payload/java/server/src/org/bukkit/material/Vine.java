package org.bukkit.material;

import java.util.Arrays;
import java.util.EnumSet;
import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** Vines: the sides of the block they cling to, a bit each (south 0x1, west 0x2, north 0x4, east 0x8). */
public class Vine extends MaterialData {
    public Vine() {
        super(Material.VINE);
    }

    @Deprecated
    public Vine(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Vine(byte data) {
        super(Material.VINE, data);
    }


    private static final int SOUTH = 0x1;
    private static final int WEST = 0x2;
    private static final int NORTH = 0x4;
    private static final int EAST = 0x8;

    public Vine(BlockFace... faces) {
        this(EnumSet.copyOf(Arrays.asList(faces)));
    }

    public Vine(EnumSet<BlockFace> faces) {
        this();
        for (BlockFace f : faces) {
            putOnFace(f);
        }
    }

    private static int bits(BlockFace face) {
        switch (face) {
            case SOUTH:
                return SOUTH;
            case WEST:
                return WEST;
            case NORTH:
                return NORTH;
            case EAST:
                return EAST;
            case NORTH_EAST:
                return NORTH | EAST;
            case NORTH_WEST:
                return NORTH | WEST;
            case SOUTH_EAST:
                return SOUTH | EAST;
            case SOUTH_WEST:
                return SOUTH | WEST;
            case UP:
                return 0;
            default:
                throw new IllegalArgumentException("Vines can't go on face " + face.toString());
        }
    }

    /** Whether it clings to that side; UP: whether it clings to no side (hangs from above). */
    public boolean isOnFace(BlockFace face) {
        if (face == BlockFace.UP) {
            return (getData() & 0xF) == 0;
        }
        int b = bits(face);
        return (getData() & b) == b;
    }

    public void putOnFace(BlockFace face) {
        setData((byte) (getData() | bits(face)));
    }

    public void removeFromFace(BlockFace face) {
        setData((byte) (getData() & ~bits(face)));
    }

    @Override
    public String toString() {
        return "VINE";
    }

    @Override
    public Vine clone() {
        return (Vine) super.clone();
    }
}
