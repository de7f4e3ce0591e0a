package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.util.logging.Logger;

import org.bukkit.ChunkSnapshot;
import org.bukkit.Location;
import org.bukkit.TreeType;
import org.bukkit.World;
import org.bukkit.block.Biome;
import org.bukkit.block.PistonMoveReaction;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.game.thread.GameHost;

/** Biomes, trees and column copies of the API's world over the game's columns. */
public class ApiWorldBlocksTest {
    private Game game;
    private World api;

    @Before
    public void setUp() {
        GameHost host = TestGames.host(new EventDispatch(Logger.getAnonymousLogger()));
        game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, host, new WorldStore.None());
        api = game.world().api();
    }

    @After
    public void tearDown() {
        game.world().close();
    }

    @Test
    public void aBiomeSetIsTheColumnsAndItsCopiesAndNeighboursKeepTheirs() throws Exception {
        synchronized (game.lock()) {
            assertEquals(Biome.PLAINS, api.getBiome(5, 7));
            api.setBiome(5, 7, Biome.MESA_BRYCE);
            api.setBiome(-1, -1, Biome.DESERT);
            assertEquals(Biome.MESA_BRYCE, api.getBlockAt(5, 3, 7).getBiome());
            assertEquals(Biome.PLAINS, api.getBiome(6, 7));
            assertEquals(Biome.DESERT, api.getBiome(-1, -1));
            assertEquals(165, game.world().cache().resolve(0, 0).biomes()[7 << 4 | 5] & 0xff);
            assertEquals(2.0, api.getTemperature(-1, -1), 0);
        }
        ChunkSnapshot copy = api.getChunkAt(0, 0).getChunkSnapshot(false, true, true);
        synchronized (game.lock()) {
            api.setBiome(5, 7, Biome.OCEAN);
            api.getBlockAt(1, 10, 1).setTypeId(1);
        }
        assertEquals(Biome.MESA_BRYCE, copy.getBiome(5, 7));
        assertEquals(2.0, copy.getRawBiomeTemperature(5, 7), 0);
        assertEquals(0, copy.getBlockTypeId(1, 10, 1));
        assertTrue(copy.isSectionEmpty(1));
        assertFalse(copy.isSectionEmpty(0));
        assertEquals(Biome.OCEAN, api.getBiome(5, 7));
        assertTrue(api.getChunkAt(0, 0).getChunkSnapshot().getBlockTypeId(1, 10, 1) == 1);
    }

    @Test
    public void treesGrowOnGrassWithTheirWoodAndNotOnStone() {
        synchronized (game.lock()) {
            int ground = api.getHighestBlockYAt(8, 8) - 1;
            assertEquals(2, api.getBlockTypeIdAt(8, ground, 8));
            assertTrue(api.generateTree(new Location(api, 8, ground + 1, 8), TreeType.BIRCH));
            assertEquals(17, api.getBlockTypeIdAt(8, ground + 1, 8));
            assertEquals(2, api.getBlockAt(8, ground + 1, 8).getData());
            assertEquals(3, api.getBlockTypeIdAt(8, ground, 8));
            int leaves = 0;
            for (int y = ground; y < ground + 14; y++) {
                for (int x = 5; x <= 11; x++) {
                    for (int z = 5; z <= 11; z++) {
                        leaves += api.getBlockTypeIdAt(x, y, z) == 18 ? 1 : 0;
                    }
                }
            }
            assertTrue("leaves: " + leaves, leaves > 20);
            api.getBlockAt(20, ground, 20).setTypeId(1);
            assertFalse(api.generateTree(new Location(api, 20, ground + 1, 20), TreeType.TREE));
            assertEquals(0, api.getBlockTypeIdAt(20, ground + 1, 20));
            assertFalse(api.generateTree(new Location(api, 30, ground + 1, 30), TreeType.RED_MUSHROOM));
            assertEquals(PistonMoveReaction.BLOCK, api.getBlockAt(0, 0, 0).getPistonMoveReaction());
            assertEquals(PistonMoveReaction.MOVE, api.getBlockAt(20, ground, 20).getPistonMoveReaction());
        }
    }

    @Test
    public void aBlocksStateIsOfItsKindAndAChestsSlotsStayWithTheBlock() {
        synchronized (game.lock()) {
            api.getBlockAt(3, 10, 3).setTypeId(54);
            api.getBlockAt(4, 10, 3).setTypeId(52);
            api.getBlockAt(5, 10, 3).setTypeId(1);
        }
        org.bukkit.block.BlockState chest = api.getBlockAt(3, 10, 3).getState();
        assertTrue(chest instanceof org.bukkit.block.Chest);
        assertFalse(chest instanceof org.bukkit.block.Furnace);
        ((org.bukkit.block.Chest) chest).getInventory().addItem(new org.bukkit.inventory.ItemStack(org.bukkit.Material.APPLE, 3));
        org.bukkit.block.Chest again = (org.bukkit.block.Chest) api.getBlockAt(3, 10, 3).getState();
        assertEquals(3, again.getInventory().getItem(0).getAmount());
        assertEquals(27, again.getInventory().getSize());
        org.bukkit.block.CreatureSpawner spawner = (org.bukkit.block.CreatureSpawner) api.getBlockAt(4, 10, 3).getState();
        assertEquals(org.bukkit.entity.EntityType.PIG, spawner.getSpawnedType());
        assertFalse(api.getBlockAt(5, 10, 3).getState() instanceof org.bukkit.inventory.InventoryHolder);
        synchronized (game.lock()) {
            api.getBlockAt(6, 10, 3).setTypeId(61);
        }
        org.bukkit.block.Furnace furnace = (org.bukkit.block.Furnace) api.getBlockAt(6, 10, 3).getState();
        furnace.getInventory().setFuel(new org.bukkit.inventory.ItemStack(org.bukkit.Material.COAL, 8));
        assertEquals(8, furnace.getInventory().getItem(1).getAmount());
        assertTrue(furnace.getInventory().getHolder() instanceof org.bukkit.block.Furnace);
        org.bukkit.block.BlockState[] tiles = api.getChunkAt(0, 0).getTileEntities();
        assertEquals(3, tiles.length);
        assertTrue(tiles[0] instanceof org.bukkit.block.Chest || tiles[1] instanceof org.bukkit.block.Chest
                || tiles[2] instanceof org.bukkit.block.Chest);
    }
}
