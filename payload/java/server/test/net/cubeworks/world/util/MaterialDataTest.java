package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import org.bukkit.DyeColor;
import org.bukkit.Material;
import org.bukkit.TreeSpecies;
import org.bukkit.block.BlockFace;
import org.bukkit.inventory.ItemStack;
import org.bukkit.material.Bed;
import org.bukkit.material.Button;
import org.bukkit.material.Chest;
import org.bukkit.material.Diode;
import org.bukkit.material.Directional;
import org.bukkit.material.Dispenser;
import org.bukkit.material.Door;
import org.bukkit.material.Gate;
import org.bukkit.material.Ladder;
import org.bukkit.material.Lever;
import org.bukkit.material.MaterialData;
import org.bukkit.material.Mushroom;
import org.bukkit.material.PistonBaseMaterial;
import org.bukkit.material.Pumpkin;
import org.bukkit.material.Rails;
import org.bukkit.material.Sign;
import org.bukkit.material.Stairs;
import org.bukkit.material.Step;
import org.bukkit.material.Torch;
import org.bukkit.material.TrapDoor;
import org.bukkit.material.Tree;
import org.bukkit.material.Vine;
import org.bukkit.material.Wool;
import org.junit.Test;

/** The data values of the game's blocks read and written through the material classes. */
public class MaterialDataTest {
    private static final BlockFace[] SIDES = {BlockFace.NORTH, BlockFace.EAST, BlockFace.SOUTH, BlockFace.WEST};

    @Test
    public void everyFacingSetIsTheFacingRead() {
        Directional[] all = {new Bed(), new Button(), new Chest(), new Diode(), new Dispenser(), new Door(), new Gate(),
            new Ladder(), new Lever(), new Pumpkin(), new Stairs(Material.WOOD_STAIRS), new Torch(), new TrapDoor(),
            new PistonBaseMaterial(Material.PISTON_BASE), new Sign(Material.WALL_SIGN), new Sign(Material.SIGN_POST)};
        for (Directional d : all) {
            for (BlockFace f : SIDES) {
                d.setFacingDirection(f);
                assertEquals(d.getClass().getSimpleName() + " " + f, f, d.getFacing());
            }
        }
        Sign post = new Sign(Material.SIGN_POST);
        post.setFacingDirection(BlockFace.NORTH_NORTH_EAST);
        assertEquals(9, post.getData());
        assertEquals(BlockFace.DOWN, post.getAttachedFace());
        Dispenser down = new Dispenser(BlockFace.DOWN);
        assertEquals(0, down.getData());
        assertEquals(BlockFace.DOWN, down.getFacing());
    }

    @Test
    public void theGamesDataValuesMeanWhatTheGameMeans() {
        // a wall torch with data 1 hangs on the block to its west and faces east
        Torch t = new Torch(Material.TORCH, (byte) 1);
        assertEquals(BlockFace.WEST, t.getAttachedFace());
        assertEquals(BlockFace.EAST, t.getFacing());
        // a pressed lever on the ground keeps its facing bits when powered changes
        Lever lever = new Lever(Material.LEVER, (byte) 0x5);
        lever.setPowered(true);
        assertEquals(0xD, lever.getData());
        assertEquals(BlockFace.DOWN, lever.getAttachedFace());
        // stairs going up to the east are data 0, upside down adds 4
        Stairs st = new Stairs(Material.WOOD_STAIRS, (byte) 4);
        assertEquals(BlockFace.EAST, st.getAscendingDirection());
        assertTrue(st.isInverted());
        // a door's top half, and the open bit on the bottom
        Door door = new Door(Material.WOODEN_DOOR, (byte) 0x5);
        assertTrue(door.isOpen());
        assertEquals(BlockFace.NORTH, door.getFacing());
        assertFalse(door.isTopHalf());
        // a birch log lying east-west
        Tree log = new Tree(TreeSpecies.BIRCH, BlockFace.WEST);
        assertEquals(0x6, log.getData());
        assertEquals(BlockFace.EAST, log.getDirection());
        // an upside-down brick slab
        Step step = new Step(Material.STEP, (byte) 0xC);
        assertEquals(Material.BRICK, step.getMaterial());
        assertTrue(step.isInverted());
        step.setMaterial(Material.SANDSTONE);
        assertEquals(0x9, step.getData());
        // rails: slopes and curves
        Rails r = new Rails();
        r.setDirection(BlockFace.NORTH, true);
        assertEquals(4, r.getData());
        assertTrue(r.isOnSlope());
        r.setDirection(BlockFace.SOUTH_WEST, false);
        assertTrue(r.isCurve());
        // vines on two sides, and a mushroom cap corner
        Vine v = new Vine(BlockFace.NORTH, BlockFace.EAST);
        assertEquals(0xC, v.getData());
        assertTrue(v.isOnFace(BlockFace.NORTH_EAST));
        Mushroom m = new Mushroom(Material.HUGE_MUSHROOM_1, (byte) 1);
        assertTrue(m.isFacePainted(BlockFace.NORTH) && m.isFacePainted(BlockFace.WEST) && m.isFacePainted(BlockFace.UP));
        m.setFacePainted(BlockFace.WEST, false);
        assertEquals(2, m.getData());
    }

    @Test
    public void materialsGiveTheirDataClassAndItemsTheirDataFromTheDamage() {
        assertSame(Wool.class, Material.WOOL.getData());
        assertSame(Stairs.class, Material.QUARTZ_STAIRS.getData());
        assertSame(MaterialData.class, Material.STONE.getData());
        MaterialData d = Material.WOOL.getNewData((byte) 14);
        assertEquals(DyeColor.RED, ((Wool) d).getColor());
        ItemStack wool = new ItemStack(Material.WOOL, 3, (short) 11);
        assertEquals(DyeColor.BLUE, ((Wool) wool.getData()).getColor());
        wool.setData(new Wool(DyeColor.LIME));
        assertEquals(5, wool.getDurability());
        try {
            wool.setData(new Stairs(Material.WOOD_STAIRS));
            throw new AssertionError("stairs' data taken on wool");
        } catch (IllegalArgumentException expected) {
        }
    }
}
