package net.cubeworks.world.game.player;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

/** The game's experience arithmetic (the bar's cap by level, points crossing levels, levels taken, a death's drop) and a player's own clock. */
public class ExperienceTest {
    @Test
    public void theBarGrowsAfterFifteenAndAfterThirty() {
        assertEquals(17, Experience.barCap(0));
        assertEquals(17, Experience.barCap(15));
        assertEquals(20, Experience.barCap(16));
        assertEquals(59, Experience.barCap(29));
        assertEquals(62, Experience.barCap(30));
        assertEquals(69, Experience.barCap(31));
    }

    @Test
    public void pointsFillTheBarAndCarryOverIntoTheNextLevels() {
        Experience xp = new Experience();
        xp.add(20); // 17 make level 1, 3 of the next 17 remain
        assertEquals(1, xp.level);
        assertEquals(3f / 17, xp.progress, 1e-5);
        assertEquals(20, xp.total);
        xp.add(17 * 14 - 3); // through level 15, every bar of 17
        assertEquals(15, xp.level);
        assertEquals(0f, xp.progress, 1e-4);
        xp.add(-5); // no points are taken this way
        assertEquals(15, xp.level);
        xp.total = Integer.MAX_VALUE - 1;
        xp.add(100); // the total stops at the largest int
        assertEquals(Integer.MAX_VALUE, xp.total);
    }

    @Test
    public void levelsTakenBelowNoneEmptyEverythingAndADeathDropsSevenALevelUpToAHundred() {
        Experience xp = new Experience();
        xp.add(40);
        assertEquals(14, xp.droppedOnDeath());
        xp.addLevels(30);
        assertEquals(32, xp.level);
        assertEquals(100, xp.droppedOnDeath());
        xp.addLevels(-40);
        assertEquals(0, xp.level);
        assertEquals(0f, xp.progress, 0f);
        assertEquals(0, xp.total);
        xp.setProgress(3f);
        assertEquals(1f, xp.progress, 0f);
    }

    @Test
    public void aPlayersOwnTimeRunsFromTheWorldsOrStandsStill() {
        OwnSky sky = new OwnSky();
        assertFalse(sky.hasOwnTime());
        sky.setTime(1000, true);
        assertTrue(sky.hasOwnTime());
        assertEquals(25000, sky.timeFor(24000));
        sky.setTime(6000, false);
        assertEquals(6000, sky.timeFor(24000));
        sky.setTime(0, true);
        assertFalse(sky.hasOwnTime());
    }
}
