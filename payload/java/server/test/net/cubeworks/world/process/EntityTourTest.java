package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.entities.EntityTourMain;
import net.cubeworks.world.fixture.entities.EntityTourPlugin;

/**
 * A plugin goes through the entity side of the API as players join: what it changes reaches the
 * client in the game's own packets (checked for layout by the client), effects run out by the
 * tick, a conversation takes the player's chat, and a hidden player vanishes from the other's view.
 */
public class EntityTourTest {
    private ServerProcess server;
    private PlayClient alex;
    private PlayClient bea;

    @After
    public void tearDown() throws Exception {
        if (alex != null) {
            alex.close();
        }
        if (bea != null) {
            bea.close();
        }
        if (server != null) {
            server.destroy();
        }
    }

    private String value(String key) {
        Matcher m = Pattern.compile("entities " + Pattern.quote(key) + "=(.*)").matcher(server.output());
        assertTrue("no line " + key + " in:\n" + server.output(), m.find());
        return m.group(1).trim();
    }

    private boolean chatHas(PlayClient c, String text) {
        synchronized (c.chat) {
            for (String line : c.chat) {
                if (line.contains(text)) {
                    return true;
                }
            }
        }
        return false;
    }

    @Test
    public void effectsSoundsAndConversationsReachTheClient() throws Exception {
        server = ServerProcess.prepare("view-distance=3", "spawn-protection=0", "spawn-animals=false");
        Jars.plugin(new File(server.plugins(), "entities.jar"), EntityTourPlugin.YML, EntityTourMain.class,
                EntityTourPlugin.class, EntityTourPlugin.AskName.class, EntityTourPlugin.Greet.class,
                EntityTourPlugin.Ended.class);
        server.start("-Xmx64M");
        server.waitReady();
        assertEquals("SPEED 8 true", value("kinds"));
        alex = PlayClient.join(server.port, 5, "Alex");
        alex.until("the tour is done", () -> server.output().contains("entities done=true"));
        assertFalse(server.output(), server.output().contains("Could not pass event"));

        assertEquals("true false true 1", value("effects"));
        assertEquals("instant damage of level I takes 6", "true 14.0 false", value("harm"));
        assertEquals("DOWNFALL 0.4 18000 false", value("weather and time"));
        assertEquals("true 3 refused", value("stats"));
        assertEquals("5 false world", value("metadata"));
        assertEquals("a cow comes where Alex stands", "false 1 2 1 PLAYER", value("spawn"));
        assertEquals("the blast clears the ground but not bedrock, and does not reach Alex", "true AIR BEDROCK 14.0",
                value("explosion"));
        assertEquals("3 [Alex]", value("scoreboard"));
        assertEquals("true", value("conversing"));

        final int me = alex.entityId;
        alex.until("the speed effect", () -> alex.entityEffects.stream().anyMatch(
                e -> e[0] == me && e[1] == 1 && e[2] == 1 && e[3] == 40));
        alex.until("the jump effect taken off", () -> alex.removedEffects.stream().anyMatch(e -> e[1] == 8));
        alex.until("the speed effect run out", () -> alex.removedEffects.stream().anyMatch(e -> e[1] == 1));
        alex.until("wither hurting every 20 ticks", () -> alex.health > 0 && alex.health <= 12f);
        alex.until("the level-up sound", () -> alex.sounds.stream().anyMatch(s -> s.startsWith("random.levelup ")));
        alex.until("the note", () -> alex.sounds.stream().anyMatch(s -> s.startsWith("note.harp ") && s.endsWith(" 63")));
        alex.until("the rain", () -> alex.gameStateReason == 2);
        alex.until("the walk speed", () -> alex.walkSpeed == 0.2f);
        alex.until("the stopped clock", () -> alex.dayTime == -18000);
        alex.until("the sign", () -> "a|b|c|d".equals(alex.signs.get("5,4,5")));
        alex.until("the hurt effect", () -> alex.statuses.stream().anyMatch(s -> s[0] == me && s[1] == 2));
        alex.until("the achievements", () -> Integer.valueOf(1).equals(alex.statistics.get("achievement.mineWood"))
                && Integer.valueOf(1).equals(alex.statistics.get("achievement.openInventory")));
        alex.until("the blast", () -> alex.explosions.size() == 1 && alex.explosions.get(0) > 5
                && alex.block(20, 3, 20) == 0 && alex.block(20, 0, 20) == 7);
        alex.until("the lightning", () -> alex.bolts.size() == 1 && alex.bolts.get(0)[1] == 1);

        alex.until("the sidebar", () -> "kills".equals(alex.displaySlots.get(1))
                && Integer.valueOf(3).equals(alex.scores.get("Alex@kills")));
        alex.until("the team", () -> alex.teams.containsKey("red") && alex.teams.get("red").contains("Alex")
                && "[R]".equals(alex.teamPrefixes.get("red")));
        alex.until("the prompt", () -> chatHas(alex, "What is your name?"));
        alex.say("Zed");
        alex.until("the greeting", () -> chatHas(alex, "Hello Zed"));
        alex.until("the graceful end", () -> server.output().contains("entities conversation=graceful"));
        assertFalse("the answer went to the conversation, not to chat", server.output().contains("<Alex> Zed"));

        bea = PlayClient.join(server.port, 5, "Bea");
        bea.until("Alex hid Bea", () -> server.output().contains("entities hidden="));
        assertEquals("false true true", value("hidden"));
        bea.drain(1500);
        assertEquals("the main board drawn for one who joins later", Integer.valueOf(3), bea.scores.get("Alex@kills"));
        assertEquals("kills", bea.displaySlots.get(1));
        alex.drain(500);
        assertFalse("Bea is not in Alex's tab list", alex.tabList.contains("Bea"));
        assertTrue("Alex is in Bea's tab list", bea.tabList.contains("Alex"));
        assertTrue("Alex's client shows nobody", alex.shown.isEmpty());
        assertFalse("Bea's client shows Alex", bea.shown.isEmpty());
    }
}
