package net.cubeworks.world.process;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.File;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.plumbing.BrokenPlugin;
import net.cubeworks.world.fixture.plumbing.PlumbingPlugin;
import net.cubeworks.world.fixture.plumbing.QuietPlugin;

/**
 * Plugin loading, the server's events, the command map and plugin channels through the real jar:
 * the order of depend/softdepend/loadbefore, the plugins that cannot load or enable, a console
 * command changed or cancelled by a plugin, the server list from the event, a command a framework
 * registered, a plugin message answered.
 */
public class PluginPlumbingTest {
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

    private static String quiet(String name, String extra) {
        return "name: " + name + "\nmain: net.cubeworks.world.fixture.plumbing.QuietPlugin\nversion: 1\n" + extra;
    }

    @Test
    public void pluginsLoadInDependencyOrderAndTheServersEventsReachThem() throws Exception {
        ServerProcess.serverJar();
        server = ServerProcess.prepare("motd=Test World");
        File dir = server.plugins();
        Jars.plugin(new File(dir, "plumbing.jar"), PlumbingPlugin.YML, plumbingClasses());
        // file names sort against the order the descriptors ask for
        Jars.plugin(new File(dir, "a-late.jar"), quiet("late", "softdepend: [plumbing]\n"), QuietPlugin.class);
        Jars.plugin(new File(dir, "z-early.jar"), quiet("early", "loadbefore: [plumbing]\n"), QuietPlugin.class);
        Jars.plugin(new File(dir, "needs.jar"), quiet("needs", "depend:\n  - Absent\n"), QuietPlugin.class);
        Jars.plugin(new File(dir, "circ-a.jar"), quiet("circa", "depend: [circb]\n"), QuietPlugin.class);
        Jars.plugin(new File(dir, "circ-b.jar"), quiet("circb", "depend: [circa]\n"), QuietPlugin.class);
        Jars.plugin(new File(dir, "broken.jar"),
                "name: broken\nmain: net.cubeworks.world.fixture.plumbing.BrokenPlugin\nversion: 1\n", BrokenPlugin.class);
        Jars.plugin(new File(dir, "after.jar"), quiet("after", "depend: [broken, plumbing]\n"), QuietPlugin.class);
        server.start("-Xmx96M");
        server.waitReady();
        String out = server.output();

        assertTrue(out, out.indexOf("Loading early v1") < out.indexOf("Loading plumbing v1"));
        assertTrue(out, out.indexOf("Loading plumbing v1") < out.indexOf("Loading late v1"));
        assertTrue(out, out.contains("Could not load '" + new File("plugins", "needs.jar").getPath()));
        assertTrue(out, out.contains("UnknownDependencyException: Absent"));
        assertFalse(out, out.contains("needs enabled"));
        assertTrue(out, out.contains("circ-a.jar' in folder 'plugins': circular dependency detected"));
        assertTrue(out, out.contains("circ-b.jar' in folder 'plugins': circular dependency detected"));
        assertFalse(out, out.contains("circa enabled") || out.contains("circb enabled"));

        // a plugin that fails to enable is named, taken down, and the others go on
        assertTrue(out, out.contains("Error occurred while enabling broken v1 (Is it up to date?)"));
        assertTrue(out, out.contains("java.lang.IllegalStateException: broken on purpose"));
        assertTrue(out, out.contains("Disabling broken v1 because it failed to enable"));
        assertTrue(out, out.contains("broken cleans up"));
        assertTrue(out, out.contains("after enabled") && out.contains("late enabled") && out.contains("early enabled"));
        assertTrue(out, out.contains("saw enabled: late") && out.contains("saw enabled: after"));
        assertTrue(out, out.contains("Implementing API version 1.7.9-R0.2"));

        // the console's command, cancelled, then changed into one the command map has
        int mark = server.mark();
        server.send("forbidden thing");
        int cancelled = server.waitFor("cancelled the console command forbidden thing", mark, 10000);
        server.waitFor("\n>", cancelled, 10000); // the prompt after it, before the next line goes in
        String reply = server.command("renamed");
        assertTrue(reply, reply.contains("framework command ran for CONSOLE with 2 args"));
        assertFalse(server.output().substring(mark), server.output().substring(mark).contains("Unknown command"));

        String status = TestClient.status(server.port);
        assertTrue(status, status.contains("{\"text\":\"Plumbed Test World\"}"));
        assertTrue(status, status.contains("\"max\":77,\"online\":0"));

        // a player: told the plugins' channels, answered on them once he listens, and the command map's command
        client = PlayClient.join(server.port, 5, "Alex");
        client.until("the server registers its channels", () -> client.pluginMessages.contains("REGISTER:Plumb"));
        client.pluginMessage("Plumb", "before".getBytes("UTF-8"));
        client.pluginMessage("REGISTER", "Other\u0000Plumb".getBytes("UTF-8"));
        client.pluginMessage("Plumb", "hi".getBytes("UTF-8"));
        client.until("the plugin echoes", () -> client.pluginMessages.contains("Plumb:echo hi"));
        assertFalse("nothing is sent on a channel the client does not listen on",
                client.pluginMessages.contains("Plumb:echo before"));
        // the plugin logs after it has echoed, so the line may reach the output after the client has the echo
        server.waitFor("plugin message from Alex: hi has plumbing.use true");
        client.net.chat("/framed x");
        client.until("the framework's command answers", () -> client.chat.toString().contains(
                "framework command ran for Alex with 1 args"));
    }

    @Test
    public void theOfflinePlayersAreThoseWhoPlayedHereAndThoseOnline() throws Exception {
        ServerProcess.serverJar();
        server = ServerProcess.prepare();
        Jars.plugin(new File(server.plugins(), "plumbing.jar"), PlumbingPlugin.YML, plumbingClasses());
        server.start("-Xmx96M");
        server.waitReady();
        String none = server.command("known");
        assertTrue(none, none.contains("known players: \n") || none.contains("known players: \r"));
        PlayClient steve = PlayClient.join(server.port, 5, "Steve");
        steve.close();
        server.waitFor("Steve lost connection");
        client = PlayClient.join(server.port, 5, "Alex");
        String both = server.command("known");
        assertTrue(both, both.contains("known players: Alex(online) Steve"));
    }

    private static Class<?>[] plumbingClasses() throws Exception {
        // the plugin and its anonymous command classes
        return new Class<?>[] {PlumbingPlugin.class, Class.forName(PlumbingPlugin.class.getName() + "$1"),
            Class.forName(PlumbingPlugin.class.getName() + "$2")};
    }
}
