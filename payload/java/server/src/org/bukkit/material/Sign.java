package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.block.BlockFace;

/** A sign: on a wall (data 2 to 5 as ladders 2 to 5) or on a post, turned in sixteen steps from south (0) through west (4), north (8), east (12). */
public class Sign extends MaterialData implements Attachable {
    public Sign() {
        super(Material.SIGN_POST);
    }

    @Deprecated
    public Sign(int type) {
        super(type);
    }

    public Sign(Material type) {
        super(type);
    }

    @Deprecated
    public Sign(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Sign(Material type, byte data) {
        super(type, data);
    }


    private static final BlockFace[] POST = {BlockFace.SOUTH, BlockFace.SOUTH_SOUTH_WEST, BlockFace.SOUTH_WEST,
        BlockFace.WEST_SOUTH_WEST, BlockFace.WEST, BlockFace.WEST_NORTH_WEST, BlockFace.NORTH_WEST,
        BlockFace.NORTH_NORTH_WEST, BlockFace.NORTH, BlockFace.NORTH_NORTH_EAST, BlockFace.NORTH_EAST,
        BlockFace.EAST_NORTH_EAST, BlockFace.EAST, BlockFace.EAST_SOUTH_EAST, BlockFace.SOUTH_EAST,
        BlockFace.SOUTH_SOUTH_EAST};

    public boolean isWallSign() {
        return getItemType() == Material.WALL_SIGN;
    }

    /** A post stands on the block below; a wall sign hangs on the one behind it. */
    public BlockFace getAttachedFace() {
        if (!isWallSign()) {
            return BlockFace.DOWN;
        }
        switch (getData()) {
            case 0x2:
                return BlockFace.SOUTH;
            case 0x3:
                return BlockFace.NORTH;
            case 0x4:
                return BlockFace.EAST;
            case 0x5:
                return BlockFace.WEST;
            default:
                return null;
        }
    }

    public BlockFace getFacing() {
        if (!isWallSign()) {
            return POST[getData() & 0xF];
        }
        BlockFace attached = getAttachedFace();
        return attached == null ? null : attached.getOppositeFace();
    }

    public void setFacingDirection(BlockFace face) {
        if (isWallSign()) {
            switch (face) {
                case SOUTH:
                    setData((byte) 0x3);
                    return;
                case WEST:
                    setData((byte) 0x4);
                    return;
                case EAST:
                    setData((byte) 0x5);
                    return;
                case NORTH:
                default:
                    setData((byte) 0x2);
                    return;
            }
        }
        for (int i = 0; i < POST.length; i++) {
            if (POST[i] == face) {
                setData((byte) i);
                return;
            }
        }
        setData((byte) 0);
    }

    @Override
    public String toString() {
        return super.toString() + " facing " + getFacing();
    }

    @Override
    public Sign clone() {
        return (Sign) super.clone();
    }
}
