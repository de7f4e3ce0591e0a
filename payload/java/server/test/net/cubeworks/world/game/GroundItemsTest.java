package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.UUID;
import java.util.logging.Logger;

import org.junit.After;
import org.junit.Rule;
import org.junit.Test;
import org.junit.rules.TemporaryFolder;

import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.storage.ItemTagValues;

/**
 * Items on the ground in the flat world (grass at y 3, so the ground is at 4): how they fall,
 * settle, slide and merge, who collects them and how much, what a throw, a death and a closed
 * window leave there, and that they are kept with their column across a restart.
 */
public class GroundItemsTest {
    private static final int DIRT = 3;
    private static final int STONE = 1;
    private static final int HAND = PlayerInventory.HOTBAR;

    @Rule
    public TemporaryFolder folder = new TemporaryFolder();

    private Game game;
    private GameWorld world;

    @After
    public void tearDown() {
        if (game != null) {
            world.close();
        }
    }

    /** The flat world, with a player far enough off to pick nothing up who has the columns around (0, 0). */
    private void flat() {
        game = TestGames.flat(folder.getRoot());
        world = game.world();
        TestGames.join(game, "Watcher", 99, -12.5, 4, -12.5);
    }

    private void tick(int n) {
        synchronized (game.lock()) {
            for (int i = 0; i < n; i++) {
                world.tick();
            }
        }
    }

    private ItemEntity drop(double x, double y, double z, int id, int count, int data) {
        synchronized (game.lock()) {
            ItemEntity item = world.items().dropItem(x, y, z, id, count, data, null);
            item.motionX = 0;
            item.motionZ = 0;
            return item;
        }
    }

    private int held(OnlinePlayer p, int id) {
        int n = 0;
        for (int s = 0; s <= PlayerInventory.CURSOR; s++) {
            if (p.inventory().item(s) == id) {
                n += p.inventory().count(s);
            }
        }
        return n;
    }

    private int onGround(int id) {
        int n = 0;
        for (ItemEntity e : world.items().all()) {
            n += e.itemId() == id ? e.count() : 0;
        }
        return n;
    }

    @Test
    public void anItemFallsSettlesOnTheGroundSlidesFartherOnIceAndClimbsOutOfABlock() {
        flat();
        ItemEntity item = drop(0.5, 10, 0.5, DIRT, 1, 0);
        tick(60);
        assertEquals("resting on the grass, its box's bottom at 4", 4.125, item.y, 1e-6);
        assertTrue(item.onGround);
        assertEquals(0.5, item.x, 1e-9);

        // the same push slides an item on ice about 30 times as far as on grass
        synchronized (game.lock()) {
            world.blocks().setBlock(8, 3, 8, 79, 0);
            world.blocks().setBlock(9, 3, 8, 79, 0);
            world.blocks().setBlock(10, 3, 8, 79, 0);
        }
        ItemEntity onGrass = drop(0.5, 4.125, 8.5, STONE, 1, 0);
        ItemEntity onIce = drop(8.5, 4.125, 8.5, STONE, 1, 1);
        tick(20);
        assertTrue(onGrass.onGround && onIce.onGround);
        onGrass.motionX = 0.1;
        onIce.motionX = 0.1;
        onGrass.motionY = onIce.motionY = 0;
        tick(40);
        double grass = onGrass.x - 0.5;
        double ice = onIce.x - 8.5;
        assertTrue(grass + " on grass", grass > 0.1 && grass < 0.3);
        assertTrue(ice + " on ice", ice > 1.5);

        // a block set where an item lies: the item is pushed out to an open side
        synchronized (game.lock()) {
            world.blocks().setBlock(0, 4, 0, STONE, 0);
        }
        tick(20);
        int bx = (int) Math.floor(item.x);
        int by = (int) Math.floor(item.y);
        int bz = (int) Math.floor(item.z);
        assertEquals("out of the stone", 0, world.blocks().blockAt(bx, by, bz));
    }

    @Test
    public void stacksOfOneItemMergeIntoTheLargerAsFarAsAStackHolds() {
        flat();
        ItemEntity ten = drop(0.5, 4.125, 0.5, DIRT, 10, 0);
        ItemEntity twenty = drop(0.8, 4.125, 0.5, DIRT, 20, 0);
        ItemEntity podzol = drop(0.6, 4.125, 0.5, DIRT, 5, 2); // another kind of dirt
        ItemEntity far = drop(3.5, 4.125, 0.5, DIRT, 1, 0);
        ten.pickupDelay = 30;
        ten.age = 5;
        twenty.age = 100;
        tick(1);
        assertTrue(ten.isRemoved());
        assertEquals("into the larger", 30, twenty.count());
        assertEquals("the longer delay", 29, twenty.pickupDelay);
        assertEquals("the younger age", 6, twenty.age);
        assertFalse(podzol.isRemoved());
        assertFalse(far.isRemoved());

        // 40 and 30 would not fit one stack: both stay
        ItemEntity forty = drop(5.5, 4.125, 5.5, STONE, 40, 0);
        ItemEntity thirty = drop(5.6, 4.125, 5.5, STONE, 30, 0);
        tick(30);
        assertFalse(forty.isRemoved());
        assertFalse(thirty.isRemoved());
        assertEquals(70, onGround(STONE));
        assertEquals("nothing made or lost", 36, onGround(DIRT));

        // named items merge only with items of an equal name: equal tags made apart are one item
        ItemEntity named = drop(9.5, 4.125, 9.5, STONE, 3, 0);
        ItemEntity alike = drop(9.6, 4.125, 9.5, STONE, 4, 0);
        ItemEntity other = drop(9.7, 4.125, 9.5, STONE, 5, 0);
        synchronized (game.lock()) {
            named.setStack(STONE, 3, 0, name("Rock"));
            alike.setStack(STONE, 4, 0, name("Rock"));
            other.setStack(STONE, 5, 0, name("Pebble"));
        }
        tick(1);
        assertTrue("the two named alike merged", named.isRemoved() != alike.isRemoved());
        assertEquals(7, (named.isRemoved() ? alike : named).count());
        assertFalse("another name stays apart", other.isRemoved());
        assertEquals(5, other.count());
    }

    private static Object name(String name) {
        Map<String, Object> display = new LinkedHashMap<String, Object>();
        display.put("display", java.util.Collections.<String, Object>singletonMap("Name", name));
        return ItemTagValues.fromValues(display);
    }

    @Test
    public void aPlayerCollectsWhatFitsOnceTheDelayIsOverAndEveryoneSeesIt() throws Exception {
        flat();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        OnlinePlayer bo = TestGames.join(game, "Bo", 2, 4.5, 4, 4.5);
        for (int s = 9; s < PlayerInventory.SLOTS; s++) {
            alex.inventory().set(s, STONE, 64, 0, null);
        }
        alex.inventory().set(HAND, DIRT, 60, 0, null);
        ItemEntity item = drop(1.2, 4.125, 0.5, DIRT, 10, 0);
        tick(9);
        assertEquals("the delay of 10 ticks", 60, alex.inventory().count(HAND));
        Connections.takeSent(alex.connection());
        tick(2);
        assertEquals("as many as fit", 64, alex.inventory().count(HAND));
        assertEquals("the rest stays", 6, item.count());
        assertFalse(item.isRemoved());
        boolean collected = false;
        for (int[] f : Connections.takeSent(alex.connection())) {
            collected |= f[0] == 0x0D;
        }
        assertTrue("Collect Item", collected);

        // Bo, with room, takes the rest when he comes near
        synchronized (game.lock()) {
            bo.x = 1.5;
            bo.z = 0.5;
        }
        tick(1);
        assertTrue(item.isRemoved());
        assertEquals(6, held(bo, DIRT));
        tick(1);
        assertNull("gone from the world", game.entities().byId(item.getEntityId()));
    }

    @Test
    public void throwsDeathsAndAFullInventoryAtAWindowsCloseLeaveEverythingOnTheGround() {
        flat();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        alex.inventory().set(HAND, DIRT, 5, 0, null);
        alex.inventory().set(9, STONE, 64, 0, null);
        alex.inventory().set(5, 298, 1, 0, null); // a leather cap
        synchronized (game.lock()) {
            world.interaction().dig(alex, qPress());
        }
        assertEquals("Q throws one", 4, alex.inventory().count(HAND));
        ItemEntity one = world.items().all().get(0);
        assertEquals(ItemEntity.THROWN_DELAY, one.pickupDelay);
        assertTrue("ahead of him: yaw 0 looks to +z", one.motionZ > 0.2);
        tick(30);
        assertEquals("the thrower cannot take it back at once", 4, alex.inventory().count(HAND));

        // a death: all of it falls where he died
        synchronized (game.lock()) {
            world.survival().damage(alex, 100f, "Alex died");
        }
        assertEquals(0, held(alex, DIRT) + held(alex, STONE) + held(alex, 298));
        assertEquals(5, onGround(DIRT));
        assertEquals(64, onGround(STONE));
        assertEquals(1, onGround(298));

        // Bo closes a window with his crafting grid full and no room: it falls at his feet
        OnlinePlayer bo = TestGames.join(game, "Bo", 2, 8.5, 4, 8.5);
        for (int s = 9; s < PlayerInventory.SLOTS; s++) {
            bo.inventory().set(s, STONE, 64, 0, null);
        }
        bo.inventory().set(1, 5, 3, 0, null);
        bo.inventory().set(PlayerInventory.CURSOR, 5, 2, 0, null);
        synchronized (game.lock()) {
            world.windows().close(bo, false);
        }
        assertEquals(0, bo.inventory().count(1));
        assertEquals(0, bo.inventory().count(PlayerInventory.CURSOR));
        assertEquals("the grid's and the cursor's planks", 5, onGround(5));
    }

    @Test
    public void aPlayerCannotThrowMoreThanTheCapASecondAndARefusedThrowStaysWithHim() {
        flat();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        synchronized (game.lock()) {
            for (int i = 0; i < 100; i++) {
                alex.inventory().set(HAND, DIRT, 1, 0, null);
                world.interaction().dig(alex, qPress());
            }
        }
        assertEquals(net.cubeworks.world.game.entity.GroundItems.THROWS_PER_SECOND, onGround(DIRT));
        assertEquals("a refused throw stays in the hand", 1, alex.inventory().count(HAND));
        tick(21);
        synchronized (game.lock()) {
            world.interaction().dig(alex, qPress());
        }
        assertEquals("a new second", net.cubeworks.world.game.entity.GroundItems.THROWS_PER_SECOND + 1, onGround(DIRT));
        assertEquals(0, alex.inventory().count(HAND));
    }

    /** Player Digging status 4: Q, one item from the hand. */
    private static net.cubeworks.world.protocol.PlayReads.BlockAction qPress() {
        byte[] body = {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        try {
            return net.cubeworks.world.protocol.PlayReads.playerDigging(new net.cubeworks.world.protocol.PacketIn(body));
        } catch (Exception e) {
            throw new AssertionError(e);
        }
    }

    @Test
    public void experienceFallsInTheGamesOrbSizesDriftsToAPlayerAndADeathDropsSevenALevel() {
        assertEquals(2477, net.cubeworks.world.game.entity.ExperienceOrb.split(5000));
        assertEquals(7, net.cubeworks.world.game.entity.ExperienceOrb.split(16));
        assertEquals(1, net.cubeworks.world.game.entity.ExperienceOrb.split(2));
        flat();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        synchronized (game.lock()) {
            world.items().dropExperience(4.5, 4.5, 0.5, 20); // 17 and 3, four blocks off
        }
        assertEquals(2, world.items().orbs().size());
        tick(100);
        assertEquals("both drifted to him and were taken", 0, world.items().orbs().size());
        assertEquals(20, alex.xp.total);
        assertEquals("17 points a level below 16", 1, alex.xp.level);
        // a death lets 7 points a level fall
        alex.xp.level = 20;
        synchronized (game.lock()) {
            world.survival().damage(alex, 100f, "Alex died");
        }
        int fallen = 0;
        for (net.cubeworks.world.game.entity.ExperienceOrb orb : world.items().orbs()) {
            fallen += orb.value();
        }
        assertEquals("at most 100", 100, fallen);
        assertEquals(0, alex.xp.level);
    }

    @Test
    public void giveIntoAFullInventoryLetsTheRestFallForTheReceiverAlone() {
        flat();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        OnlinePlayer bo = TestGames.join(game, "Bo", 2, 0.5, 4, 0.5);
        for (int s = 9; s < PlayerInventory.SLOTS; s++) {
            alex.inventory().set(s, STONE, 64, 0, null);
        }
        alex.inventory().set(HAND, DIRT, 60, 0, null);
        assertFalse(alex.giveItem(DIRT, 10, 0));
        assertEquals(64, alex.inventory().count(HAND));
        assertEquals(6, onGround(DIRT));
        ItemEntity rest = world.items().all().get(0);
        assertEquals("Alex", rest.owner);
        tick(5);
        assertEquals("Bo, beside him with room, may not take it", 0, held(bo, DIRT));
        alex.inventory().set(9, 0, 0, 0, null);
        tick(1);
        assertEquals(6, alex.inventory().count(9));
    }

    @Test
    public void aPlayerLeavingWithItemsOnTheCursorAndInBothGridsLosesNone() {
        flat();
        TestGames.join(game, "Bo", 2, 0.5, 4, 0.5); // keeps the columns seen
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        for (int s = 9; s < PlayerInventory.SLOTS; s++) {
            alex.inventory().set(s, STONE, 64, 0, null);
        }
        alex.inventory().set(1, 5, 4, 0, null); // planks in his own grid
        synchronized (game.lock()) {
            world.blocks().setBlock(1, 4, 0, 58, 0);
            assertTrue(world.windows().openTable(alex, 1, 4, 0));
            alex.inventory().open.set(5, 17, 2, 0, null); // logs in the table's grid
            alex.inventory().open.set(net.cubeworks.world.game.item.Window.CURSOR, 280, 3, 0, null); // sticks
            world.placement().leave(alex);
        }
        assertEquals(4, onGround(5));
        assertEquals(2, onGround(17));
        assertEquals(3, onGround(280));
        assertEquals(0, alex.inventory().count(1));
    }

    @Test
    public void anItemDespawnsAfterFiveMinutes() {
        flat();
        ItemEntity item = drop(0.5, 4.125, 0.5, DIRT, 1, 0);
        item.age = ItemEntity.LIFETIME - 2;
        tick(1);
        assertFalse(item.isRemoved());
        tick(1);
        assertTrue(item.isRemoved());
    }

    @Test
    public void itemsAreKeptWithTheirColumnAcrossARestartBesideEntitiesOfOtherKinds() throws Exception {
        File worldFolder = folder.newFolder("world");
        game = TestGames.anvil(folder.getRoot(), worldFolder);
        world = game.world();
        OnlinePlayer alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        Map<String, Object> display = new LinkedHashMap<String, Object>();
        display.put("display", java.util.Collections.<String, Object>singletonMap("Name", "Edge"));
        Object named = ItemTagValues.fromValues(display);
        ItemEntity sword;
        ItemEntity far;
        synchronized (game.lock()) {
            sword = world.items().dropItem(20.5, 4.125, 3.5, 267, 1, 7, named);
            far = world.items().dropItem(-30.5, 4.125, 3.5, DIRT, 12, 0, null);
            sword.age = 1234;
            // a creature of a kind the world does not run, as another server wrote it
            Column c = world.cache().hold(1, 0);
            Map<String, Object> zombie = new LinkedHashMap<String, Object>();
            zombie.put("id", "Zombie");
            zombie.put("Health", (short) 20);
            c.entities = new ArrayList<Object>();
            c.entities.add(ItemTagValues.fromValues(zombie));
            world.cache().changed(ColumnKey.of(1, 0));
        }
        UUID swordId = sword.getUniqueId();
        tick(40);
        double swordX = sword.x;
        assertNull(world.saveAndWait());
        world.close();
        game = null;

        game = TestGames.anvil(folder.getRoot(), worldFolder);
        world = game.world();
        assertEquals("nothing before somebody comes near", 0, world.items().size());
        alex = TestGames.join(game, "Alex", 1, 0.5, 4, 0.5);
        alex.known.add(ColumnKey.of(-2, 0));
        synchronized (game.lock()) {
            world.cache().resolve(1, 0);
            world.cache().resolve(-2, 0);
        }
        tick(1);
        assertEquals(2, world.items().size());
        ItemEntity back = null;
        for (ItemEntity e : world.items().all()) {
            if (e.itemId() == 267) {
                back = e;
            }
        }
        assertNotNull(back);
        assertEquals(swordId, back.getUniqueId());
        assertEquals(7, back.data());
        assertEquals(ItemTagValues.toValues(named), ItemTagValues.toValues(back.tag()));
        assertEquals(swordX, back.x, 1e-9);
        assertTrue(back.age >= 1274 && back.age < 1280);
        assertEquals(12, onGround(DIRT));
        synchronized (game.lock()) {
            assertEquals("the zombie stays in its column as read", 1, world.cache().held(ColumnKey.of(1, 0)).entities.size());
        }

        // the dirt's column leaves everybody's sight: the dirt goes back into it, and is written once
        alex.known.remove(ColumnKey.of(-2, 0));
        assertNull(world.saveAndWait());
        assertEquals(1, world.items().all().size());
        world.close();
        game = null;
        AnvilStore store = new AnvilStore(worldFolder, Logger.getAnonymousLogger());
        try {
            assertEquals("[Item]", ids(store.loadColumn(-2, 0)));
            assertEquals("[Zombie, Item]", ids(store.loadColumn(1, 0)));
        } finally {
            store.close();
        }
    }

    private static String ids(Column c) {
        List<Object> ids = new ArrayList<Object>();
        for (Object e : c.entities) {
            ids.add(ItemTagValues.toValues(e).get("id"));
        }
        return ids.toString();
    }

}
