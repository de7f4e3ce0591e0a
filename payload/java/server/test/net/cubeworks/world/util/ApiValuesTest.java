package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.HashSet;
import java.util.Set;

import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.block.BlockFace;
import org.bukkit.inventory.ItemStack;
import org.bukkit.util.Vector;
import org.junit.Test;

/** The API's value types hold the game's numbers and behave as plugins count on. */
public class ApiValuesTest {
    @Test
    public void everyBlockAndItemIdOfTheGameHasOneMaterial() {
        Set<Integer> ids = new HashSet<Integer>();
        for (Material m : Material.values()) {
            assertTrue("two materials with id " + m.getId(), ids.add(m.getId()));
            assertEquals(m, Material.getMaterial(m.getId()));
            assertEquals(m, Material.getMaterial(m.name()));
            assertEquals(m.getId() < 256, m.isBlock());
        }
        // blocks 0..175 without the unused 165..169, items 256..408 and 417..422, records 2256..2267
        for (int id = 0; id <= 2267; id++) {
            boolean used = id <= 164 || (id >= 170 && id <= 175) || (id >= 256 && id <= 408)
                    || (id >= 417 && id <= 422) || id >= 2256;
            assertEquals("id " + id, used, Material.getMaterial(id) != null);
        }
        assertNull(Material.getMaterial(-1));
        assertNull(Material.getMaterial(5000));
        assertEquals(Material.DIAMOND_PICKAXE, Material.matchMaterial(" diamond   pickaxe"));
        assertEquals(Material.WOOL, Material.matchMaterial("35"));
        assertNull(Material.matchMaterial("no such thing"));
        assertEquals(1561, Material.DIAMOND_SWORD.getMaxDurability());
        assertEquals(1, Material.WATER_BUCKET.getMaxStackSize());
        assertEquals(16, Material.ENDER_PEARL.getMaxStackSize());
        assertTrue(Material.STONE.isSolid() && Material.STONE.isOccluding());
        assertFalse(Material.WATER.isSolid() || Material.RED_ROSE.isSolid() || Material.DIAMOND.isSolid());
        assertTrue(Material.GLASS.isSolid() && !Material.GLASS.isOccluding());
        assertTrue(Material.SAND.hasGravity() && Material.LOG.isFlammable() && Material.BREAD.isEdible());
        assertTrue(Material.RECORD_12.isRecord() && !Material.STONE.isRecord());
    }

    @Test
    public void locationsVectorsAndItemStacks() {
        // block coordinates round down, also below zero
        assertEquals(-1, new Location(null, -0.01, 0, 0).getBlockX());
        assertEquals(-2, Location.locToBlock(-1.5));
        assertEquals(3, Location.locToBlock(3.99));
        // yaw 0 looks south (+z), 90 west (-x), pitch -90 up
        Vector south = new Location(null, 0, 0, 0, 0f, 0f).getDirection();
        assertEquals(1.0, south.getZ(), 1e-9);
        assertEquals(-1.0, new Location(null, 0, 0, 0, 90f, 0f).getDirection().getX(), 1e-9);
        assertEquals(1.0, new Location(null, 0, 0, 0, 0f, -90f).getDirection().getY(), 1e-9);
        Location turned = new Location(null, 0, 0, 0).setDirection(new Vector(-1, 0, 0));
        assertEquals(90f, turned.getYaw(), 1e-4f);

        Vector v = new Vector(1, 2, 3);
        assertEquals(new Vector(-3, 6, -3), v.clone().crossProduct(new Vector(4, 5, 6)));
        assertEquals(32.0, v.dot(new Vector(4, 5, 6)), 1e-9);
        assertEquals(1.0, v.clone().normalize().length(), 1e-9);
        assertEquals(new Vector(1, 2, 3), v); // clone left it alone
        assertEquals(new Vector(1.0000001, 2, 3), v); // within the epsilon

        for (BlockFace f : BlockFace.values()) {
            BlockFace o = f.getOppositeFace();
            assertEquals(f, o.getOppositeFace());
            assertEquals(-f.getModX(), o.getModX());
            assertEquals(-f.getModZ(), o.getModZ());
        }

        ItemStack a = new ItemStack(Material.WOOL, 3, (short) 14);
        ItemStack b = new ItemStack(Material.WOOL, 5, (short) 14);
        assertTrue(a.isSimilar(b) && !a.equals(b));
        org.bukkit.inventory.meta.ItemMeta m = b.getItemMeta();
        m.setDisplayName("Red");
        assertFalse("the meta is a copy until set back", b.hasItemMeta());
        b.setItemMeta(m);
        assertTrue(b.hasItemMeta() && !a.isSimilar(b));
        ItemStack c = b.clone();
        m.setDisplayName("Blue");
        assertEquals("Red", c.getItemMeta().getDisplayName());
        ItemStack back = ItemStack.deserialize(c.serialize());
        assertEquals(c, back);
        assertNotNull(back.getItemMeta().getDisplayName());
        assertEquals(-1, new ItemStack(999).getMaxStackSize());
    }
}
