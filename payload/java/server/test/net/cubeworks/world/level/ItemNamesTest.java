package net.cubeworks.world.level;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.HashSet;
import java.util.Set;

import org.bukkit.Material;
import org.junit.Test;

/** The game's names of items and blocks, as its commands read them. */
public class ItemNamesTest {
    @Test
    @SuppressWarnings("deprecation")
    public void namesReadBothWaysAndAnItemsNameWinsOverItsBlocksForItems() {
        assertEquals(276, ItemNames.itemId("diamond_sword"));
        assertEquals(276, ItemNames.itemId("  Minecraft:DIAMOND_SWORD "));
        assertEquals(5, ItemNames.itemId("planks"));
        assertEquals(98, ItemNames.blockId("minecraft:stonebrick"));
        assertEquals("the item", 338, ItemNames.itemId("reeds"));
        assertEquals("the block", 83, ItemNames.blockId("reeds"));
        assertEquals(-1, ItemNames.blockId("diamond_sword"));
        assertEquals(-1, ItemNames.itemId("no_such_thing"));
        assertEquals("cooked_fished", ItemNames.name(350));
        assertEquals("record_wait", ItemNames.name(2267));
        assertNull("1.7 has no item 409", ItemNames.name(409));
        // every named id is one the game has, and no two items share a name
        Set<String> names = new HashSet<String>();
        for (int id = 256; id < 2300; id++) {
            String name = ItemNames.name(id);
            if (name != null) {
                assertTrue(name, names.add(name));
                assertEquals(name, id, ItemNames.itemId(name));
                Material m = Material.getMaterial(id);
                assertNotNull(name + " is a material", m);
                assertTrue(name, !m.isBlock());
            }
        }
        assertEquals(159 + 12, names.size());
    }
}
