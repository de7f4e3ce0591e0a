package org.bukkit.util;

/** A vector naming a block: equal when the block coordinates are. */
public class BlockVector extends Vector {
    public BlockVector() {
    }

    public BlockVector(Vector vec) {
        this(vec.getX(), vec.getY(), vec.getZ());
    }

    public BlockVector(int x, int y, int z) {
        super(x, y, z);
    }

    public BlockVector(double x, double y, double z) {
        super(x, y, z);
    }

    public BlockVector(float x, float y, float z) {
        super(x, y, z);
    }

    @Override
    public boolean equals(Object obj) {
        if (!(obj instanceof BlockVector)) {
            return false;
        }
        BlockVector other = (BlockVector) obj;
        return (int) other.getX() == (int) x && (int) other.getY() == (int) y && (int) other.getZ() == (int) z;
    }

    @Override
    public int hashCode() {
        return (Integer.valueOf((int) x).hashCode() >> 13) ^ (Integer.valueOf((int) y).hashCode() >> 7)
                ^ Integer.valueOf((int) z).hashCode();
    }

    @Override
    public BlockVector clone() {
        return (BlockVector) super.clone();
    }

    public static BlockVector deserialize(java.util.Map<String, Object> args) {
        return new BlockVector(Vector.deserialize(args));
    }
}
