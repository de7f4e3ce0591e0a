package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.util.logging.Logger;

import org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.block.Explosions;
import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.game.mob.Mob;
import net.cubeworks.world.game.mob.MobKind;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/** A blast hurts and pushes mobs, items and players near it by the game's rules. */
public class ExplosionHitsTest {
    private Game game;
    private GameWorld world;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(),
                ServerProperties.parse("spawn-animals=false\nspawn-monsters=false\n".getBytes()), null, null,
                new WorldStore.None());
        world = game.world();
    }

    @After
    public void tearDown() {
        world.close();
    }

    /** The push of the last Explosion packet the player was sent, {x, y, z}. */
    private static float[] pushOf(OnlinePlayer p) throws Exception {
        float[] push = null;
        for (int[] packet : Connections.takeSent(p.connection())) {
            if (packet[0] == 0x27) {
                push = new float[3];
                for (int i = 0; i < 3; i++) {
                    int at = packet.length - 12 + i * 4;
                    push[i] = Float.intBitsToFloat(packet[at] << 24 | packet[at + 1] << 16 | packet[at + 2] << 8
                            | packet[at + 3]);
                }
            }
        }
        return push;
    }

    @Test
    public void mobsItemsAndPlayersNearAreHurtAndPushedAwayNearItemsDestroyed() throws Exception {
        OnlinePlayer near = TestGames.join(game, "Alex", game.entities().nextId(), -3.5, 10, 0.5);
        OnlinePlayer far = TestGames.join(game, "Steve", game.entities().nextId(), 30.5, 10, 0.5);
        Mob cow = world.mobs().spawn(MobKind.COW, 5.5, 10, 0.5, 0f, SpawnReason.CUSTOM);
        ItemEntity close = world.items().dropItem(0.5, 10, 1.5, 4, 1, 0, null);
        ItemEntity edge = world.items().dropItem(0.5, 10, -7, 4, 1, 0, null);
        ItemEntity star = world.items().dropItem(1.5, 10, 0.5, 399, 1, 0, null);
        Connections.takeSent(near.connection());
        Connections.takeSent(far.connection());
        float health = cow.health;
        double edgeMotion = edge.motionZ; // a dropped item's own small random motion
        synchronized (game.lock()) {
            world.blocks().explode(null, 0.5, 10, 0.5, 4f, false); // in the air: no block in the way
        }
        float expected = Explosions.damage(1 - 5 / 8.0, 4f);
        assertEquals("the game's damage for 5 blocks in the open", 9f, expected, 0);
        assertEquals(health - expected, cow.health, 1e-4);
        assertTrue("pushed away: " + cow.motionX, cow.motionX > 0.3);
        assertTrue(close.isRemoved());
        assertFalse("at 7.5 blocks an item only takes 2", edge.isRemoved());
        assertEquals("pushed by its impact, 1/16", -0.0625, edge.motionZ - edgeMotion, 1e-3);
        assertFalse("a nether star withstands blasts", star.isRemoved());
        float[] push = pushOf(near);
        assertTrue("the near player's blast carries his push", push != null && push[0] < -0.3f);
        float[] none = pushOf(far);
        assertTrue("the far one sees the blast, unpushed", none != null && none[0] == 0 && none[1] == 0);
        assertTrue(near.health < 20f);
        assertEquals(20f, far.health, 0);
    }

    private int blocksAround(int r) {
        int n = 0;
        for (int x = -r; x <= r; x++) {
            for (int y = 0; y <= 4; y++) {
                for (int z = -r; z <= r; z++) {
                    n += world.blocks().blockAt(x, y, z) != 0 ? 1 : 0;
                }
            }
        }
        return n;
    }

    @Test
    public void aCreepersBlastTakesBlocksOnlyWhileMobsMayGriefAndLetsSomeFallAsItems() throws Exception {
        Mob creeper = world.mobs().spawn(MobKind.CREEPER, 0.5, 4, 0.5, 0f, SpawnReason.CUSTOM);
        int before = blocksAround(6);
        synchronized (game.lock()) {
            world.level().gameRules.put("mobGriefing", "false");
            world.blasts().byMob(creeper, 0.5, 4, 0.5, 3f);
            assertEquals("no block taken without mobGriefing", before, blocksAround(6));
            world.level().gameRules.put("mobGriefing", "true");
            world.blasts().byMob(creeper, 0.5, 4, 0.5, 3f);
        }
        int taken = before - blocksAround(6);
        int items = 0;
        for (Object e : game.entities().all()) {
            items += e instanceof ItemEntity ? 1 : 0;
        }
        assertTrue("a crater: " + taken, taken > 20);
        // each taken block gives its item at the chance 1 / power, as the game's blasts do
        assertTrue(items + " items of " + taken + " blocks", items > 0 && items < taken * 2 / 3);
    }
}
