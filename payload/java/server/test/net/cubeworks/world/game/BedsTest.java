package net.cubeworks.world.game;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Logger;

import org.bukkit.Location;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason;
import org.bukkit.event.player.PlayerBedEnterEvent;
import org.bukkit.event.player.PlayerBedLeaveEvent;
import org.bukkit.event.player.PlayerRespawnEvent;
import org.bukkit.plugin.EventExecutor;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.block.Bed;
import net.cubeworks.world.game.mob.Mob;
import net.cubeworks.world.game.mob.MobKind;
import net.cubeworks.world.game.player.Beds;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerRecords;
import net.cubeworks.world.game.player.Sleep;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.storage.WorldStore;
import net.cubeworks.world.storage.Worlds;

/** Beds: when a player may lie down, the night all players sleep through, the bed as the spawn point. */
public class BedsTest {
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private final List<Event> heard = new ArrayList<Event>();
    private boolean cancelEnter;
    private Game game;
    private GameWorld world;
    private OnlinePlayer alex;
    private OnlinePlayer steve;
    private File dir;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(),
                ServerProperties.parse("spawn-animals=false\nspawn-monsters=false\n".getBytes()), null,
                TestGames.host(events), new WorldStore.None());
        world = game.world();
        alex = TestGames.join(game, "Alex", game.entities().nextId(), 0.5, 4, -0.5);
        steve = TestGames.join(game, "Steve", game.entities().nextId(), 5.5, 4, -0.5);
        bed(0, 4, 0, 0); // foot at z 0, head at z 1
        bed(5, 4, 0, 0);
        world.level().dayTime = 18000; // midnight
        for (Class<? extends Event> c : java.util.Arrays.asList(PlayerBedEnterEvent.class, PlayerBedLeaveEvent.class,
                PlayerRespawnEvent.class)) {
            events.registerEvent(c, new Listener() {
            }, EventPriority.NORMAL, new EventExecutor() {
                public void execute(Listener l, Event e) {
                    heard.add(e);
                    if (e instanceof PlayerBedEnterEvent) {
                        ((PlayerBedEnterEvent) e).setCancelled(cancelEnter);
                    }
                }
            }, TestGames.plugin("beds"), false);
        }
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        world.close();
        if (dir != null) {
            Worlds.delete(dir);
        }
    }

    private void bed(int x, int y, int z, int facing) {
        int[] s = Bed.step(facing);
        world.blocks().setBlock(x, y, z, BlockIds.BED, facing);
        world.blocks().setBlock(x + s[0], y, z + s[1], BlockIds.BED, facing | Bed.HEAD);
    }

    private void tick(int n) {
        synchronized (game.lock()) {
            for (int i = 0; i < n; i++) {
                world.tick();
            }
        }
    }

    private static final net.cubeworks.world.game.block.BlockBehaviours BEHAVIOURS =
            new net.cubeworks.world.game.block.BlockBehaviours();

    /** A right click on the block, as a client sends it. */
    private void click(OnlinePlayer p, int x, int y, int z) {
        synchronized (game.lock()) {
            BEHAVIOURS.of(world.blocks().blockAt(x, y, z)).rightClicked(p, world.blocks(), x, y, z);
        }
    }

    /** The chat lines and the ids of the other packets the player was sent since the last look. */
    private static List<String> sent(OnlinePlayer p) throws Exception {
        List<String> out = new ArrayList<String>();
        for (int[] packet : Connections.takeSent(p.connection())) {
            if (packet[0] == 0x02) {
                int at = 1;
                int len = 0;
                for (int shift = 0; ; shift += 7) {
                    int b = packet[at++];
                    len |= (b & 0x7F) << shift;
                    if ((b & 0x80) == 0) {
                        break;
                    }
                }
                byte[] text = new byte[len];
                for (int i = 0; i < len; i++) {
                    text[i] = (byte) packet[at + i];
                }
                out.add(new String(text, StandardCharsets.UTF_8));
            } else {
                out.add("#" + packet[0] + (packet[0] == 0x2B ? ":" + packet[1] : ""));
            }
        }
        return out;
    }

    private static boolean said(List<String> lines, String text) {
        for (String l : lines) {
            if (l.contains("\"" + text + "\"")) {
                return true;
            }
        }
        return false;
    }

    @Test
    public void onlyAtNightOrInAThunderstormWithinReachWithNoMonsterNearAndInAFreeBed() throws Exception {
        world.level().dayTime = 6000;
        sent(alex);
        click(alex, 0, 4, 0);
        assertFalse(alex.isSleeping());
        assertTrue(said(sent(alex), Beds.NOT_NOW));
        world.level().raining = true;
        click(alex, 0, 4, 0);
        assertTrue("rain alone leaves it day", said(sent(alex), Beds.NOT_NOW));
        world.level().thundering = true;
        click(alex, 0, 4, 1);
        assertTrue("a thunderstorm darkens the day enough", alex.isSleeping());
        synchronized (game.lock()) {
            world.beds().wake(alex, true, false);
        }
        world.level().raining = false;
        world.level().thundering = false;
        world.level().dayTime = 18000;

        alex.x = 0.5;
        alex.z = 5.5;
        sent(alex);
        click(alex, 0, 4, 0);
        assertFalse("5 blocks from the head: too far", alex.isSleeping());
        assertTrue("and nothing said", sent(alex).isEmpty());
        alex.z = -0.5;

        Mob zombie = world.mobs().spawn(MobKind.ZOMBIE, 8.2, 4, 1.5, 0f, SpawnReason.CUSTOM);
        click(alex, 0, 4, 0);
        assertFalse(alex.isSleeping());
        assertTrue(said(sent(alex), Beds.NOT_SAFE));
        zombie.x = 9.5; // its box no longer reaches within 8 blocks
        zombie.y = 4;
        Mob above = world.mobs().spawn(MobKind.SKELETON, 0.5, 10.2, 1.5, 0f, SpawnReason.CUSTOM);
        Mob cow = world.mobs().spawn(MobKind.COW, 1.5, 4, 1.5, 0f, SpawnReason.CUSTOM);
        cancelEnter = true;
        click(alex, 0, 4, 0);
        assertFalse("a plugin keeps him up", alex.isSleeping());
        cancelEnter = false;
        assertTrue(above.isValid() && cow.isValid());
        sent(alex);
        click(alex, 0, 4, 0);
        assertTrue("a monster 6 blocks above and an animal beside do not matter", alex.isSleeping());
        assertEquals(0, alex.getSleepTicks());
        assertEquals("the head's occupied bit", Bed.HEAD | Bed.OCCUPIED, world.blocks().metaAt(0, 4, 1));
        assertEquals("lies on the head, toward the foot", 0.5, alex.x, 1e-9);
        assertEquals(4.9375, alex.y, 1e-9);
        assertEquals(1.9, alex.z, 1e-9);
        assertTrue("told by Use Bed", sent(alex).contains("#10"));

        steve.x = 0.5;
        steve.z = 3.5;
        sent(steve);
        click(steve, 0, 4, 1);
        assertFalse(steve.isSleeping());
        assertTrue(said(sent(steve), Beds.OCCUPIED));

        synchronized (game.lock()) {
            world.beds().leave(alex); // the client's "leave bed"
        }
        assertFalse(alex.isSleeping());
        assertEquals("the bed is free again", Bed.HEAD, world.blocks().metaAt(0, 4, 1));
        assertArrayEquals("and his spawn point", new int[] {0, 4, 1}, alex.spawnPoint);
        assertTrue(Math.abs(alex.x - 0.5) > 0.9 || Math.abs(alex.z - 1.5) > 0.9);
        assertTrue("out of bed beside it", sent(alex).contains("#11"));
        assertEquals(PlayerBedLeaveEvent.class, heard.get(heard.size() - 1).getClass());

        world.blocks().setBlock(0, 4, 1, BlockIds.BED, Bed.HEAD | Bed.OCCUPIED); // left marked by a sleeper who went
        click(steve, 0, 4, 0);
        assertTrue("a mark with nobody in the bed does not keep others out", steve.isSleeping());
    }

    @Test
    public void theNightEndsWhenEveryoneHasSleptAHundredTicks() throws Exception {
        world.level().raining = true;
        world.level().thundering = true;
        world.level().dayTime = 24000 * 3 + 15000;
        steve.z = 0.5;
        click(alex, 0, 4, 0);
        tick(50);
        click(steve, 5, 4, 0);
        assertTrue(alex.isSleeping() && steve.isSleeping());
        tick(99);
        assertTrue("Steve has slept 99 ticks", steve.isSleeping());
        assertEquals(Sleep.DEEP, alex.getSleepTicks());
        tick(1);
        assertEquals("the next morning", 24000 * 4, world.level().dayTime % (24000 * 100));
        assertFalse(world.level().raining);
        assertFalse(world.level().thundering);
        assertFalse(alex.isSleeping() || steve.isSleeping());
        assertArrayEquals(new int[] {5, 4, 1}, steve.spawnPoint);

        world.level().dayTime = 18000;
        click(alex, 0, 4, 0);
        tick(300);
        assertTrue("one player up keeps the night going", alex.isSleeping());
        assertEquals(18300, world.level().dayTime);
        steve.setSleepingIgnored(true);
        tick(1);
        assertEquals("unless a plugin leaves him out", 24000, world.level().dayTime);

        world.level().dayTime = 18000;
        click(alex, 0, 4, 0);
        tick(10);
        world.blocks().setBlock(0, 4, 0, 0, 0);
        world.blocks().setBlock(0, 4, 1, 0, 0);
        alex.spawnPoint = null;
        tick(1);
        assertFalse("the bed broken under him wakes him", alex.isSleeping());
        assertNull("and it is not his spawn point", alex.spawnPoint);

        bed(0, 4, 0, 0);
        click(alex, 0, 4, 0);
        alex.health -= 2;
        tick(1);
        assertFalse("hurt, he wakes", alex.isSleeping());
        click(alex, 0, 4, 0);
        world.level().dayTime = 23999;
        tick(1);
        assertFalse("the day wakes him", alex.isSleeping());
    }

    @Test
    public void aRespawnComesBackBesideTheBedOrSaysItIsMissing() throws Exception {
        click(alex, 0, 4, 0);
        synchronized (game.lock()) {
            world.beds().leave(alex);
        }
        world.blocks().setBlock(3, 10, 3, BlockIds.STONE, 0); // somewhere else
        alex.x = 20.5;
        alex.dead = true;
        synchronized (game.lock()) {
            world.respawning().respawn(alex);
        }
        assertTrue("beside the bed: " + alex.x + " " + alex.z,
                Math.abs(alex.x - 0.5) <= 1.5 && alex.z > -1.5 && alex.z < 3 && Math.abs(alex.y - 4.1) < 1e-9);
        assertTrue(((PlayerRespawnEvent) heard.get(heard.size() - 1)).isBedSpawn());
        assertEquals(new Location(world.api(), -1, 4, 0), alex.getBedSpawnLocation());

        world.blocks().setBlock(0, 4, 0, 0, 0);
        world.blocks().setBlock(0, 4, 1, 0, 0);
        alex.dead = true;
        sent(alex);
        synchronized (game.lock()) {
            world.respawning().respawn(alex);
        }
        assertTrue("the client says the bed was missing or obstructed", sent(alex).contains("#43:0"));
        assertEquals(world.level().spawnX + 0.5, alex.x, 1e-9);
        assertNull(alex.spawnPoint);
        assertFalse(((PlayerRespawnEvent) heard.get(heard.size() - 1)).isBedSpawn());

        alex.setBedSpawnLocation(new Location(world.api(), 30, 4, 30)); // no bed there
        assertNull(alex.getBedSpawnLocation());
        alex.setBedSpawnLocation(new Location(world.api(), 30, 4, 30), true); // /spawnpoint's
        alex.dead = true;
        synchronized (game.lock()) {
            world.respawning().respawn(alex);
        }
        assertEquals(30.5, alex.x, 1e-9);
        assertEquals(30.5, alex.z, 1e-9);

        bed(0, 4, 0, 0);
        for (int x = -1; x <= 1; x++) {
            for (int z = -1; z <= 2; z++) {
                if (x != 0 || (z != 0 && z != 1)) {
                    world.blocks().setBlock(x, 4, z, BlockIds.STONE, 0);
                }
            }
        }
        alex.setBedSpawnLocation(new Location(world.api(), 0, 4, 1));
        assertNull("walled in: no way out of the bed", alex.getBedSpawnLocation());
    }

    @Test
    public void theBedSpawnIsKeptInThePlayerFileApartFromAForcedOne() throws Exception {
        dir = Files.createTempDirectory("beds").toFile();
        AnvilStore store = new AnvilStore(new File(dir, "world"), Logger.getAnonymousLogger());
        alex.setBedSpawnLocation(new Location(world.api(), 0, 4, 1));
        steve.setBedSpawnLocation(new Location(world.api(), -7, 70, 12), true);
        store.savePlayer("Alex", PlayerRecords.toStored(alex, world.level()));
        store.savePlayer("Steve", PlayerRecords.toStored(steve, world.level()));
        net.cubeworks.world.storage.StoredPlayer a = store.loadPlayer("Alex");
        net.cubeworks.world.storage.StoredPlayer s = store.loadPlayer("Steve");
        assertArrayEquals(new int[] {0, 4, 1}, a.spawn);
        assertFalse(a.spawnForced);
        assertTrue(s.spawnForced);
        OnlinePlayer back = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", java.util.UUID.randomUUID(), 99,
                org.bukkit.GameMode.SURVIVAL);
        PlayerRecords.apply(a, back);
        assertArrayEquals(new int[] {0, 4, 1}, back.spawnPoint);
        assertFalse(back.sleep.spawnForced);
        PlayerRecords.apply(s, back);
        assertTrue(back.sleep.spawnForced);
        store.close();
    }

    @Test
    public void aBedInLandThatCannotBeReadNowIsKept() throws Exception {
        ColumnLoadTest.HeldStore held = new ColumnLoadTest.HeldStore();
        held.loadsGo.countDown();
        net.cubeworks.world.level.Column far = net.cubeworks.world.level.Column.flat(20, 20);
        far.set(5, 4, 5, BlockIds.BED, 0);
        far.set(5, 4, 6, BlockIds.BED, Bed.HEAD);
        held.disk.put(net.cubeworks.world.level.ColumnKey.of(20, 20), far);
        held.unreadable.add(net.cubeworks.world.level.ColumnKey.of(20, 20));
        Game other = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, TestGames.host(events), held);
        try {
            OnlinePlayer p = TestGames.join(other, "Alex", other.entities().nextId(), 0.5, 4, 0.5);
            p.spawnPoint = new int[] {325, 4, 326};
            p.dead = true;
            Connections.takeSent(p.connection());
            synchronized (other.lock()) {
                other.world().respawning().respawn(p);
            }
            assertArrayEquals("kept for when the land can be read", new int[] {325, 4, 326}, p.spawnPoint);
            assertFalse(sent(p).contains("#43:0"));
            assertEquals("the world's spawn this time", other.world().level().spawnX + 0.5, p.x, 1e-9);
        } finally {
            other.world().close();
        }
    }
}
