package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.PriorityQueue;

import net.cubeworks.world.game.world.Terrain;

/**
 * The way over the blocks from where a mob stands to a goal, by A*: a step goes to one of the four
 * neighbouring places a body can stand in, level, one block up (a jump, with room overhead) or down
 * a drop of at most {@link #MAX_DROP} blocks (a fall that does not hurt); water, lava, fire and
 * cactus are kept out of, as are places without room for the body's height. Each search looks at
 * no more than its node budget: when the goal is not reached within it, the way leads to the place
 * nearest the goal it did reach, or there is none.
 */
public final class PathFinder {
    /** The deepest drop a way takes: falls of three blocks do not hurt. */
    public static final int MAX_DROP = 3;

    private static final int[][] SIDES = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

    private final Terrain terrain;
    /** The body's height in whole blocks of room it needs. */
    private final int room;
    private final boolean avoidWater;
    /** Nodes looked at by the last search. */
    public int visited;

    public PathFinder(Terrain terrain, int room, boolean avoidWater) {
        this.terrain = terrain;
        this.room = Math.max(1, room);
        this.avoidWater = avoidWater;
    }

    private static final class Node implements Comparable<Node> {
        final int x;
        final int y;
        final int z;
        final Node from;
        final double cost;
        final double estimate;

        Node(int x, int y, int z, Node from, double cost, double estimate) {
            this.x = x;
            this.y = y;
            this.z = z;
            this.from = from;
            this.cost = cost;
            this.estimate = estimate;
        }

        public int compareTo(Node o) {
            return Double.compare(cost + estimate, o.cost + o.estimate);
        }
    }

    private static long key(int x, int y, int z) {
        return ((long) (x & 0x3FFFFFF) << 38) | ((long) (z & 0x3FFFFFF) << 12) | (y & 0xFFF);
    }

    /** Whether the body can stand with its feet in this block: ground under it, room above, nothing that hurts. */
    public boolean standable(int x, int y, int z) {
        if (y < 1 || y + room > 256) {
            return false;
        }
        int below = terrain.blockAt(x, y - 1, z);
        if (!Shapes.stops(below, terrain.metaAt(x, y - 1, z)) || Shapes.harmful(below)) {
            return false;
        }
        return open(x, y, z, room);
    }

    /** Whether the blocks from y up, n of them, let a body through and do it no harm. */
    private boolean open(int x, int y, int z, int n) {
        for (int i = 0; i < n; i++) {
            int id = terrain.blockAt(x, y + i, z);
            if (id == 0) {
                continue;
            }
            if (Shapes.stops(id, terrain.metaAt(x, y + i, z)) || Shapes.harmful(id) || Shapes.lava(id)
                    || (avoidWater && Shapes.water(id))) {
                return false;
            }
        }
        return true;
    }

    private static double distance(int x, int y, int z, int tx, int ty, int tz) {
        double dx = x - tx;
        double dy = y - ty;
        double dz = z - tz;
        return Math.sqrt(dx * dx + dy * dy + dz * dz);
    }

    /**
     * The places from the start (exclusive) to the goal, each {x, y, z} of the feet; the last the
     * goal itself or, when it was not reached within the budget, the reached place nearest to it.
     * Null when no step at all can be taken towards it.
     */
    public List<int[]> find(int sx, int sy, int sz, int tx, int ty, int tz, int budget) {
        visited = 0;
        PriorityQueue<Node> open = new PriorityQueue<Node>();
        Map<Long, Double> best = new HashMap<Long, Double>();
        Node start = new Node(sx, sy, sz, null, 0, distance(sx, sy, sz, tx, ty, tz));
        open.add(start);
        best.put(key(sx, sy, sz), 0.0);
        Node nearest = start;
        while (!open.isEmpty() && visited < budget) {
            Node n = open.poll();
            Double known = best.get(key(n.x, n.y, n.z));
            if (known != null && known < n.cost) {
                continue;
            }
            visited++;
            if (n.x == tx && n.y == ty && n.z == tz) {
                return way(n);
            }
            if (n.estimate < nearest.estimate) {
                nearest = n;
            }
            for (int[] s : SIDES) {
                int x = n.x + s[0];
                int z = n.z + s[1];
                int y = step(n, x, z);
                if (y == Integer.MIN_VALUE) {
                    continue;
                }
                double cost = n.cost + 1 + (y > n.y ? 0.5 : 0) + (n.y - y > 0 ? 0.2 * (n.y - y) : 0);
                long k = key(x, y, z);
                Double was = best.get(k);
                if (was != null && was <= cost) {
                    continue;
                }
                best.put(k, cost);
                open.add(new Node(x, y, z, n, cost, distance(x, y, z, tx, ty, tz)));
            }
        }
        return nearest == start ? null : way(nearest);
    }

    /** The height the feet reach stepping from the node to the neighbouring column, or MIN_VALUE when it cannot. */
    private int step(Node n, int x, int z) {
        if (standable(x, n.y, z)) {
            return n.y;
        }
        // up one: room above the head before the jump, and the place itself
        if (open(n.x, n.y + room, n.z, 1) && standable(x, n.y + 1, z)) {
            return n.y + 1;
        }
        // down: the body walks off into the open and falls to the first ground
        if (!open(x, n.y, z, room)) {
            return Integer.MIN_VALUE;
        }
        for (int d = 1; d <= MAX_DROP; d++) {
            int y = n.y - d;
            if (y < 1) {
                return Integer.MIN_VALUE;
            }
            if (standable(x, y, z)) {
                return y;
            }
            int id = terrain.blockAt(x, y, z);
            if (Shapes.stops(id, terrain.metaAt(x, y, z)) || Shapes.water(id) || Shapes.lava(id)) {
                return Integer.MIN_VALUE; // a block, or liquid, before any ground
            }
        }
        return Integer.MIN_VALUE; // deeper than a harmless fall
    }

    private static List<int[]> way(Node end) {
        List<int[]> out = new ArrayList<int[]>();
        for (Node n = end; n.from != null; n = n.from) {
            out.add(new int[] {n.x, n.y, n.z});
        }
        Collections.reverse(out);
        return out;
    }
}
