package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.List;

import org.junit.Test;

/** The path finder over small made-up terrains: steps, walls, holes, water, and its budget. */
public class PathFinderTest {
    private static final int BUDGET = 2000;

    private static int[] last(List<int[]> way) {
        return way.get(way.size() - 1);
    }

    /** Every step of the way is to a neighbouring column and a place the body can stand in. */
    private static void assertWalkable(PathFinder f, int sx, int sy, int sz, List<int[]> way) {
        int[] prev = {sx, sy, sz};
        for (int[] p : way) {
            assertEquals("one column at a time", 1, Math.abs(p[0] - prev[0]) + Math.abs(p[2] - prev[2]));
            assertTrue("standable at " + p[0] + "," + p[1] + "," + p[2], f.standable(p[0], p[1], p[2]));
            assertTrue("never more than one block up", p[1] - prev[1] <= 1);
            assertTrue("never a fall that hurts", prev[1] - p[1] <= PathFinder.MAX_DROP);
            prev = p;
        }
    }

    @Test
    public void aWallIsWalkedAroundThroughItsGapAndAStepOfOneIsClimbedButNotOfTwo() {
        Grid g = new Grid(4);
        g.fill(5, 4, -10, 5, 6, 10, 1); // a wall three high across x=5
        g.setBlock(5, 4, 7, 0, 0); // a gap two high at z=7
        g.setBlock(5, 5, 7, 0, 0);
        PathFinder f = new PathFinder(g, 2, true);
        List<int[]> way = f.find(0, 4, 0, 10, 4, 0, BUDGET);
        assertNotNull(way);
        assertArrayEquals(new int[] {10, 4, 0}, last(way));
        assertWalkable(f, 0, 4, 0, way);
        boolean throughGap = false;
        for (int[] p : way) {
            throughGap |= p[0] == 5 && p[2] == 7;
        }
        assertTrue(throughGap);

        // a single block is stepped onto; a block two high is not (the way goes around it)
        Grid steps = new Grid(4);
        steps.setBlock(2, 4, 0, 1, 0);
        PathFinder s = new PathFinder(steps, 2, true);
        List<int[]> up = s.find(0, 4, 0, 2, 5, 0, BUDGET);
        assertArrayEquals(new int[] {2, 5, 0}, last(up));
        assertWalkable(s, 0, 4, 0, up);
        Grid tower = new Grid(4).fill(2, 4, 0, 2, 5, 0, 1);
        PathFinder t = new PathFinder(tower, 2, true);
        List<int[]> onTop = t.find(0, 4, 0, 2, 6, 0, BUDGET);
        assertFalse("no way up two blocks", onTop != null && last(onTop)[1] == 6);
        // and no jump under a low ceiling
        Grid low = new Grid(4);
        low.setBlock(1, 4, 0, 1, 0);
        low.setBlock(0, 6, 0, 1, 0); // right over the head at the start
        low.fill(-1, 4, -1, -1, 6, 1, 1);
        low.fill(0, 4, 1, 1, 6, 1, 1);
        low.fill(0, 4, -1, 1, 6, -1, 1);
        PathFinder l = new PathFinder(low, 2, true);
        assertNull(l.find(0, 4, 0, 1, 5, 0, BUDGET));
    }

    @Test
    public void holesDeeperThanAHarmlessFallAndWaterAreKeptOutOf() {
        Grid g = new Grid(10);
        g.fill(3, 1, -1, 3, 9, 1, 0); // a hole nine deep across the straight line, three wide
        PathFinder f = new PathFinder(g, 2, true);
        List<int[]> way = f.find(0, 10, 0, 6, 10, 0, BUDGET);
        assertArrayEquals(new int[] {6, 10, 0}, last(way));
        assertWalkable(f, 0, 10, 0, way);
        for (int[] p : way) {
            assertFalse("around the hole, never in it", p[0] == 3 && p[1] < 10);
        }

        // a ledge three down is taken; four down is not
        Grid ledge = new Grid(4).fill(-5, 4, -5, 0, 6, 5, 1); // a platform top at y 7 over ground at 4
        PathFinder lf = new PathFinder(ledge, 2, true);
        List<int[]> down = lf.find(0, 7, 0, 3, 4, 0, BUDGET);
        assertArrayEquals(new int[] {3, 4, 0}, last(down));
        Grid cliff = new Grid(4).fill(-5, 4, -5, 0, 7, 5, 1); // top at y 8: a drop of four
        PathFinder cf = new PathFinder(cliff, 2, true);
        List<int[]> off = cf.find(0, 8, 0, 3, 4, 0, BUDGET);
        assertTrue("nothing below the cliff is reached", off == null || last(off)[1] == 8);

        // a pool across the way: around it, never through
        Grid pool = new Grid(4).fill(2, 3, -2, 4, 3, 2, 9);
        PathFinder pf = new PathFinder(pool, 2, true);
        List<int[]> dry = pf.find(0, 4, 0, 6, 4, 0, BUDGET);
        assertArrayEquals(new int[] {6, 4, 0}, last(dry));
        for (int[] p : dry) {
            assertFalse("no step into or over the water", p[0] >= 2 && p[0] <= 4 && Math.abs(p[2]) <= 2);
        }
        // lava under the feet is never stood on, nor stepped into
        Grid lava = new Grid(4).fill(1, 3, -30, 1, 3, 30, 11);
        List<int[]> hot = new PathFinder(lava, 2, true).find(0, 4, 0, 2, 4, 0, 400);
        assertTrue(hot == null || last(hot)[0] < 1);
    }

    @Test
    public void aSearchStopsAtItsBudgetAndLeadsTowardsTheGoal() {
        Grid g = new Grid(4);
        g.fill(18, 4, 18, 22, 7, 22, 1); // the goal inside a closed box
        g.fill(19, 4, 19, 21, 6, 21, 0);
        g.setBlock(20, 3, 20, 1, 0);
        PathFinder f = new PathFinder(g, 2, true);
        List<int[]> way = f.find(0, 4, 0, 20, 4, 20, 300);
        assertTrue("looked at no more than its budget", f.visited <= 300);
        assertNotNull("the way leads as near as it got", way);
        int[] end = last(way);
        double before = Math.hypot(20, 20);
        assertTrue(Math.hypot(20 - end[0], 20 - end[2]) < before);
        assertWalkable(f, 0, 4, 0, way);
    }
}
