package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.ArrayList;
import java.util.List;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.MemoryHogPlugin;
import net.cubeworks.world.fixture.listeners.TwoListenersPlugin;
import net.cubeworks.world.storage.Worlds;

/** Faults of the kind an attack on the world finds, through the real jar: nothing kept is lost. */
public class ServerFaultsTest {
    private final List<ServerProcess> servers = new ArrayList<ServerProcess>();
    private final List<PlayClient> clients = new ArrayList<PlayClient>();

    @After
    public void tearDown() throws Exception {
        for (PlayClient c : clients) {
            c.close();
        }
        for (ServerProcess s : servers) {
            s.destroy();
        }
    }

    private ServerProcess prepare(String... props) throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare(props);
        servers.add(s);
        return s;
    }

    @Test
    public void aPlayerFileNestedDeepIsPlayedAsKeptAndNeverReplacedByABlankOne() throws Exception {
        ServerProcess s = prepare("gamemode=0");
        File file = new File(s.dir, "world/players/Deep.dat");
        Worlds.writeDeepPlayer(file, 450, 40.5, 4, -20.5);
        long size = file.length();
        s.start("-Xmx64M");
        s.waitReady();
        PlayClient c = PlayClient.join(s.port, 5, "Deep");
        clients.add(c);
        c.drain(300);
        assertEquals("where the file says", 40.5, c.x, 1e-9);
        assertEquals("the stone of the file in the first hot-bar slot", 1, c.slotItem[36]);
        c.close();
        s.waitFor("Deep lost connection");
        s.command("save-all");
        assertTrue("the file still holds the nested tag: " + file.length() + " bytes, was " + size,
                file.length() > size / 2);
        assertTrue(s.output(), !s.output().contains("StackOverflowError"));
    }

    @Test
    public void runningOutOfMemorySavesWhatItCanAndStopsSayingWhy() throws Exception {
        ServerProcess s = prepare("gamemode=1");
        Jars.plugin(new File(s.plugins(), "hog.jar"), MemoryHogPlugin.YML, MemoryHogPlugin.class);
        s.start("-Xmx48M");
        s.waitReady();
        PlayClient c = PlayClient.join(s.port, 5, "Alex");
        clients.add(c);
        c.drain(200);
        c.dig(0, 0, 3, 0);
        c.until("the grass is dug", () -> c.block(0, 3, 0) == 0);
        s.send("hog");
        int status = s.waitForExit(60000);
        String out = s.output();
        assertTrue(out, out.contains("ran out of memory"));
        assertEquals("a server that ran out of memory does not say it stopped well", 1, status);
        assertTrue(out, out.contains("Saving chunks"));
        // what was changed before is on the disk
        c.close();
        s.start("-Xmx64M");
        s.waitReady();
        PlayClient back = PlayClient.join(s.port, 5, "Alex");
        clients.add(back);
        back.drain(300);
        assertEquals("the dug grass stays dug", 0, back.block(0, 3, 0));
    }

    @Test
    public void aListenerForAnEventTheServerLacksIsLeftOutAndThePluginGoesOn() throws Exception {
        ServerProcess s = prepare();
        // the jar lacks UnknownEvent, as a plugin built for a larger API would
        Jars.plugin(new File(s.plugins(), "two.jar"), TwoListenersPlugin.YML, TwoListenersPlugin.class,
                TwoListenersPlugin.Unknown.class, TwoListenersPlugin.Joins.class);
        s.start("-Xmx64M");
        s.waitReady();
        String out = s.output();
        assertTrue(out, out.contains("has failed to register events for") && out.contains("UnknownEvent"));
        assertTrue(out, out.contains("both listeners asked for"));
        PlayClient c = PlayClient.join(s.port, 5, "Alex");
        clients.add(c);
        c.until("the other listener greets", () -> c.chat.toString().contains("welcome from fixture_two"));
    }
}
