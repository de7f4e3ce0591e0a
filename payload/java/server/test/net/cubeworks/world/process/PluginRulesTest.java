package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.File;
import java.util.ArrayList;
import java.util.List;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.rules.RulesPlugin;

/**
 * A plugin's rules decide what players may do, as clients see it: logins refused or let past
 * the whitelist, digging and building refused in a strip with nothing changed for anybody,
 * moves put back or sent elsewhere, teleports refused or made, kicks reworded.
 */
public class PluginRulesTest {
    private final List<PlayClient> clients = new ArrayList<PlayClient>();
    private ServerProcess server;

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

    private String refusal(String name) throws Exception {
        TestClient c = new TestClient(server.port, 5);
        try {
            return c.login(name);
        } finally {
            c.close();
        }
    }

    private static void walk(PlayClient c, double toX, double feet, double toZ) throws Exception {
        double x = c.x;
        double z = c.z;
        while (Math.abs(toX - x) > 1e-9 || Math.abs(toZ - z) > 1e-9) {
            x += Math.max(-1, Math.min(1, toX - x));
            z += Math.max(-1, Math.min(1, toZ - z));
            c.position(x, feet, z);
            c.x = x;
            c.z = z;
            c.drain(20);
        }
        c.y = feet;
    }

    private static int changesAt(PlayClient c, int x, int y, int z) {
        int n = 0;
        for (int[] b : c.blockChanges) {
            if (b[0] == x && b[1] == y && b[2] == z) {
                n++;
            }
        }
        return n;
    }

    @Test
    public void aPluginsRulesDecideLoginsDiggingBuildingMovesAndKicks() throws Exception {
        server = ServerProcess.prepare("view-distance=3", "spawn-protection=0", "white-list=true");
        Jars.plugin(new File(server.plugins(), "rules.jar"), RulesPlugin.YML, RulesPlugin.class,
                RulesPlugin.KickFromAfar.class);
        server.start("-Xmx64M");
        server.waitReady();

        // logins: the pre-login event runs off the game thread; the login event sees the server's verdict
        assertEquals("{\"text\":\"No Eve (main thread: false)\"}", refusal("Eve"));
        assertEquals("{\"text\":\"Mallory is not welcome\"}", refusal("Mallory"));
        assertEquals("{\"text\":\"You are not white-listed on this server!\"}", refusal("Stranger"));
        PlayClient alex = join("Alex");
        PlayClient bo = join("Bo");
        bo.until("Bo shows Alex", () -> bo.shownByName("Alex") != null);

        // the strip x 10..12: digging refused for the digger alone, nothing dropped, nothing changed
        walk(alex, 8.5, 4, 0.5);
        alex.digFor(10, 3, 0, 1000);
        alex.until("the protection says so", () -> alex.chat.toString().contains("protected: GRASS"));
        alex.until("the grass is shown again", () -> changesAt(alex, 10, 3, 0) == 1);
        assertEquals(2, alex.block(10, 3, 0));
        assertEquals("nothing dropped into the inventory", 0, alex.slotCount[36]);
        // outside the strip digging goes on as usual
        alex.digFor(8, 3, 1, 1000);
        alex.collectFromHole(8, 3, 1, "Alex gets dirt", () -> alex.slotItem[36] == 3 && alex.slotCount[36] == 1);
        bo.until("Bo sees the hole", () -> bo.block(8, 3, 1) == 0);
        assertEquals("Bo saw nothing of the refused dig", 0, changesAt(bo, 10, 3, 0));

        // building in the strip: the cell is air again and the dirt stays in hand
        alex.place(10, 3, 1, 1, 3);
        alex.until("the building refusal", () -> alex.chat.toString().contains("no building: DIRT on GRASS"));
        alex.until("the cell shown empty", () -> changesAt(alex, 10, 4, 1) >= 1);
        assertEquals(0, alex.block(10, 4, 1));
        // a denied use of a block: nothing placed
        alex.place(14, 3, 0, 1, 3);
        alex.until("the denied cell shown empty", () -> changesAt(alex, 14, 4, 0) >= 1);
        alex.drain(200);
        assertEquals("the dirt was never taken", 1, alex.slotCount[36]);
        // and a placement allowed by the rules: seen by all
        alex.place(7, 3, 1, 1, 3);
        bo.until("Bo sees the allowed dirt", () -> bo.block(7, 4, 1) == 3);
        assertEquals(0, bo.block(10, 4, 1));
        assertEquals(0, bo.block(14, 4, 0));
        assertEquals("the refused blocks were never sent to Bo", 0, changesAt(bo, 10, 4, 1) + changesAt(bo, 14, 4, 0));

        // the wall at x = 30: the mover is put back, the viewer never sees it past the wall
        walk(alex, 29.5, 4, 0.5);
        int before = alex.positions;
        alex.position(30.5, 4, 0.5);
        alex.until("put back", () -> alex.positions == before + 1);
        assertEquals(29.5, alex.x, 1e-9);
        alex.position(alex.x, alex.y, alex.z);
        bo.drain(300);
        assertTrue("Bo shows Alex at " + bo.shownByName("Alex").x / 32.0, bo.shownByName("Alex").x / 32.0 < 30);

        // the jump pad at x -5: the move goes elsewhere
        walk(alex, -3.5, 4, 0.5);
        int before2 = alex.positions;
        alex.position(-4.5, 4, 0.5);
        alex.until("sent up", () -> alex.positions == before2 + 1);
        assertEquals(8.0, alex.y, 1e-9);
        assertEquals(-5.5, alex.x, 1e-9);
        alex.position(alex.x, alex.y, alex.z);

        // teleports by the plugin: the one to x 99 refused by its teleport event, the other made
        int before3 = alex.positions;
        alex.net.chat("home");
        alex.until("the teleports told", () -> alex.chat.toString().contains("teleports: false true"));
        alex.until("teleported", () -> alex.positions == before3 + 1);
        assertEquals(5.5, alex.x, 1e-9);
        assertEquals(4.0, alex.y, 1e-9);
        bo.until("Bo sees Alex at home", () -> Math.abs(bo.shownByName("Alex").x - 5.5 * 32) < 2);

        // a kick with the reason the kick event gave it
        alex.net.chat("kickme");
        try {
            alex.until("kicked", () -> false);
            fail("not kicked");
        } catch (AssertionError e) {
            assertTrue(e.getMessage(), e.getMessage().contains("rules: asked for it"));
        }

        // kicked from a plugin's own thread: the kick event's handler changes the player under the world lock
        bo.net.chat("kick me from afar");
        try {
            bo.until("kicked from afar", () -> false);
            fail("not kicked");
        } catch (AssertionError e) {
            assertTrue(e.getMessage() + "\n" + server.output(), e.getMessage().contains("rules: from afar"));
        }
        bo.close();
        // the void: the damage doubled for one, none at all for the other; the respawn goes where the plugin says
        PlayClient cy = join("Cy");
        PlayClient immortal = join("Immortal");
        for (PlayClient c : new PlayClient[] {cy, immortal}) {
            c.drain(100);
            for (double feet = -6; feet >= -76; feet -= 10) {
                c.position(0.5, feet, 0.5);
                c.drain(20);
            }
        }
        cy.until("Cy is hurt", () -> cy.health < 20f);
        assertEquals("the first blow doubled", 12f, cy.health, 0f);
        cy.until("Cy dies", () -> cy.health == 0f);
        immortal.drain(500);
        assertEquals(20f, immortal.health, 0f);
        int before4 = cy.positions;
        cy.respawn();
        cy.until("Cy respawns", () -> cy.respawns == 1 && cy.positions > before4);
        assertEquals(20.5, cy.x, 1e-9);
        assertEquals(20.5, cy.z, 1e-9);

        // the refused dig and builds changed nothing on the disk either
        server.send("stop");
        assertEquals(0, server.waitForExit(30000));
        server.start("-Xmx64M");
        server.waitReady();
        PlayClient back = join("Bo");
        back.drain(300);
        assertEquals(2, back.block(10, 3, 0));
        assertEquals(0, back.block(10, 4, 1));
        assertEquals(0, back.block(8, 3, 1));
        int kept = back.block(7, 4, 1);
        assertTrue("the allowed dirt was kept (grass may have spread onto it by now): " + kept, kept == 3 || kept == 2);
    }
}
