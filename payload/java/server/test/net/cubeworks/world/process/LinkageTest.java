package net.cubeworks.world.process;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.After;
import org.junit.Test;

/**
 * A plugin of our own, compiled here against the server jar as a plugin author compiles against
 * the API, that reaches every member of the services, plugin channels, permissions, scheduler,
 * serialization, command map and server events, and the libraries the jar carries; loaded on the
 * real server, it must link and every check of it must hold.
 */
public class LinkageTest {
    private ServerProcess server;

    @After
    public void tearDown() throws Exception {
        if (server != null) {
            server.destroy();
        }
    }

    @Test
    public void aPluginReachingEveryAddedMemberLinksAndRuns() throws Exception {
        server = ServerProcess.prepare();
        CompiledPlugin.build(server.plugins(), "linkage", "LinkagePlugin",
                "/net/cubeworks/world/fixture/linkage/LinkagePlugin.java.txt", "name: linkage\nmain: linkage.LinkagePlugin\nversion: 1\n"
                        + "permissions:\n  linkage.use:\n    description: one\n");
        server.start("-Xmx96M");
        server.waitReady();
        String log = server.output();
        assertFalse(log, log.contains("Error occurred while enabling") || log.contains("NoSuchMethodError")
                || log.contains("NoClassDefFoundError") || log.contains("AbstractMethodError"));
        assertTrue(log, log.contains("linkage reached "));
        assertTrue("a plugin's own logger writes console lines: " + log,
                log.contains(" WARN]: a line of the plugin's own logger"));
        int checks = Integer.parseInt(log.substring(log.indexOf("linkage reached ") + 16).split(" ")[0]);
        assertTrue(log, checks >= 67);
    }
}
