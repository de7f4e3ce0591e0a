package net.cubeworks.world.game.mob;

import java.util.List;

import org.bukkit.Location;
import org.bukkit.entity.Entity;

/**
 * How a mob walks where its kind wants it: the path finder's way to a place (asked for at most
 * every half second or so, within the tick's shared budget of nodes), one push a tick along it
 * towards the next place, jumping up a block or out of water, and turning to face where it goes
 * or what it looks at. The body then moves it by the motion this sets.
 */
final class Walking {
    /** Nodes one search may look at. */
    static final int PATH_NODES = 400;

    private final Mob mob;
    /** The way it walks, and how far along it is. */
    private List<int[]> path;
    private int pathIndex;
    private int pathGoalX;
    private int pathGoalY;
    private int pathGoalZ;
    /** Ticks before it may ask for a new path. */
    private int pathWait;
    private double pathSpeed;
    private int stuckTicks;

    Walking(Mob mob) {
        this.mob = mob;
    }

    /** Whether it has a way it walks along. */
    boolean hasWay() {
        return path != null;
    }

    /** Walks towards the place by the path finder's way, at the speed times its own; false when no way is found now. */
    boolean walkTo(int gx, int gy, int gz, double speed) {
        if (path != null && gx == pathGoalX && gy == pathGoalY && gz == pathGoalZ && pathIndex < path.size()) {
            pathSpeed = speed;
            return true;
        }
        if (pathWait > 0) {
            pathWait--;
            return path != null;
        }
        Mobs mobs = mob.mobs;
        int budget = mobs.takePathBudget(PATH_NODES);
        if (budget <= 0) {
            return path != null; // the tick's path finding is spent: next tick
        }
        PathFinder finder = new PathFinder(mobs.world, mob.kind.room(), true);
        List<int[]> way = finder.find(Mob.floor(mob.x), Mob.floor(mob.y + 0.01), Mob.floor(mob.z), gx, gy, gz, budget);
        mobs.returnPathBudget(budget - finder.visited);
        pathWait = 10 + mobs.random.nextInt(10);
        pathGoalX = gx;
        pathGoalY = gy;
        pathGoalZ = gz;
        if (way == null || way.isEmpty()) {
            path = null;
            return false;
        }
        path = way;
        pathIndex = 0;
        pathSpeed = speed;
        stuckTicks = 0;
        return true;
    }

    /** Leaves its way: it stands, or finds another when next told where to go. */
    void stop() {
        path = null;
    }

    /** One tick along the way: turns towards the next place and pushes on, jumping up a block. */
    void step() {
        if (path == null) {
            return;
        }
        if (pathIndex >= path.size()) {
            path = null;
            return;
        }
        int[] next = path.get(pathIndex);
        double tx = next[0] + 0.5;
        double tz = next[2] + 0.5;
        double dx = tx - mob.x;
        double dz = tz - mob.z;
        if (dx * dx + dz * dz < 0.3 * 0.3 && Math.abs(mob.y - next[1]) < 1.1) {
            pathIndex++;
            stuckTicks = 0;
            return;
        }
        if (++stuckTicks > 80) {
            path = null; // pushed off its way: it finds another
            return;
        }
        push(tx, tz, pathSpeed);
        if (next[1] > mob.y + 0.5 && (mob.onGround || mob.body.inWater)) {
            jump();
        }
    }

    /** Faces the place and speeds towards it at the kind's walking speed times the factor. */
    void push(double tx, double tz, double factor) {
        double dx = tx - mob.x;
        double dz = tz - mob.z;
        double len = Math.sqrt(dx * dx + dz * dz);
        if (len < 1.0E-4) {
            return;
        }
        mob.yaw = (float) Math.toDegrees(Math.atan2(-dx, dz));
        mob.headYaw = mob.yaw;
        double v = mob.kind.speed * factor * 0.5;
        double a = mob.onGround ? v * (1 - Body.GROUND_FRICTION) / Body.GROUND_FRICTION : 0.02 * factor;
        if (mob.body.inWater) {
            a = 0.02 * factor;
        }
        mob.motionX += dx / len * a;
        mob.motionZ += dz / len * a;
        if (mob.body.collidedHorizontally && mob.onGround) {
            jump();
        }
    }

    void jump() {
        if (mob.onGround) {
            mob.motionY = Body.JUMP;
            mob.onGround = false;
        } else if (mob.body.inWater) {
            mob.motionY += 0.04;
        }
    }

    /** Turns its head (and body) to look at the entity. */
    void lookAt(Entity e) {
        Location l = e.getLocation();
        double dx = l.getX() - mob.x;
        double dz = l.getZ() - mob.z;
        mob.yaw = (float) Math.toDegrees(Math.atan2(-dx, dz));
        mob.headYaw = mob.yaw;
    }
}
