package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.play.PlayRulesPlugin;

/**
 * A plugin's answers to what players do, as clients see them: a locked slot sent back, a block
 * broken at the first hit and one that cannot be dug, a deadly hit with the plugin's death
 * message to everyone, and chat completions with the plugin's own.
 */
public class PlayEventsProcessTest {
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

    @Test
    public void aPluginsAnswersDecideSlotsDigsHitsDeathsAndCompletions() throws Exception {
        server = ServerProcess.prepare("view-distance=3", "spawn-protection=0", "pvp=true");
        Jars.plugin(new File(server.plugins(), "play.jar"), PlayRulesPlugin.YML, PlayRulesPlugin.class);
        server.start("-Xmx64M");
        server.waitReady();
        PlayClient alex = join("Alex");
        PlayClient bo = join("Bo");
        bo.until("Bo shows Alex", () -> bo.shownByName("Alex") != null);
        alex.until("Alex shows Bo", () -> alex.shownByName("Bo") != null);

        // a locked slot: the client is put back on the slot it had
        alex.hold(8);
        alex.until("the lock says so", () -> alex.chat.toString().contains("slot 8 is locked"));
        assertEquals(0, alex.heldSlot);

        // the stone under Alex breaks at the first hit, for everybody; gold is never dug
        alex.until("Alex has the stone", () -> alex.block(1, 3, 0) == 1);
        alex.dig(0, 1, 3, 0);
        bo.until("Bo sees the stone gone", () -> bo.block(1, 3, 0) == 0);
        alex.until("gold is there", () -> alex.block(0, 3, 1) == 41);
        alex.digFor(0, 3, 1, 300);
        alex.drain(300);
        assertEquals("the gold stays", 41, alex.block(0, 3, 1));
        assertEquals(41, bo.block(0, 3, 1));

        // a deadly hit: Bo flashes, is pushed, dies, and everybody reads the plugin's message
        alex.useEntity(bo.entityId, true);
        bo.until("Bo is dead", () -> bo.health == 0f);
        alex.until("the plugin's death message", () -> alex.chat.toString().contains("Bo lost to a plugin's rule"));
        bo.until("Bo reads it too", () -> bo.chat.toString().contains("Bo lost to a plugin's rule"));
        assertTrue("Bo flashed red", bo.statuses.size() >= 1 && bo.statuses.get(0)[1] == 2);
        assertTrue("Bo was knocked back and up", bo.velocities.size() == 1 && bo.velocities.get(0)[1] > 0);

        // completions: the names of the players, and the plugin's own
        alex.tabComplete("hello c");
        alex.until("completions", () -> alex.completions != null);
        assertEquals(Arrays.asList("Cubeworks"), alex.completions);
        alex.completions = null;
        alex.tabComplete("hi B");
        alex.until("completions", () -> alex.completions != null);
        assertEquals(Arrays.asList("Bo"), alex.completions);
    }
}
