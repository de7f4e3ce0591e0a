package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.After;
import org.junit.Test;

/**
 * A plugin of our own, compiled here against the server jar, with a listener for every concrete
 * event class of the API and checks of what the events work out themselves; loaded on the real
 * server, every handler must be registered and every check hold.
 */
public class EventsLinkageTest {
    private ServerProcess server;

    @After
    public void tearDown() throws Exception {
        if (server != null) {
            server.destroy();
        }
    }

    @Test
    public void aListenerOfEveryEventLinksAndTheEventsComputeRight() throws Exception {
        server = ServerProcess.prepare();
        CompiledPlugin.build(server.plugins(), "events", "EventsPlugin",
                "/net/cubeworks/world/fixture/events/EventsPlugin.java.txt",
                "name: events\nmain: events.EventsPlugin\nversion: 1\n");
        server.start("-Xmx96M");
        server.waitReady();
        String log = server.output();
        assertFalse(log, log.contains("Error occurred while enabling") || log.contains("NoSuchMethodError")
                || log.contains("NoClassDefFoundError") || log.contains("AbstractMethodError"));
        assertTrue(log, log.contains("events reached "));
        int checks = Integer.parseInt(log.substring(log.indexOf("events reached ") + 15).split(" ")[0]);
        assertEquals(log, 13, checks);
    }
}
