package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.ArrayList;
import java.util.List;
import java.util.logging.Logger;

import org.bukkit.Chunk;
import org.bukkit.ChunkSnapshot;
import org.bukkit.Effect;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.Sound;
import org.bukkit.entity.Boat;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Item;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Zombie;
import org.bukkit.inventory.ItemStack;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.game.api.ApiWorld;

/**
 * The API's world over a game driven without a network: its columns as the players' clients have
 * them, the effects and sounds the players near are sent, and what a plugin may spawn and drop.
 */
public class ApiWorldTest {
    private Game game;
    private ApiWorld api;
    private OnlinePlayer near;
    private OnlinePlayer far;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null,
                TestGames.host(new EventDispatch(Logger.getAnonymousLogger())), new WorldStore.None());
        api = game.world().api();
        near = TestGames.join(game, "Alex", game.entities().nextId(), 0.5, 4, 0.5);
        far = TestGames.join(game, "Steve", game.entities().nextId(), 40.5, 4, 0.5);
        far.known.add(ColumnKey.of(2, 0));
    }

    @After
    public void tearDown() {
        game.world().close();
    }

    @Test
    public void theColumnsInUseAreTheOnesAPlayersClientWasSentAndOnlyTheOthersMayGo() {
        List<String> loaded = new ArrayList<String>();
        for (Chunk c : api.getLoadedChunks()) {
            loaded.add(c.getX() + "," + c.getZ());
        }
        assertEquals("each column once", 10, new java.util.HashSet<String>(loaded).size());
        assertEquals(10, loaded.size());
        assertTrue(loaded.contains("2,0"));

        assertTrue(api.isChunkInUse(2, 0));
        assertFalse(api.isChunkInUse(5, 5));
        assertFalse("in use: it stays", api.unloadChunk(0, 0));
        assertFalse(api.unloadChunkRequest(1, 1));
        assertTrue(api.unloadChunk(5, 5, true, true));
        assertTrue(api.refreshChunk(2, 0));
        assertFalse(api.refreshChunk(5, 5));

        assertFalse(api.isChunkLoaded(6, 6));
        assertTrue(api.loadChunk(6, 6, false));
        assertTrue(api.isChunkLoaded(api.getChunkAt(new Location(api, 6 * 16 + 3, 10, 6 * 16 + 15))));

        api.setFullTime(1234);
        ChunkSnapshot empty = api.getEmptyChunkSnapshot(3, -2, false, false);
        assertEquals(3, empty.getX());
        assertEquals(-2, empty.getZ());
        assertEquals(0, empty.getBlockTypeId(0, 0, 0));
        assertEquals(1234, empty.getCaptureFullTime());
        assertEquals(api.getName(), empty.getWorldName());
    }

    /** The packets of the id the player was sent since the last look. */
    private static List<int[]> sent(OnlinePlayer p, int id) throws Exception {
        List<int[]> out = new ArrayList<int[]>();
        for (int[] packet : Connections.takeSent(p.connection())) {
            if (packet[0] == id) {
                out.add(packet);
            }
        }
        return out;
    }

    @Test
    public void soundsAndEffectsAreSentToThePlayersWithinTheirReach() throws Exception {
        Location at = new Location(api, 0.5, 4, 0.5);
        sent(near, 0);
        sent(far, 0);
        api.playSound(at, Sound.LEVEL_UP, 1f, 1f);
        assertEquals(1, sent(near, PlayPackets.NAMED_SOUND_EFFECT).size());
        assertEquals("16 blocks at volume 1", 0, sent(far, PlayPackets.NAMED_SOUND_EFFECT).size());
        api.playSound(at, Sound.LEVEL_UP, 3f, 1f);
        assertEquals("48 blocks at volume 3", 1, sent(far, PlayPackets.NAMED_SOUND_EFFECT).size());
        api.playSound(null, Sound.LEVEL_UP, 3f, 1f);
        assertEquals(0, sent(far, PlayPackets.NAMED_SOUND_EFFECT).size());

        api.playEffect(at, Effect.STEP_SOUND, Material.STONE);
        List<int[]> effects = sent(far, PlayPackets.EFFECT);
        assertEquals("64 blocks unless told", 1, effects.size());
        int[] e = effects.get(0);
        assertEquals("the stone's id as the effect's data", 1, e[14] << 24 | e[15] << 16 | e[16] << 8 | e[17]);
        api.playEffect(at, Effect.DOOR_TOGGLE, 0, 10);
        assertEquals("the step sound, then the door", 2, sent(near, PlayPackets.EFFECT).size());
        assertEquals(0, sent(far, PlayPackets.EFFECT).size());
    }

    @Test
    public void whatAPluginSpawnsOrDropsIsCheckedAndKindsNotSimulatedGiveNothing() {
        Location at = new Location(api, 3.5, 4, 3.5);
        for (Location bad : new Location[] {null, new Location(api, Double.NaN, 4, 0),
                new Location(api, ColumnKey.MAX_COORD, 4, 0)}) {
            try {
                api.spawn(bad, Zombie.class);
                fail("no entity at " + bad);
            } catch (IllegalArgumentException expected) {
            }
        }
        assertNull(api.spawn(at, Boat.class));
        assertNull(api.spawnEntity(at, EntityType.BOAT));
        assertNull("not alive", api.spawnCreature(at, EntityType.BOAT));
        assertNull(api.spawnFallingBlock(at, Material.SAND, (byte) 0));
        try {
            api.spawnFallingBlock(at, Material.DIAMOND, (byte) 0);
            fail("an item is no block");
        } catch (IllegalArgumentException expected) {
        }

        Zombie zombie = api.spawn(at, Zombie.class);
        assertTrue(api.getEntities().contains(zombie));
        assertEquals(1, api.getEntitiesByClass(Zombie.class).size());
        List<LivingEntity> living = api.getLivingEntities();
        assertEquals("the two players and the zombie", 3, living.size());
        assertEquals(3, api.getEntitiesByClasses(Zombie.class, Boat.class, org.bukkit.entity.Player.class).size());

        try {
            api.dropItem(at, new ItemStack(Material.AIR));
            fail("nothing to drop");
        } catch (IllegalArgumentException expected) {
        }
        Item dropped = api.dropItem(at, new ItemStack(Material.STONE, 200));
        assertEquals("the most one item holds", 127, dropped.getItemStack().getAmount());
        assertEquals(3.5, dropped.getLocation().getX(), 0);
        assertEquals(3.5, dropped.getLocation().getZ(), 0);
        assertFalse("no power, no blast", api.createExplosion(at, 0f));
    }
}
