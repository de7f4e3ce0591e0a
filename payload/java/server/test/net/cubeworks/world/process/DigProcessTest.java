package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.List;

import org.junit.After;
import org.junit.Test;

/**
 * Survival digging through the real server: grass and dirt dug with the game's waits, a finish
 * sent too early refused with the block sent back, the cracks and the break shown to another
 * player; and time and tp from the console.
 */
public class DigProcessTest {
    private ServerProcess server;
    private final List<PlayClient> clients = new ArrayList<PlayClient>();

    @After
    public void tearDown() throws Exception {
        for (PlayClient c : clients) {
            c.close();
        }
        if (server != null) {
            server.destroy();
        }
    }

    private PlayClient join(String name) throws Exception {
        PlayClient c = PlayClient.join(server.port, 5, name);
        clients.add(c);
        return c;
    }

    @Test
    public void dirtIsDugWithTheRightWaitAndRefusedTooEarly() throws Exception {
        ServerProcess.serverJar();
        server = ServerProcess.prepare("level-type=FLAT", "gamemode=0", "spawn-protection=0", "view-distance=3");
        server.start("-Xmx64M");
        server.waitReady();
        PlayClient alex = join("Alex");
        PlayClient bo = join("Bo");
        bo.until("Bo shows Alex", () -> bo.shownByName("Alex") != null);
        int bx = (int) Math.floor(alex.x) + 1;
        int bz = (int) Math.floor(alex.z);

        // grass by hand: 18 ticks, taken after 0.7 of them
        alex.digFor(bx, 3, bz, 1000);
        bo.until("Bo sees the grass go", () -> bo.block(bx, 3, bz) == 0);
        alex.collectFromHole(bx, 3, bz, "Alex gets dirt", () -> alex.slotItem[36] == 3 && alex.slotCount[36] == 1);
        bo.until("Bo saw it break", () -> !bo.effects.isEmpty());
        int[] effect = bo.effects.get(0);
        assertEquals(2001, effect[0]);
        assertEquals("the particles are of grass", 2, effect[4]);
        assertTrue("Bo saw the cracks", !bo.cracks.isEmpty());
        assertEquals("drawn for Alex's dig", alex.entityId, bo.cracks.get(0)[0]);
        assertTrue("Alex draws its own cracks", alex.cracks.isEmpty());

        // dirt: 15 ticks; a finish after 2 is sent back and changes nothing
        alex.blockChanges.clear();
        alex.digFor(bx, 2, bz, 100);
        alex.until("the dirt is sent back", () -> !alex.blockChanges.isEmpty());
        int[] back = alex.blockChanges.get(0);
        assertEquals(bx, back[0]);
        assertEquals(2, back[1]);
        assertEquals("dirt", 3, back[3]);
        bo.drain(300);
        assertEquals("Bo still sees the dirt", 3, bo.block(bx, 2, bz));
        assertEquals(1, alex.slotCount[36]);
        // the same dirt with the wait
        alex.digFor(bx, 2, bz, 800);
        bo.until("Bo sees the dirt go", () -> bo.block(bx, 2, bz) == 0);
        alex.collectFromHole(bx, 2, bz, "Alex has two dirt", () -> alex.slotCount[36] == 2);

        // the time of day and a teleport, from the console
        assertTrue(server.command("time set 1000").contains("Set the time to 1000"));
        alex.until("Alex is told the time", () -> alex.dayTime >= 1000 && alex.dayTime < 1100);
        assertTrue(server.command("time add 12000").contains("Added 12000 to the time"));
        alex.until("night", () -> alex.dayTime >= 13000);
        int moves = alex.positions;
        assertTrue(server.command("tp Alex 20 4 -7").contains("Teleported Alex to 20.50, 4.00, -6.50"));
        alex.until("Alex is moved", () -> alex.positions > moves);
        assertEquals(20.5, alex.x, 1e-9);
        assertEquals(-6.5, alex.z, 1e-9);
        assertTrue(server.command("tp Bo Alex").contains("Teleported Bo to Alex"));
        bo.until("Bo is with Alex", () -> Math.abs(bo.x - 20.5) < 1e-9 && Math.abs(bo.z + 6.5) < 1e-9);
        // far away: the land there is sent, and Alex can walk in it
        assertTrue(server.command("tp Alex 1000 4 1000").contains("Teleported Alex to 1000.50, 4.00, 1000.50"));
        alex.until("the land at 1000, 1000", () -> alex.columns.containsKey(PlayClient.key(62, 62))
                && alex.columns.containsKey(PlayClient.key(65, 65)) && Math.abs(alex.x - 1000.5) < 1e-9);
        alex.position(1000.5, 4, 1000.5);
        alex.position(1001.5, 4, 1000.5);
        int before = alex.positions;
        alex.drain(500);
        assertEquals("the walk is taken", before, alex.positions);
    }
}
