package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.util.ArrayDeque;
import java.util.Arrays;
import java.util.Collections;
import java.util.Deque;
import java.util.List;
import java.util.Random;

import org.bukkit.entity.Player;
import org.bukkit.event.Event;
import org.bukkit.event.entity.CreatureSpawnEvent;

import org.junit.Test;

import net.cubeworks.world.game.entity.WorldEntity;

/** Natural spawning by the game's rules: light with its random numbers, distance, caps, places, settings. */
public class SpawnRulesTest {
    @org.junit.Before
    public void listen() throws Exception {
        GridWorld.listen();
    }

    @org.junit.After
    public void deaf() {
        GridWorld.deaf();
    }

    /** A random source that answers nextInt with the numbers given, in turn. */
    private static final class Fixed extends Random {
        private final Deque<Integer> ints = new ArrayDeque<Integer>();

        Fixed(int... values) {
            for (int v : values) {
                ints.add(v);
            }
        }

        public int nextInt(int bound) {
            int v = ints.remove();
            assertTrue(v < bound);
            return v;
        }
    }

    @Test
    public void monstersNeedTheDarkByTheGamesTwoRandomNumbers() {
        int noon = Daylight.skyDarkening(6000, false, false);
        int midnight = Daylight.skyDarkening(18000, false, false);
        assertEquals(0, noon);
        assertEquals(11, midnight);
        // open sky at noon: light 15 is never at most a random 0-7
        assertFalse(NaturalSpawning.darkEnough(15 << 4, noon, new Fixed(31, 7)));
        // the same place at midnight: 15 - 11 = 4, which a 4 or more allows
        assertTrue(NaturalSpawning.darkEnough(15 << 4, midnight, new Fixed(31, 4)));
        assertFalse(NaturalSpawning.darkEnough(15 << 4, midnight, new Fixed(31, 3)));
        // the sky light must not be above the first random number, 0 to 31
        assertFalse(NaturalSpawning.darkEnough(15 << 4, midnight, new Fixed(14)));
        // in a cave: no sky, block light 7 passes only a 7; a torch's 8 or more never
        assertTrue(NaturalSpawning.darkEnough(7, noon, new Fixed(0, 7)));
        assertFalse(NaturalSpawning.darkEnough(7, noon, new Fixed(0, 6)));
        assertFalse(NaturalSpawning.darkEnough(8, midnight, new Fixed(0, 7)));
        assertTrue(NaturalSpawning.darkEnough(0, noon, new Fixed(0, 0)));
    }

    @Test
    public void capsCountTheColumnsAroundEveryPlayerOnce() {
        List<Player> one = Collections.singletonList(GridWorld.player("Alex", 0, 4, 0));
        assertEquals(289, NaturalSpawning.counted(one).size());
        assertEquals(79, NaturalSpawning.cap(MobKind.Family.MONSTER, 289));
        assertEquals(11, NaturalSpawning.cap(MobKind.Family.ANIMAL, 289));
        assertEquals(5, NaturalSpawning.cap(MobKind.Family.WATER, 289));
        List<Player> together = Arrays.asList(GridWorld.player("Alex", 0, 4, 0), GridWorld.player("Sam", 20, 4, 5));
        assertEquals("close players share their columns", 18 * 17, NaturalSpawning.counted(together).size());
        List<Player> apart = Arrays.asList(GridWorld.player("Alex", 0, 4, 0), GridWorld.player("Sam", 1000, 4, 0));
        assertEquals(578, NaturalSpawning.counted(apart).size());
        assertEquals(158, NaturalSpawning.cap(MobKind.Family.MONSTER, 578));
    }

    @Test
    public void aPlaceNeedsATopUnderTheFeetRoomAndNoLiquidAndDistance() {
        GridWorld w = new GridWorld(new Grid(4));
        assertTrue(NaturalSpawning.fits(w, MobKind.Family.MONSTER, 0, 4, 0));
        assertFalse("in the ground", NaturalSpawning.fits(w, MobKind.Family.MONSTER, 0, 3, 0));
        assertFalse("in the air", NaturalSpawning.fits(w, MobKind.Family.MONSTER, 0, 6, 0));
        w.setBlock(1, 3, 0, 7, 0);
        assertFalse("never on bedrock", NaturalSpawning.fits(w, MobKind.Family.MONSTER, 1, 4, 0));
        w.setBlock(2, 5, 0, 1, 0);
        assertFalse("no room for the head", NaturalSpawning.fits(w, MobKind.Family.MONSTER, 2, 4, 0));
        w.setBlock(3, 3, 0, 20, 0);
        assertTrue("glass has a top", NaturalSpawning.fits(w, MobKind.Family.MONSTER, 3, 4, 0));
        w.setBlock(4, 3, 0, 18, 0);
        w.setBlock(5, 4, 0, 9, 0);
        assertFalse("not in water", NaturalSpawning.fits(w, MobKind.Family.MONSTER, 5, 4, 0));
        w.grid.fill(10, 1, 10, 12, 3, 12, 9);
        assertTrue("squid in water two deep", NaturalSpawning.fits(w, MobKind.Family.WATER, 11, 3, 11));
        assertFalse(NaturalSpawning.fits(w, MobKind.Family.WATER, 11, 4, 11));

        List<Player> alex = Collections.singletonList(GridWorld.player("Alex", 0.5, 4, 0.5));
        int[] spawn = {1000, 4, 1000};
        assertFalse(NaturalSpawning.farEnough(alex, spawn, 0.5, 4, 24.4));
        assertTrue(NaturalSpawning.farEnough(alex, spawn, 0.5, 4, 24.5));
        assertFalse("nor near the spawn point", NaturalSpawning.farEnough(alex, spawn, 1000, 4, 1010));
    }

    private static int[] countAndCheck(GridWorld w, List<Player> players, double minDistance) {
        int[] n = new int[3];
        for (WorldEntity e : w.entities.all()) {
            Mob m = (Mob) e;
            n[m.kind.family.ordinal()]++;
            for (Player p : players) {
                double dx = p.getLocation().getX() - m.x;
                double dz = p.getLocation().getZ() - m.z;
                double dy = p.getLocation().getY() - m.y;
                assertTrue(Math.sqrt(dx * dx + dy * dy + dz * dz) >= minDistance);
            }
        }
        return n;
    }

    @Test
    public void monstersComeAtNightFarFromPlayersUpToTheCapAndNeverInPeacefulOrWhenOff() {
        GridWorld w = new GridWorld(new Grid(4));
        w.spawn = new int[] {100000, 4, 0};
        Mobs mobs = new Mobs(w, new Random(7));
        List<Player> alex = Collections.singletonList(GridWorld.player("Alex", 0.5, 4, 0.5));
        for (int t = 1; t <= 40; t++) {
            mobs.tickWith(t, alex);
        }
        assertEquals("none at noon under the open sky", 0, w.entities.size());

        w.dayTime = 18000;
        w.monsters = false;
        mobs.tickWith(41, alex);
        assertEquals("spawn-monsters=false", 0, w.entities.size());
        w.monsters = true;
        w.difficulty = 0;
        mobs.tickWith(42, alex);
        assertEquals("peaceful", 0, w.entities.size());
        w.difficulty = 2;
        for (int t = 43; t <= 200; t++) {
            mobs.tickWith(t, alex);
        }
        int[] n = countAndCheck(w, alex, NaturalSpawning.MIN_DISTANCE);
        assertEquals("up to the cap of one player's area", 79, n[0]);
        for (WorldEntity e : w.entities.all()) {
            assertEquals(4.0, e.y, 0);
            // a pack walks up to four steps of five blocks from its column
            assertTrue(e.x >= -148 && e.x < 164 && e.z >= -148 && e.z < 164);
        }
        int events = 0;
        for (Event e : w.events) {
            if (e instanceof CreatureSpawnEvent) {
                assertEquals(CreatureSpawnEvent.SpawnReason.NATURAL, ((CreatureSpawnEvent) e).getSpawnReason());
                events++;
            }
        }
        assertEquals(79, events);
    }

    @Test
    public void animalsComeOnGrassInTheLightAndACancelledSpawnBringsNothing() {
        Grid g = new Grid(4);
        g.fill(-200, 3, -200, 200, 3, -1, 2); // grass on the northern half, stone on the southern
        GridWorld w = new GridWorld(g);
        w.spawn = new int[] {100000, 4, 0};
        Mobs mobs = new Mobs(w, new Random(3));
        List<Player> alex = Collections.singletonList(GridWorld.player("Alex", 0.5, 4, 0.5));
        w.cancel.add(CreatureSpawnEvent.class);
        for (int t = 400; t <= 400 * 10; t += 400) {
            mobs.tickWith(t, alex);
        }
        assertEquals(0, w.entities.size());
        assertFalse(w.events.isEmpty());
        w.cancel.clear();
        for (int t = 400 * 11; t <= 400 * 40; t += 400) {
            mobs.tickWith(t, alex);
        }
        int[] n = countAndCheck(w, alex, NaturalSpawning.MIN_DISTANCE);
        assertEquals(11, n[1]);
        for (WorldEntity e : w.entities.all()) {
            assertTrue("on grass only", e.z < 0);
        }
        w.animals = false;
        w.entities.all().forEach(e -> w.entities.remove(e));
        mobs.tickWith(400 * 41, alex);
        assertEquals("spawn-animals=false", 0, w.entities.size());
    }
}
