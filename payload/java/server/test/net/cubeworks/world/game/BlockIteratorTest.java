package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;
import java.util.logging.Logger;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.util.BlockIterator;
import org.bukkit.util.Vector;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.game.thread.GameHost;

/** The walk through the blocks along a line: which blocks, in which order, and where it stops. */
public class BlockIteratorTest {
    private Game game;
    private World world;

    @Before
    public void setUp() {
        GameHost host = TestGames.host(new EventDispatch(Logger.getAnonymousLogger()));
        game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, host, new WorldStore.None());
        world = game.world().api();
    }

    @After
    public void tearDown() {
        game.world().close();
    }

    private List<int[]> walk(Vector start, Vector dir, int max) {
        List<int[]> out = new ArrayList<int[]>();
        BlockIterator it = new BlockIterator(world, start, dir, 0, max);
        while (it.hasNext() && out.size() < 1000) {
            Block b = it.next();
            out.add(new int[] {b.getX(), b.getY(), b.getZ()});
        }
        return out;
    }

    private static String text(List<int[]> blocks) {
        StringBuilder b = new StringBuilder();
        for (int[] p : blocks) {
            b.append(p[0]).append(',').append(p[1]).append(',').append(p[2]).append(' ');
        }
        return b.toString().trim();
    }

    @Test
    public void straightAndDiagonalLinesTakeTheBlocksTheyCrossInOrder() {
        assertEquals("0,10,0 1,10,0 2,10,0 3,10,0", text(walk(new Vector(0.5, 10.5, 0.5), new Vector(1, 0, 0), 3)));
        assertEquals("-1,10,-1 -2,10,-1 -3,10,-1", text(walk(new Vector(-0.5, 10.5, -0.5), new Vector(-1, 0, 0), 2)));
        // through the corners exactly: x is taken before z
        assertEquals("0,10,0 1,10,0 1,10,1 2,10,1 2,10,2",
                text(walk(new Vector(0.5, 10.5, 0.5), new Vector(1, 0, 1), 3)));
        // a shallow slope climbs one block after a few steps along x
        assertEquals("0,10,0 1,10,0 2,10,0 2,11,0 3,11,0 4,11,0",
                text(walk(new Vector(0.5, 10.5, 0.5), new Vector(1, 0.25, 0), 4)));
    }

    @Test
    public void theWalkEndsAtTheWorldsFloorAndLooksFromTheEyes() {
        List<int[]> down = walk(new Vector(3.5, 2.5, 3.5), new Vector(0, -1, 0), 0);
        assertEquals("3,2,3 3,1,3 3,0,3", text(down));
        BlockIterator it = new BlockIterator(new Location(world, 0.5, 64, 0.5, 0, 90), 0, 0);
        Block first = it.next();
        assertEquals(64, first.getY());
        assertEquals(63, it.next().getY());
        BlockIterator still = new BlockIterator(world, new Vector(1, 1, 1), new Vector(0, 0, 0), 0, 5);
        still.next();
        assertFalse(still.hasNext());
    }

    @Test
    public void everyStepSharesAFaceAndEveryBlockTouchesTheLine() {
        Random r = new Random(42);
        for (int n = 0; n < 200; n++) {
            Vector start = new Vector(r.nextDouble() * 20 - 10, 100 + r.nextDouble() * 20, r.nextDouble() * 20 - 10);
            Vector dir = new Vector(r.nextGaussian(), r.nextGaussian(), r.nextGaussian());
            List<int[]> blocks = walk(start, dir, 30);
            Vector unit = dir.clone().normalize();
            int[] firstBlock = blocks.get(0);
            assertEquals(Math.floor(start.getX()), firstBlock[0], 0);
            for (int i = 0; i < blocks.size(); i++) {
                int[] b = blocks.get(i);
                if (i > 0) {
                    int[] a = blocks.get(i - 1);
                    int d = Math.abs(a[0] - b[0]) + Math.abs(a[1] - b[1]) + Math.abs(a[2] - b[2]);
                    assertEquals("step " + i + " of line " + n, 1, d);
                }
                // the centre of a block the line passes through is at most half a diagonal from it
                Vector centre = new Vector(b[0] + 0.5, b[1] + 0.5, b[2] + 0.5).subtract(start);
                double along = centre.dot(unit);
                double off = centre.clone().subtract(unit.clone().multiply(along)).length();
                assertTrue("block " + i + " of line " + n + " is off the line by " + off, off <= Math.sqrt(3) / 2 + 1e-9);
                assertTrue(along <= 30 + 1);
            }
            assertTrue(blocks.size() >= 30);
        }
    }
}
