package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.io.OutputStream;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import org.junit.After;
import org.junit.Test;

/**
 * What the host relies on, against the real jar: every player is one the host can see and
 * type at the console, the port is the one the settings name or the server says it is not,
 * and no console input can end the server.
 */
public class HostSafetyTest {
    private final List<ServerProcess> servers = new ArrayList<ServerProcess>();

    @After
    public void tearDown() throws Exception {
        for (ServerProcess s : servers) {
            s.destroy();
        }
    }

    private ServerProcess prepared(String... props) throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare(props);
        servers.add(s);
        return s;
    }

    @Test
    public void onAGbkConsoleOnlyNamesTheHostCanSeeAndTypeGetIn() throws Exception {
        ServerProcess s = prepared();
        s.environment.put("LC_ALL", "zh_CN.GBK");
        s.start();
        s.waitReady();
        String[] refusedNames = {"Bob\u0142", "Bob\u200b", "\ufeffBob", "Bo\u2060b", "Bob\u180e", "Bob\ufffd",
            "Bob\ue000", "Server", "CONSOLE", "rcon", "a/b", "con", "Bob."};
        for (String name : refusedNames) {
            String refused = new TestClient(s.port, 5).login(name);
            assertNotNull(name, refused);
            assertTrue(name + ": " + refused, refused.contains("Invalid username!"));
        }
        TestClient zhang = TestClient.join(s.port, 5, "\u5f20\u4e09");
        TestClient bob = TestClient.join(s.port, 5, "Bob");
        String list = s.command("list");
        assertTrue(list, list.contains("There are 2/20 players online:"));
        zhang.close();
        bob.close();
    }

    @Test
    public void aPortValueThatIsNoPortIsSaidAndTheServerDoesNotStart() throws Exception {
        for (String value : Arrays.asList("70000", "-1", "0", "25610abc")) {
            ServerProcess s = prepared("server-port=" + value);
            s.start();
            int status = s.waitForExit(20000);
            assertNotEquals(value, 0, status);
            assertTrue(s.output(), s.output().contains("\"" + value + "\", is not a port"));
            assertTrue(s.output(), !s.output().contains("Starting Minecraft server on"));
        }
    }

    @Test
    public void aByteOrderMarkBeforeTheFirstKeyIsSkipped() throws Exception {
        ServerProcess s = prepared();
        byte[] text = ("server-port=" + s.port + "\r\nonline-mode=false\r\n").getBytes("UTF-8");
        byte[] withMark = new byte[text.length + 3];
        withMark[0] = (byte) 0xEF;
        withMark[1] = (byte) 0xBB;
        withMark[2] = (byte) 0xBF;
        System.arraycopy(text, 0, withMark, 3, text.length);
        Files.write(new File(s.dir, "server.properties").toPath(), withMark);
        s.start();
        s.waitReady();
        assertTrue(s.output(), s.output().contains("Starting Minecraft server on *:" + s.port));
    }

    @Test
    public void a120MegabyteConsoleLineIsDroppedAndTheServerGoesOn() throws Exception {
        ServerProcess s = prepared();
        s.start("-Xmx64M");
        s.waitReady();
        byte[] chunk = new byte[1 << 20];
        Arrays.fill(chunk, (byte) 'a');
        OutputStream in = s.input();
        for (int i = 0; i < 120; i++) {
            in.write(chunk);
        }
        in.write("\r\n".getBytes("US-ASCII"));
        in.flush();
        s.waitFor("A console line of " + (120L << 20) + " characters was ignored", 0, 60000);
        String list = s.command("list");
        assertTrue(list, list.contains("There are 0/20 players online:"));
        assertTrue(s.isAlive());
        s.send("stop");
        assertEquals(0, s.waitForExit(20000));
    }
}
