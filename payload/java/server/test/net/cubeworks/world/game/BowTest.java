package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import org.bukkit.GameMode;
import org.junit.After;
import org.junit.Before;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.mob.ArrowEntity;
import net.cubeworks.world.game.player.Eating;
import net.cubeworks.world.game.player.OnlinePlayer;

/** A player's bow: drawn while the use is held, loosed on letting go with the draw's force, arrows spent. */
public class BowTest {
    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;
    private OnlinePlayer alex;

    @Before
    public void setUp() {
        game = TestGames.flat(folder.getRoot());
        alex = TestGames.join(game, "Alex", game.entities().nextId(), 0.5, 4, 0.5);
        alex.inventory().set(alex.handSlot(), Eating.BOW, 1, 0, null);
        alex.inventory().set(9, Eating.ARROW, 2, 0, null);
    }

    @After
    public void tearDown() {
        game.world().close();
    }

    private void ticks(int n) {
        synchronized (game.lock()) {
            for (int i = 0; i < n; i++) {
                game.world().tick();
            }
        }
    }

    private ArrowEntity arrow() {
        for (WorldEntity e : game.entities().all()) {
            if (e instanceof ArrowEntity && !e.isRemoved()) {
                return (ArrowEntity) e;
            }
        }
        return null;
    }

    private void draw(int ticks) {
        synchronized (game.lock()) {
            game.world().eating().use(alex);
        }
        ticks(ticks);
        synchronized (game.lock()) {
            game.world().eating().release(alex);
        }
    }

    @Test
    public void aFullDrawShootsFastAndCriticalSpendingAnArrowAndWearingTheBow() {
        assertEquals(1f, ArrowEntity.bowForce(20), 0);
        assertEquals(1f, ArrowEntity.bowForce(60), 0);
        assertEquals(0.4167f, ArrowEntity.bowForce(10), 1e-4);

        draw(1);
        assertNull("too short a draw looses nothing", arrow());
        assertEquals(2, alex.inventory().count(9));

        alex.pitch = 0;
        alex.yaw = -90; // facing +x
        draw(25);
        ArrowEntity a = arrow();
        assertNotNull(a);
        assertEquals(3.0, Math.sqrt(a.motionX * a.motionX + a.motionY * a.motionY + a.motionZ * a.motionZ), 0.2);
        assertTrue("it flies where he looks", a.motionX > 2.5);
        assertTrue(a.isCritical());
        assertTrue(a.pickup);
        assertEquals(alex, a.getShooter());
        assertEquals(1, alex.inventory().count(9));
        assertEquals("the bow wears by one", 1, alex.inventory().data(alex.handSlot()));

        a.remove();
        ticks(1);
        alex.setGameMode(GameMode.CREATIVE);
        alex.inventory().set(9, 0, 0, 0, null);
        draw(20);
        ArrowEntity free = arrow();
        assertNotNull("creative needs no arrow", free);
        assertFalse("and its arrow is not picked up", free.pickup);
        assertEquals(1, alex.inventory().data(alex.handSlot()));
    }

    @Test
    public void anArrowAPluginStopsAtItsLaunchNeitherFliesNorIsSpent() {
        game.world().close();
        net.cubeworks.world.plugin.EventDispatch events =
                new net.cubeworks.world.plugin.EventDispatch(java.util.logging.Logger.getAnonymousLogger());
        net.cubeworks.world.settings.AccessLists access =
                new net.cubeworks.world.settings.AccessLists(folder.getRoot(), java.util.logging.Logger.getAnonymousLogger());
        access.load(false);
        game = new Game(java.util.logging.Logger.getAnonymousLogger(), net.cubeworks.world.settings.ServerProperties.defaults(),
                access, TestGames.host(events), new net.cubeworks.world.storage.WorldStore.None());
        alex = TestGames.join(game, "Alex", game.entities().nextId(), 0.5, 4, 0.5);
        alex.inventory().set(alex.handSlot(), Eating.BOW, 1, 0, null);
        alex.inventory().set(9, Eating.ARROW, 2, 0, null);
        final int[] asked = {0};
        events.registerEvent(org.bukkit.event.entity.ProjectileLaunchEvent.class, new org.bukkit.event.Listener() {
        }, org.bukkit.event.EventPriority.NORMAL, (l, e) -> {
            asked[0]++;
            ((org.bukkit.event.entity.ProjectileLaunchEvent) e).setCancelled(true);
        }, TestGames.plugin("Guard"), false);
        try {
            draw(25);
            ticks(1);
            assertEquals(1, asked[0]);
            assertNull("no arrow flies", arrow());
            assertEquals("the arrow stays in the inventory", 2, alex.inventory().count(9));
            assertEquals("the bow is not worn", 0, alex.inventory().data(alex.handSlot()));
        } finally {
            org.bukkit.event.HandlerList.unregisterAll();
        }
    }
}
