package net.cubeworks.world.game;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/** Moves against the blocks of the flat world (ground top at y 4): walls refuse, the open air does not. */
public class WallsTest {
    private Game game;
    private GameWorld world;
    private OnlinePlayer p;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(), ServerProperties.defaults(), null, null, new WorldStore.None());
        world = game.world();
        p = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", UUID.randomUUID(), 1, GameMode.SURVIVAL);
        for (int cx = -1; cx <= 1; cx++) {
            for (int cz = -1; cz <= 1; cz++) {
                p.known.add(ColumnKey.of(cx, cz));
            }
        }
        p.x = 0.5;
        p.y = 4;
        p.z = 0.5;
    }

    @After
    public void tearDown() {
        world.close();
    }

    private void set(int x, int y, int z, int id) {
        synchronized (game.lock()) {
            world.blocks().setBlock(x, y, z, id, 0);
        }
    }

    private static PlayReads.Movement position(double x, double feet, double z) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeDouble(x);
        o.writeDouble(feet);
        o.writeDouble(feet + 1.62);
        o.writeDouble(z);
        o.writeBoolean(true);
        return PlayReads.playerPosition(new PacketIn(b.toByteArray()));
    }

    /** Sends a position; true when it was taken. A refused one is answered as the client does, by arriving back. */
    private boolean move(double x, double feet, double z) throws Exception {
        synchronized (game.lock()) {
            world.movement().move(p, position(x, feet, z));
            if (!p.teleportPending) {
                return p.x == x && p.y == feet && p.z == z;
            }
            world.movement().move(p, position(p.x, p.y, p.z));
            assertFalse(p.teleportPending);
            return false;
        }
    }

    @Test
    public void walkingJumpingAndSteppingUpAreTakenWallsAndCeilingsAreNot() throws Exception {
        // a jump's arc on flat ground, feet a hair below the top as a client's doubles round
        double[] arc = {4.0, 4.42, 4.7532, 5.0013, 5.1661, 5.2491, 5.1661, 4.7532, 4.0, 3.99999999};
        for (double y : arc) {
            assertTrue("feet at " + y, move(0.5, y, 0.5));
        }
        // a wall of stone two high at x = 2, and a block of dirt to step on at z = 2
        set(2, 4, 0, 1);
        set(2, 5, 0, 1);
        set(0, 4, 2, 3);
        assertTrue("against the wall", move(1.7, 4.0, 0.5));
        assertTrue(move(1.6999999, 4.0, 0.5));
        assertFalse("into the wall", move(1.85, 4.0, 0.5));
        assertFalse("through the wall", move(2.5, 4.0, 0.5));
        assertFalse("through the wall, jumping", move(2.5, 5.0, 0.5));
        assertTrue("over the wall", move(2.5, 6.0, 0.5));
        assertTrue(move(0.5, 4.0, 0.5));
        assertFalse("into the dirt block", move(0.5, 4.5, 1.9));
        assertTrue("onto it", move(0.5, 5.0, 2.5));
        // under a ceiling two blocks up: the head touches it, never gets in
        set(0, 6, 5, 1);
        assertTrue(move(0.5, 4.0, 5.5));
        assertTrue("head against the ceiling", move(0.5, 4.2, 5.5));
        assertFalse("head in the ceiling", move(0.5, 4.5, 5.5));
        assertFalse("into the ground", move(0.5, 3.5, 5.5));
    }

    @Test
    public void onlyWholeCubesAreWalls() throws Exception {
        // air, water, lava, tall grass, a flower, a torch, redstone wire, a rail, a sign, a button, a lever,
        // a pressure plate, a snow layer, vines, a portal, fire, wheat, a slab, stairs, a fence, a ladder
        int[] open = {0, 9, 11, 31, 38, 50, 55, 66, 63, 77, 69, 70, 78, 106, 90, 51, 59, 44, 53, 85, 65};
        int[] walls = {1, 2, 3, 4, 5, 17, 18, 20, 35, 49};
        for (int id : open) {
            set(3, 4, 3, id);
            set(3, 5, 3, id);
            assertTrue("block " + id, move(3.5, 4.0, 3.5));
            assertTrue(move(0.5, 4.0, 0.5));
        }
        for (int id : walls) {
            set(3, 5, 3, id);
            assertFalse("block " + id, move(3.5, 4.0, 3.5));
        }
    }

    @Test
    public void aPlayerStuckInBlocksMayMoveOut() throws Exception {
        set(0, 4, 0, 1);
        set(0, 5, 0, 1); // built over where he stands
        assertTrue("a step still in it", move(0.75, 4.0, 0.5));
        assertTrue("out of it", move(1.5, 4.0, 0.5));
        assertFalse("and not back in", move(0.5, 4.0, 0.5));
    }
}
