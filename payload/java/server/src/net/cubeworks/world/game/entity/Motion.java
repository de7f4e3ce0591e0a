package net.cubeworks.world.game.entity;

/**
 * How a small box on the ground moves (an item, an orb): by its motion, up or down first and then
 * across, in steps of at most 0.3 blocks, stopping at the faces of solid blocks; on the ground
 * when a move down was stopped. The entity's place is the middle of its box, half each way.
 */
final class Motion {
    private Motion() {
    }

    static void move(WorldEntity e, GroundItems ground, double half) {
        double wantY = e.motionY;
        double movedY = moveAxis(e, ground, half, 1, e.motionY);
        e.onGround = wantY < 0 && movedY > wantY;
        if (movedY != wantY) {
            e.motionY = 0;
        }
        if (moveAxis(e, ground, half, 0, e.motionX) != e.motionX) {
            e.motionX = 0;
        }
        if (moveAxis(e, ground, half, 2, e.motionZ) != e.motionZ) {
            e.motionZ = 0;
        }
    }

    private static boolean solidAt(GroundItems ground, int bx, int by, int bz) {
        return by >= 0 && by <= 255 && ground.solid(ground.blockAt(bx, by, bz));
    }

    /** True when the box at the place overlaps a solid block. */
    static boolean blocked(GroundItems ground, double half, double cx, double cy, double cz) {
        int x0 = ItemEntity.floor(cx - half);
        int x1 = ItemEntity.floor(cx + half - 1e-7);
        int y0 = ItemEntity.floor(cy - half);
        int y1 = ItemEntity.floor(cy + half - 1e-7);
        int z0 = ItemEntity.floor(cz - half);
        int z1 = ItemEntity.floor(cz + half - 1e-7);
        for (int bx = x0; bx <= x1; bx++) {
            for (int by = y0; by <= y1; by++) {
                for (int bz = z0; bz <= z1; bz++) {
                    if (solidAt(ground, bx, by, bz)) {
                        return true;
                    }
                }
            }
        }
        return false;
    }

    /** Moves along one axis; returns how far it went. */
    private static double moveAxis(WorldEntity e, GroundItems ground, double half, int axis, double d) {
        if (d == 0) {
            return 0;
        }
        double gone = 0;
        double left = d;
        while (left != 0) {
            double step = Math.abs(left) > 0.3 ? Math.copySign(0.3, left) : left;
            double nx = e.x + (axis == 0 ? step : 0);
            double ny = e.y + (axis == 1 ? step : 0);
            double nz = e.z + (axis == 2 ? step : 0);
            if (blocked(ground, half, nx, ny, nz)) {
                return gone + contact(e, half, axis, step); // up against the block: as far as its face
            }
            e.x = nx;
            e.y = ny;
            e.z = nz;
            gone += step;
            left -= step;
        }
        return gone;
    }

    /** Moves up to the face of the block in the way along the axis; returns how far that was. */
    private static double contact(WorldEntity e, double half, int axis, double step) {
        double now = axis == 0 ? e.x : axis == 1 ? e.y : e.z;
        double edge = step > 0 ? now + half : now - half;
        double target = step > 0 ? ItemEntity.floor(edge + step) - half : ItemEntity.floor(edge + step) + 1 + half;
        double moved = target - now;
        if (step > 0 ? moved < 0 || moved > step : moved > 0 || moved < step) {
            return 0;
        }
        // the face itself, not now plus the difference, which may fall a hair short of it
        if (axis == 0) {
            e.x = target;
        } else if (axis == 1) {
            e.y = target;
        } else {
            e.z = target;
        }
        return moved;
    }
}
