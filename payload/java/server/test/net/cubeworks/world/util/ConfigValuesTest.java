package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Arrays;

import org.bukkit.Material;
import org.bukkit.configuration.file.YamlConfiguration;
import org.bukkit.enchantments.Enchantment;
import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.meta.ItemMeta;
import org.bukkit.util.Vector;
import org.junit.Test;

/** A configuration's typed getters, and the API's values saved in YAML and read back. */
public class ConfigValuesTest {
    @Test
    public void listsOfEachKindKeepWhatReadsAsTheKind() throws Exception {
        YamlConfiguration c = new YamlConfiguration();
        c.loadFromString("flags: [true, 'no', 3]\nnums: [1, 2.5, '7', x]\nchars: [a, 'bc', 66]\n"
                + "maps:\n- {a: 1}\n- plain\n");
        assertEquals(Arrays.asList(true, false), c.getBooleanList("flags"));
        assertEquals(Arrays.asList(1.0, 2.5, 7.0), c.getDoubleList("nums"));
        assertEquals(Arrays.asList(1L, 2L, 7L), c.getLongList("nums"));
        assertEquals(Arrays.asList((byte) 1, (byte) 2, (byte) 7), c.getByteList("nums"));
        assertEquals(Arrays.asList('a', 'B'), c.getCharacterList("chars"));
        assertEquals(1, c.getMapList("maps").size());
        assertTrue(c.getShortList("missing").isEmpty());
    }

    @Test
    public void itemsWithMetaAndVectorsComeBackFromTheText() throws Exception {
        ItemStack sword = new ItemStack(Material.DIAMOND_SWORD);
        sword.addEnchantment(Enchantment.DAMAGE_ALL, 3);
        ItemMeta m = sword.getItemMeta();
        m.setLore(Arrays.asList("first"));
        sword.setItemMeta(m);
        YamlConfiguration c = new YamlConfiguration();
        c.set("kit.sword", sword);
        c.set("kit.spot", new Vector(1, 2.5, -3));
        YamlConfiguration back = new YamlConfiguration();
        back.loadFromString(c.saveToString());
        assertTrue(back.isItemStack("kit.sword"));
        ItemStack read = back.getItemStack("kit.sword");
        assertEquals(sword, read);
        assertEquals(3, read.getEnchantmentLevel(Enchantment.DAMAGE_ALL));
        assertEquals(new Vector(1, 2.5, -3), back.getVector("kit.spot"));
        assertFalse(back.isVector("kit.sword"));
        assertNull(back.getItemStack("kit.spot"));
        assertEquals(sword, back.getItemStack("nothing", sword));
    }
}
