package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.util.Random;

import org.junit.Test;

import net.cubeworks.world.game.entity.TntEntity;
import net.cubeworks.world.level.BlockIds;

/** Fire by the game's chances (fixed random numbers where a chance decides) and TNT's fuse. */
public class FireTest {
    /** Random numbers of a script: nextInt answers the next of them (within its bound), in turn. */
    private static final class Script extends Random {
        private final int[] answers;
        private int next;

        Script(int... answers) {
            this.answers = answers;
        }

        @Override
        public int nextInt(int bound) {
            return Math.min(bound - 1, answers[next++ % answers.length]);
        }
    }

    private static final int PLANKS = 5;

    @Test
    public void aBlockBesideFireBurnsByItsFlammability() {
        GridWorld w = new GridWorld(1);
        w.put(1, 1, 0, PLANKS, 0);
        Fire.catchFire(w, 1, 1, 0, 300, new Script(20), 0);
        assertEquals("20 of 300 is not below planks' 20", PLANKS, w.blockAt(1, 1, 0));
        Fire.catchFire(w, 1, 1, 0, 300, new Script(19, 4, 0), 0);
        assertEquals("a young fire takes its place", BlockIds.FIRE, w.blockAt(1, 1, 0));
        w.put(2, 1, 0, PLANKS, 0);
        w.put(2, 0, 0, BlockIds.STONE, 0);
        Fire.catchFire(w, 2, 1, 0, 300, new Script(0, 5), 0);
        assertEquals("burnt away", BlockIds.AIR, w.blockAt(2, 1, 0));
        w.put(3, 1, 0, BlockIds.STONE, 0);
        Fire.catchFire(w, 3, 1, 0, 300, new Script(0, 0), 0);
        assertEquals("stone never burns", BlockIds.STONE, w.blockAt(3, 1, 0));
    }

    @Test
    public void fireWithNothingToBurnGoesOutButNotOnNetherrack() {
        GridWorld w = new GridWorld(2);
        w.setBlock(0, 1, 0, BlockIds.FIRE, 0);
        w.put(5, 0, 0, Fire.NETHERRACK, 0);
        w.setBlock(5, 1, 0, BlockIds.FIRE, 0);
        w.setBlock(9, 2, 0, BlockIds.FIRE, 0);
        assertEquals("no fire in the air", BlockIds.AIR, w.blockAt(9, 2, 0));
        w.run(2000);
        assertEquals(BlockIds.AIR, w.blockAt(0, 1, 0));
        assertEquals(BlockIds.FIRE, w.blockAt(5, 1, 0));
    }

    @Test
    public void fireSpreadsOverAWoodenFloorAndBurnsItAway() {
        GridWorld w = new GridWorld(3);
        for (int x = 0; x < 8; x++) {
            for (int z = 0; z < 8; z++) {
                w.put(x, 1, z, PLANKS, 0);
            }
        }
        w.setBlock(0, 2, 0, BlockIds.FIRE, 0);
        w.run(6000);
        int planks = 0;
        int far = 0;
        for (int x = 0; x < 8; x++) {
            for (int z = 0; z < 8; z++) {
                planks += w.blockAt(x, 1, z) == PLANKS ? 1 : 0;
                far += x + z >= 6 && w.blockAt(x, 1, z) != PLANKS ? 1 : 0;
            }
        }
        assertTrue("planks left: " + planks, planks <= 56);
        assertTrue("it spread away from where it was lit", far > 0);
    }

    @Test
    public void litTntExplodesAfterFourSeconds() {
        GridWorld w = new GridWorld(4);
        w.put(0, 1, 0, BlockIds.TNT, 0);
        assertEquals(Farming.WORN, Lighters.use(w, null, Lighters.FLINT_AND_STEEL, 0, 1, 0, 1));
        assertEquals(BlockIds.AIR, w.blockAt(0, 1, 0));
        assertTrue(w.entities.all().get(0) instanceof TntEntity);
        w.run(80);
        assertTrue(w.explosions.isEmpty());
        w.run(1);
        assertEquals(1, w.explosions.size());
        assertEquals(4.0, w.explosions.get(0)[3], 0);
        assertEquals("it fell back onto the ground", 1.0, w.explosions.get(0)[1], 0.05);
        assertEquals(0, w.entities.size());

        // flint and steel on the ground lights fire on it
        w.put(3, 0, 0, BlockIds.STONE, 0);
        Lighters.use(w, null, Lighters.FLINT_AND_STEEL, 3, 0, 0, 1);
        assertEquals(BlockIds.FIRE, w.blockAt(3, 1, 0));
    }
}
