package org.bukkit.util;

import java.util.Iterator;
import java.util.NoSuchElementException;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.entity.LivingEntity;

/**
 * The blocks a line passes through, in order from its start: the block the start lies in,
 * then each block the line enters, every one sharing a face with the one before (where the line
 * crosses an edge or a corner exactly, the blocks around it are taken an axis at a time, x
 * before y before z). It ends once the line has gone the maximum distance (0: no maximum) or
 * leaves the world's height.
 */
public class BlockIterator implements Iterator<Block> {
    private final World world;
    private final int maxDistance;
    /** The block of the line now, and which way each axis steps (-1, 0, 1). */
    private int bx;
    private int by;
    private int bz;
    private final int stepX;
    private final int stepY;
    private final int stepZ;
    /** How far along the line (in blocks) the next face of each axis is crossed, and between faces. */
    private double nextX;
    private double nextY;
    private double nextZ;
    private final double deltaX;
    private final double deltaY;
    private final double deltaZ;
    private boolean started;
    private Block pending;
    private boolean done;

    /**
     * From start (moved up by yOffset) along direction. maxDistance is the length of the line in
     * blocks; 0 for no limit.
     */
    public BlockIterator(World world, Vector start, Vector direction, double yOffset, int maxDistance) {
        this.world = world;
        this.maxDistance = maxDistance;
        double sx = start.getX();
        double sy = start.getY() + yOffset;
        double sz = start.getZ();
        double length = direction.length();
        double dx = length == 0 ? 0 : direction.getX() / length;
        double dy = length == 0 ? 0 : direction.getY() / length;
        double dz = length == 0 ? 0 : direction.getZ() / length;
        bx = floor(sx);
        by = floor(sy);
        bz = floor(sz);
        stepX = sign(dx);
        stepY = sign(dy);
        stepZ = sign(dz);
        deltaX = dx == 0 ? Double.POSITIVE_INFINITY : Math.abs(1 / dx);
        deltaY = dy == 0 ? Double.POSITIVE_INFINITY : Math.abs(1 / dy);
        deltaZ = dz == 0 ? Double.POSITIVE_INFINITY : Math.abs(1 / dz);
        nextX = firstCrossing(sx, bx, dx, deltaX);
        nextY = firstCrossing(sy, by, dy, deltaY);
        nextZ = firstCrossing(sz, bz, dz, deltaZ);
    }

    public BlockIterator(Location loc, double yOffset, int maxDistance) {
        this(loc.getWorld(), loc.toVector(), loc.getDirection(), yOffset, maxDistance);
    }

    public BlockIterator(Location loc, double yOffset) {
        this(loc, yOffset, 0);
    }

    public BlockIterator(Location loc) {
        this(loc, 0);
    }

    /** Along the entity's line of sight, from its eyes. */
    public BlockIterator(LivingEntity entity, int maxDistance) {
        this(entity.getEyeLocation(), 0, maxDistance);
    }

    public BlockIterator(LivingEntity entity) {
        this(entity, 0);
    }

    private static int floor(double v) {
        int i = (int) v;
        return v < i ? i - 1 : i;
    }

    private static int sign(double v) {
        return v > 0 ? 1 : v < 0 ? -1 : 0;
    }

    /** The distance along the line to the first face crossed on one axis. */
    private static double firstCrossing(double s, int block, double d, double delta) {
        if (d > 0) {
            return (block + 1 - s) * delta;
        }
        if (d < 0) {
            return (s - block) * delta;
        }
        return Double.POSITIVE_INFINITY;
    }

    /** Works out the next block; null at the end. */
    private Block advance() {
        if (!started) {
            started = true;
        } else {
            double t;
            if (nextX <= nextY && nextX <= nextZ) {
                t = nextX;
                bx += stepX;
                nextX += deltaX;
            } else if (nextY <= nextZ) {
                t = nextY;
                by += stepY;
                nextY += deltaY;
            } else {
                t = nextZ;
                bz += stepZ;
                nextZ += deltaZ;
            }
            if (Double.isInfinite(t) || (maxDistance > 0 && t > maxDistance)) {
                return null;
            }
        }
        if (by < 0 || by > 255) {
            return null;
        }
        return world.getBlockAt(bx, by, bz);
    }

    public boolean hasNext() {
        if (pending == null && !done) {
            pending = advance();
            done = pending == null;
        }
        return pending != null;
    }

    public Block next() {
        if (!hasNext()) {
            throw new NoSuchElementException("No more elements");
        }
        Block b = pending;
        pending = null;
        return b;
    }

    public void remove() {
        throw new UnsupportedOperationException("[BlockIterator] doesn't support block removal");
    }
}
