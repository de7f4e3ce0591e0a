package net.cubeworks.world.generation;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.level.Column;

/** Superflat presets as the game writes them, and what a preset that cannot be read gives. */
public class FlatGeneratorTest {
    @Test
    public void presetsGiveTheirLayersBiomeAndData() {
        FlatGenerator def = new FlatGenerator(1, "2;7,2x3,2;1;");
        assertTrue(def.flatDefault());
        assertEquals(2, def.blockAt(3));
        assertEquals(0, def.blockAt(4));
        assertEquals(4, def.spawn()[1]);

        FlatGenerator custom = new FlatGenerator(1, "3;7,5x1,2x35:14,12;2;village");
        assertFalse(custom.flatDefault());
        assertEquals(7, custom.blockAt(0));
        assertEquals(1, custom.blockAt(5));
        assertEquals(35, custom.blockAt(6));
        assertEquals(14, custom.dataAt(7));
        assertEquals(12, custom.blockAt(8));
        assertEquals(0, custom.blockAt(9));
        Column c = custom.generate(-3, 9);
        assertEquals(35, c.block(15, 7, 0));
        assertEquals(14, c.meta(15, 7, 0));
        assertEquals(2, c.biomes()[100]);
        assertTrue("a preset's columns are lit", c.lit());
        assertEquals(15, c.sky(4, 9, 4));
        assertEquals(0, c.sky(4, 8, 4));
        assertEquals("3;7,5x1,2x35:14,12;2;village", custom.options());

        FlatGenerator tall = new FlatGenerator(1, "2;300x1;1;");
        assertEquals("layers stop at the top of the world", 1, tall.blockAt(255));
        assertEquals(256, tall.spawn()[1]);
    }

    @Test
    public void anUnreadablePresetGivesTheDefault() {
        for (String bad : new String[] {"", "garbage", "2;7,x3;1;", "2;7,2x3,2;999;", "2;7,2x3:16;1;", "2;-1;1",
            "a;7;1"}) {
            FlatGenerator g = new FlatGenerator(1, bad);
            assertTrue(bad, g.flatDefault());
            assertEquals(bad, FlatGenerator.DEFAULT_PRESET, g.options());
        }
    }
}
