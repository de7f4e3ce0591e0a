package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.tour.ApiTourPlugin;

/**
 * A plugin built against the API goes through the world, blocks, items and the player when one
 * joins: what it reads is the real game state, and what it changes reaches the client.
 */
public class ApiTourTest {
    private ServerProcess server;
    private PlayClient client;

    @After
    public void tearDown() throws Exception {
        if (client != null) {
            client.close();
        }
        if (server != null) {
            server.destroy();
        }
    }

    private String value(String key) {
        Matcher m = Pattern.compile("tour " + Pattern.quote(key) + "=(.*)").matcher(server.output());
        assertTrue("no tour line " + key + " in:\n" + server.output(), m.find());
        return m.group(1).trim();
    }

    @Test
    public void aPluginReadsAndChangesTheRealWorldAndPlayer() throws Exception {
        server = ServerProcess.prepare("view-distance=3", "spawn-protection=0", "difficulty=1");
        Jars.plugin(new File(server.plugins(), "tour.jar"), ApiTourPlugin.YML, ApiTourPlugin.class);
        server.start("-Xmx64M");
        server.waitReady();
        client = PlayClient.join(server.port, 5, "Alex");
        client.until("the tour is done", () -> server.output().contains("tour done=true"));
        assertTrue(server.output(), !server.output().contains("Could not pass event"));

        assertEquals("1 true true true", value("worlds"));
        assertEquals("GRASS 7 4 AIR", value("ground"));
        assertEquals("true true BEDROCK true 0", value("chunk"));
        assertEquals("NORMAL FLAT true 256 true", value("world"));
        assertEquals("6000 6000", value("time"));
        assertEquals("3,4", value("spawn"));
        assertEquals("AIR BEDROCK NORTH DIRT", value("relative"));
        assertEquals("false true STONE", value("state"));
        assertEquals("-1 -1 AIR 5.0", value("location"));
        assertEquals("true", value("location.serialized"));
        assertEquals("true Ender [sharp, old] 1561", value("item"));
        assertEquals("GOLD_BLOCK RECORD_12 true false 16", value("material"));
        assertEquals("4.0 5.62 20.0 20 true false true true true 1 true", value("player"));
        assertEquals("true 64 6 true 0", value("give"));
        assertEquals("COBBLESTONE 0", value("hand"));
        assertEquals("null 6", value("taken"));
        assertEquals("AIR", value("shown only"));
        assertEquals("Sir Alex true", value("names"));
        assertEquals("refused", value("long list name"));

        // what the plugin changed, as the client sees it
        client.until("the gold block", () -> client.block(1, 4, 1) == 41);
        client.until("the stone", () -> client.block(2, 4, 2) == 1);
        client.until("the block shown to this client only", () -> client.block(3, 4, 0) == 57);
        client.until("the health", () -> client.health == 10f && client.food == 5);
        client.until("the cobblestone", () -> client.slotItem[37] == 4 && client.slotCount[37] == 6
                && client.slotCount[36] == 0);
        client.until("the torches", () -> client.slotItem[38] == 50 && client.slotCount[38] == 5);
        client.until("the new spawn", () -> client.spawnX == 3 && client.spawnZ == 3);
        client.until("the tab list name", () -> client.tabList.contains("Boss Alex") && !client.tabList.contains("Alex"));
        client.until("the time of day", () -> client.dayTime % 24000 >= 6000 && client.dayTime % 24000 < 6100);
    }
}
