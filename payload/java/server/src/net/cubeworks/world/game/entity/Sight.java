package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.List;
import java.util.Set;

/**
 * The blocks a look passes through: from the eyes along the look, every block the line enters in
 * turn (none skipped, as a ray walks a grid), up to the first one that stops the eye.
 */
public final class Sight {
    /** The farthest a look is followed, in blocks. */
    static final int MAX_DISTANCE = 120;

    /** The kind of block at a place. */
    public interface Blocks {
        int idAt(int x, int y, int z);
    }

    private Sight() {
    }

    /** The unit vector of a look: yaw 0 faces +z, yaw 90 faces -x, pitch 90 faces down. */
    static double[] direction(float yaw, float pitch) {
        double y = Math.toRadians(yaw);
        double p = Math.toRadians(pitch);
        return new double[] {-Math.sin(y) * Math.cos(p), -Math.sin(p), Math.cos(y) * Math.cos(p)};
    }

    /**
     * The blocks along the look, as {x, y, z}, nearest first, ending at the first block whose kind
     * is not see-through (transparent null: only air is) or after maxDistance blocks along the line;
     * only the last {@code keep} are returned (0 keeps all). The line stops at the world's top and
     * bottom.
     */
    public static List<int[]> trace(Blocks world, double ox, double oy, double oz, float yaw, float pitch, int maxDistance,
            Set<Byte> transparent, int keep) {
        int reach = maxDistance <= 0 || maxDistance > MAX_DISTANCE ? MAX_DISTANCE : maxDistance;
        double[] d = direction(yaw, pitch);
        int x = (int) Math.floor(ox);
        int y = (int) Math.floor(oy);
        int z = (int) Math.floor(oz);
        int stepX = d[0] > 0 ? 1 : -1;
        int stepY = d[1] > 0 ? 1 : -1;
        int stepZ = d[2] > 0 ? 1 : -1;
        double tDeltaX = d[0] == 0 ? Double.MAX_VALUE : Math.abs(1 / d[0]);
        double tDeltaY = d[1] == 0 ? Double.MAX_VALUE : Math.abs(1 / d[1]);
        double tDeltaZ = d[2] == 0 ? Double.MAX_VALUE : Math.abs(1 / d[2]);
        double tMaxX = d[0] == 0 ? Double.MAX_VALUE : (d[0] > 0 ? x + 1 - ox : ox - x) * tDeltaX;
        double tMaxY = d[1] == 0 ? Double.MAX_VALUE : (d[1] > 0 ? y + 1 - oy : oy - y) * tDeltaY;
        double tMaxZ = d[2] == 0 ? Double.MAX_VALUE : (d[2] > 0 ? z + 1 - oz : oz - z) * tDeltaZ;
        List<int[]> out = new ArrayList<int[]>();
        double travelled = 0;
        while (travelled <= reach && y >= 0 && y <= 255) {
            out.add(new int[] {x, y, z});
            if (keep > 0 && out.size() > keep) {
                out.remove(0);
            }
            int id = world.idAt(x, y, z);
            boolean seeThrough = transparent == null ? id == 0 : transparent.contains((byte) id);
            if (!seeThrough) {
                break;
            }
            if (tMaxX <= tMaxY && tMaxX <= tMaxZ) {
                travelled = tMaxX;
                tMaxX += tDeltaX;
                x += stepX;
            } else if (tMaxY <= tMaxZ) {
                travelled = tMaxY;
                tMaxY += tDeltaY;
                y += stepY;
            } else {
                travelled = tMaxZ;
                tMaxZ += tDeltaZ;
                z += stepZ;
            }
        }
        return out;
    }
}
