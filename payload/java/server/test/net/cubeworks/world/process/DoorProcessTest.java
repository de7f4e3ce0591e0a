package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.File;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;

import org.junit.After;
import org.junit.Test;

/** Who gets in, as server.properties says: the white-list, forced game modes, one life in hardcore. */
public class DoorProcessTest {
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

    private ServerProcess start(ServerProcess s) throws Exception {
        servers.add(s);
        s.start("-Xmx64M");
        s.waitReady();
        return s;
    }

    private static String refusal(ServerProcess s, String name) throws Exception {
        TestClient c = new TestClient(s.port, 5);
        try {
            return c.login(name);
        } finally {
            c.close();
        }
    }

    private PlayClient join(ServerProcess s, String name) throws Exception {
        PlayClient c = PlayClient.join(s.port, 5, name);
        clients.add(c);
        return c;
    }

    private static String text(File f) throws Exception {
        return new String(Files.readAllBytes(f.toPath()), "ISO-8859-1");
    }

    @Test
    public void theWhiteListKeepsStrangersOutAndTheConsoleOpensAndClosesIt() throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare("white-list=true");
        Files.write(new File(s.dir, "white-list.txt").toPath(), "Alex\n".getBytes("UTF-8"));
        Files.write(new File(s.dir, "ops.txt").toPath(), "carl\n".getBytes("UTF-8"));
        start(s);
        String stranger = refusal(s, "Bob");
        assertTrue(stranger, stranger.contains("You are not white-listed on this server!"));
        s.waitFor("Disconnecting Bob");
        join(s, "alex"); // names are compared without case
        join(s, "Carl"); // operators are always let in

        assertTrue(s.command("whitelist add Bob").contains("Added Bob to the whitelist"));
        join(s, "Bob");
        assertTrue(text(new File(s.dir, "white-list.txt")).toLowerCase().contains("bob"));
        String list = s.command("whitelist list");
        assertTrue(list, list.contains("There are 2 (out of ") && list.contains("alex") && list.contains("bob"));

        assertTrue(s.command("whitelist remove Bob").contains("Removed Bob from the whitelist"));
        File props = new File(s.dir, "server.properties");
        String before = text(props);
        assertTrue(s.command("whitelist off").contains("Turned off the whitelist"));
        String after = text(props);
        assertEquals("only the value changes", before.replace("white-list=true", "white-list=false"), after);
        assertNull("open to all", refusal(s, "Dana"));
        s.command("whitelist on");
        assertTrue(refusal(s, "Erin").contains("white-listed"));
        // the host edits the file by hand, then reloads it
        Files.write(new File(s.dir, "white-list.txt").toPath(), "alex\nerin\n".getBytes("UTF-8"));
        assertTrue(s.command("whitelist reload").contains("Reloaded the whitelist"));
        assertNull(refusal(s, "Erin"));
        assertTrue(s.command("whitelist nonsense").contains("/whitelist <on|off|list|add|remove|reload>"));
    }

    @Test
    public void survivalPlayersNeitherFlyNorBuildAboveTheLimit() throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = start(ServerProcess.prepare("gamemode=0", "allow-flight=false", "max-build-height=70",
                "spawn-protection=0"));
        PlayClient alex = join(s, "Alex");
        s.command("give Alex 1 4");
        alex.drain(300);
        alex.hold(0);
        // against a stack of blocks up to the limit (placed from above): the limit is 64 after rounding
        s.command("gamemode 1 Alex");
        alex.drain(200);
        alex.chat.clear();
        alex.place(0, 63, 2, 1, 1);
        alex.drain(300);
        assertTrue(alex.chat.toString(), alex.chat.toString().contains("Height limit for building is 64 blocks"));
        s.command("gamemode 0 Alex");
        alex.drain(200);

        // standing still up in the air, past four seconds of moves
        try {
            alex.position(0.5, 9.0, 0.5);
            for (int i = 0; i < 120; i++) {
                alex.position(0.5, 9.0, 0.5);
                alex.drain(5);
            }
            alex.drain(2000);
            fail("a floating survival player is kicked");
        } catch (AssertionError expected) {
            assertTrue(expected.getMessage(), expected.getMessage().contains("Flying is not enabled on this server"));
        }
        // walking on the ground is never taken for flying
        PlayClient bo = join(s, "Bo");
        for (int i = 0; i < 120; i++) {
            bo.position(0.5 + (i % 2) * 0.1, 4.0, 0.5);
            bo.drain(5);
        }
        bo.drain(500);
    }

    @Test
    public void forcedModesAndHardcoreDeathsAsTheGameHasThem() throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare("gamemode=0", "force-gamemode=true", "hardcore=true");
        start(s);
        PlayClient alex = join(s, "Alex");
        assertEquals("hardcore is flagged in the join", 8, alex.gameMode & 8);
        s.command("gamemode 1 Alex");
        alex.drain(300);
        alex.close();
        s.waitFor("Alex lost connection");
        PlayClient back = join(s, "Alex");
        assertEquals("forced back to the default mode", 0, back.gameMode & 7);

        // in hardcore the void kills once and for all
        try {
            for (int y = -5; y >= -68; y -= 9) {
                back.position(0.5, y, 0.5);
            }
            back.drain(8000);
            fail("a hardcore death ends the game for the player");
        } catch (AssertionError expected) {
            assertTrue(expected.getMessage(), expected.getMessage().contains("Game over"));
        }
        String banned = refusal(s, "Alex");
        assertTrue(banned, banned.contains("You are banned from this server!") && banned.contains("Death in Hardcore"));
    }
}
