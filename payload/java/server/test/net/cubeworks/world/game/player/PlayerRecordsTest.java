package net.cubeworks.world.game.player;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;

import java.io.File;
import java.nio.file.Files;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.storage.Worlds;

/** A player through its stored record, the Anvil player file and back. */
public class PlayerRecordsTest {
    private File dir;

    @After
    public void tearDown() {
        if (dir != null) {
            Worlds.delete(dir);
        }
    }

    private static OnlinePlayer player(Game game, String name) {
        return new OnlinePlayer(game.playerGame(), Connections.idle(), name, UUID.randomUUID(), 1, GameMode.SURVIVAL);
    }

    @Test
    public void playersKeepPlaceModeHealthAndEveryKindOfSlot() throws Exception {
        dir = Files.createTempDirectory("playerrecords").toFile();
        AnvilStore store = new AnvilStore(new File(dir, "world"), Logger.getAnonymousLogger());
        Game game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, null,
                new WorldStore.None());
        OnlinePlayer p = player(game, "Alex");
        p.x = -12.25;
        p.y = 4;
        p.z = 300.5;
        p.yaw = 91.5f;
        p.pitch = -20f;
        p.setModeField(GameMode.CREATIVE);
        p.health = 13.5f;
        p.food = 17;
        p.saturation = 2.5f;
        p.heldSlot = 4;
        int[][] items = {{36, 3, 64, 0}, {44, 35, 7, 14}, {9, 276, 1, 30}, {35, 4, 1, 0}, {5, 310, 1, 0}, {8, 313, 1, 2}};
        for (int[] it : items) {
            p.inventory().set(it[0], it[1], it[2], it[3], null);
        }
        p.inventory().set(1, 5, 1, 0, null); // the crafting grid is not kept by the game
        p.inventory().ender.set(26, 264, 5, 0, null); // the ender chest's (EnderItems)
        store.savePlayer("Alex", PlayerRecords.toStored(p, new LevelState()));
        assertNull(store.loadPlayer("Steve"));

        OnlinePlayer back = player(game, "Alex");
        PlayerRecords.apply(store.loadPlayer("Alex"), back);
        assertEquals(-12.25, back.x, 0);
        assertEquals(300.5, back.z, 0);
        assertEquals(91.5f, back.yaw, 0f);
        assertEquals(GameMode.CREATIVE, back.getGameMode());
        assertEquals(13.5f, back.health, 0f);
        assertEquals(17, back.food);
        assertEquals(4, back.heldSlot);
        for (int[] it : items) {
            assertEquals("slot " + it[0], it[1], back.inventory().item(it[0]));
            assertEquals(it[2], back.inventory().count(it[0]));
            assertEquals(it[3], back.inventory().data(it[0]));
        }
        assertEquals(0, back.inventory().count(1));
        assertEquals(264, back.inventory().ender.item(26));
        assertEquals(5, back.inventory().ender.count(26));
    }

    @Test
    public void anItemsEnchantmentsNameAndLoreSetByAPluginSurviveThePlayerFile() throws Exception {
        dir = Files.createTempDirectory("playerrecords").toFile();
        AnvilStore store = new AnvilStore(new File(dir, "world"), Logger.getAnonymousLogger());
        Game game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, null,
                new WorldStore.None());
        OnlinePlayer p = player(game, "Alex");
        org.bukkit.inventory.ItemStack pick = new org.bukkit.inventory.ItemStack(org.bukkit.Material.DIAMOND_PICKAXE);
        pick.addEnchantment(org.bukkit.enchantments.Enchantment.DIG_SPEED, 5);
        pick.addEnchantment(org.bukkit.enchantments.Enchantment.LOOT_BONUS_BLOCKS, 3);
        org.bukkit.inventory.meta.ItemMeta m = pick.getItemMeta();
        m.setDisplayName("Digger");
        m.setLore(java.util.Arrays.asList("of the mines"));
        pick.setItemMeta(m);
        synchronized (game.lock()) {
            p.getInventory().setItem(2, pick);
        }
        store.savePlayer("Alex", PlayerRecords.toStored(p, new LevelState()));

        OnlinePlayer back = player(game, "Alex");
        PlayerRecords.apply(store.loadPlayer("Alex"), back);
        org.bukkit.inventory.ItemStack read = back.getInventory().getItem(2);
        assertEquals(pick, read);
        assertEquals(3, read.getEnchantmentLevel(org.bukkit.enchantments.Enchantment.LOOT_BONUS_BLOCKS));
        assertEquals("Digger", read.getItemMeta().getDisplayName());
        assertEquals(java.util.Arrays.asList("of the mines"), read.getItemMeta().getLore());
    }
}
