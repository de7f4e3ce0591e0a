package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.io.IOException;
import java.io.OutputStream;
import java.net.ServerSocket;
import java.net.Socket;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.List;
import java.util.regex.Pattern;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.fixture.Jars;
import net.cubeworks.world.fixture.ProxyOnlyPlugin;
import net.cubeworks.world.fixture.SnapshotPlugin;

public class ServerProcessTest {
    private final List<ServerProcess> servers = new ArrayList<ServerProcess>();

    @After
    public void tearDown() throws Exception {
        for (ServerProcess s : servers) {
            s.destroy();
        }
    }

    private ServerProcess prepare(String... props) throws IOException {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare(props);
        servers.add(s);
        return s;
    }

    private static void withSnapshotPlugin(ServerProcess s) throws IOException {
        Jars.plugin(new File(s.plugins(), "snap.jar"), SnapshotPlugin.YML, SnapshotPlugin.class);
    }

    private static String snapshot(ServerProcess s, String expected) throws Exception {
        File f = new File(s.plugins(), "fixture_snap/snap.txt");
        f.delete();
        s.command("snap");
        return ServerProcess.awaitFile(f, expected, 3000);
    }

    /** A minimal PNG header of a 64x64 image: all the server looks at. */
    private static byte[] iconHeader() {
        byte[] b = new byte[33];
        byte[] sig = {(byte) 0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
            0, 0, 0, 64, 0, 0, 0, 64, 8, 6, 0, 0, 0};
        System.arraycopy(sig, 0, b, 0, sig.length);
        return b;
    }

    @Test
    public void consoleCommandsPluginLoadingAndStop() throws Exception {
        ServerProcess s = prepare();
        withSnapshotPlugin(s);
        Jars.plugin(new File(s.plugins(), "proxyonly.jar"), ProxyOnlyPlugin.YML, ProxyOnlyPlugin.class);
        Files.write(new File(s.plugins(), "garbage.jar").toPath(), "not a zip at all".getBytes("UTF-8"));
        Jars.plugin(new File(s.plugins(), "badyml.jar"), "name: [x\nmain: a.B\n");
        Jars.plugin(new File(s.plugins(), "noyml.jar"), null, SnapshotPlugin.class);
        s.start("-Xmx64M");

        s.waitReady();
        int done = s.output().indexOf("For help");
        String out = s.output();
        assertTrue(out, Pattern.compile("\\[\\d\\d:\\d\\d:\\d\\d INFO\\]: Done \\(\\d+\\.\\d{3}s\\)! For help, type "
                + "\"help\" or \"\\?\"\\r?\\n>").matcher(out).find());
        assertTrue(out.contains("[") && out.contains(" INFO]: Default game type: SURVIVAL"));
        assertTrue(out.contains("Starting minecraft server version 1.7.2"));
        assertTrue(out.contains("Starting Minecraft server on *:" + s.port));
        String sep = File.separator;
        for (String jar : new String[] {"proxyonly", "garbage", "badyml", "noyml"}) {
            assertTrue(jar, out.contains(" ERROR]: Could not load 'plugins" + sep + jar + ".jar' in folder 'plugins'"));
        }
        assertTrue(out.contains("org.bukkit.plugin.InvalidPluginException: java.lang.NoClassDefFoundError"));
        int loading = out.indexOf("INFO]: [fixture_snap] Loading fixture_snap v1.5");
        int enabling = out.indexOf("INFO]: [fixture_snap] Enabling fixture_snap v1.5");
        assertTrue(out, loading > 0 && enabling > loading && enabling < done);
        assertTrue(out.contains("INFO]: [fixture_snap] snapshot plugin ready"));
        assertTrue(out.contains("INFO]: [fixture_snap] hello from config"));
        String config = new String(Files.readAllBytes(new File(s.plugins(), "fixture_snap/config.yml").toPath()), "UTF-8");
        assertEquals("greeting: hello from config\n", config);

        String list = s.command("list");
        assertTrue(list, list.contains("INFO]: There are 0/20 players online:"));
        assertEquals("1.7.9-R0.2,0,20|", snapshot(s, "1.7.9-R0.2,0,20|"));
        assertTrue(s.command("/whoami").contains("you are CONSOLE (console)"));
        assertTrue(s.command("fail").contains("INFO]: /fail needs arguments"));
        assertTrue(s.command("nosuchthing").contains("Unknown command. Type \"help\" for help."));
        assertTrue(s.command("help").contains("/gamemode <mode> [player]"));

        // the manager's player actions with no row selected end in a bare space
        assertTrue(s.command("op ").contains("Usage: /op <player>"));
        assertTrue(s.command("deop ").contains("Usage: /deop <player>"));
        assertTrue(s.command("kick ").contains("Usage: /kick <player> [reason ...]"));
        assertTrue(s.command("ban ").contains("Usage: /ban <player> [reason ...]"));
        assertTrue(s.command("pardon").contains("Usage: /pardon <player>"));
        assertTrue(s.command("say").contains("Usage: /say <message ...>"));
        assertTrue(s.command("gamemode").contains("Usage: /gamemode <mode> [player]"));
        assertTrue(s.command("give  1 10").contains("That player cannot be found"));
        assertTrue(s.command("give ").contains("Usage: /give <player> <item> [amount [data]]"));
        assertTrue(s.command("say hello all").contains("INFO]: [Server] hello all"));

        assertTrue(s.command("op Alex").contains("Opped Alex"));
        assertTrue(s.command("ban Bob griefing").contains("Banned player Bob"));
        assertTrue(s.command("ban Carl").contains("Banned player Carl"));
        assertTrue(s.command("pardon Carl").contains("Unbanned player Carl"));

        int from = s.mark();
        s.send("stop");
        assertEquals(0, s.waitForExit(5000));
        String tail = s.output().substring(from);
        assertTrue(tail, tail.contains("INFO]: Stopping server"));
        assertTrue(tail, tail.contains("[fixture_snap] Disabling fixture_snap v1.5"));
        assertTrue(new File(s.plugins(), "fixture_snap/disabled.txt").isFile());

        // operators and bans outlive the process
        String ops = new String(Files.readAllBytes(new File(s.dir, "ops.txt").toPath()), "UTF-8");
        assertEquals("alex", ops.trim());
        String bans = new String(Files.readAllBytes(new File(s.dir, "banned-players.txt").toPath()), "UTF-8");
        assertTrue(bans, bans.startsWith("#"));
        assertTrue(bans, Pattern.compile("(?m)^Bob\\|[^|]+\\|CONSOLE\\|Forever\\|griefing\\r?$").matcher(bans).find());
        assertFalse(bans, bans.contains("Carl"));

        s.start();
        s.waitReady();
        TestClient alex = TestClient.join(s.port, 4, "Alex");
        assertEquals("1.7.9-R0.2,1,20|Alex,true,SURVIVAL|", snapshot(s, "1.7.9-R0.2,1,20|Alex,true,SURVIVAL|"));
        String refused = new TestClient(s.port, 4).login("bob");
        assertNotNull(refused);
        assertTrue(refused, refused.contains("You are banned from this server!") && refused.contains("griefing"));
        alex.close();

        // end of standard input leaves the server running and serving
        s.closeInput();
        Thread.sleep(500);
        assertTrue(s.isAlive());
        assertTrue(TestClient.status(s.port).contains("\"online\":0"));
    }

    @Test
    public void playersOverBothProtocolVersions() throws Exception {
        ServerProcess s = prepare("max-players=2");
        withSnapshotPlugin(s);
        Files.write(new File(s.dir, "server-icon.png").toPath(), iconHeader());
        s.start("-Xmx64M");
        s.waitReady();

        String status = TestClient.status(s.port);
        assertTrue(status, status.contains("{\"name\":\"1.7.2\",\"protocol\":4}"));
        assertTrue(status, status.contains("\"max\":2,\"online\":0"));
        assertTrue(status, status.contains("Test World"));
        assertTrue(status, status.contains("\"favicon\":\"data:image/png;base64,iVBORw0KGgo"));

        TestClient alex = new TestClient(s.port, 4);
        assertNull(alex.login("Alex"));
        assertEquals("36532b5ec4423dbba24cc7e55d0f979a", alex.uuid);
        TestClient.Packet join = alex.await(0x01);
        join.data.readInt();
        assertEquals(0, join.data.readUnsignedByte());
        alex.await(0x05);
        alex.await(0x39);
        alex.await(0x08);
        s.waitFor("INFO]: Alex joined the game");

        TestClient steve = new TestClient(s.port, 5);
        assertNull(steve.login("Steve"));
        assertTrue(steve.uuid, steve.uuid.matches("[0-9a-f]{8}-[0-9a-f]{4}-3[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}"));
        steve.await(0x01);
        alex.awaitChat("Steve joined the game");

        String full = new TestClient(s.port, 4).login("Carl");
        assertTrue(full, full.contains("The server is full!"));

        String list = s.command("list");
        assertTrue(list, list.contains("There are 2/2 players online:") && list.contains("INFO]: Alex, Steve"));
        status = TestClient.status(s.port);
        assertTrue(status, status.contains("\"online\":2") && status.contains("\"name\":\"Alex\""));
        assertEquals("1.7.9-R0.2,2,2|Alex,false,SURVIVAL|Steve,false,SURVIVAL|",
                snapshot(s, "1.7.9-R0.2,2,2|Alex,false,SURVIVAL|Steve,false,SURVIVAL|"));

        s.command("op Alex");
        alex.awaitChat("You are now op!");
        assertTrue(s.command("gamemode 1 Alex").contains("Set Alex's game mode to Creative Mode"));
        TestClient.Packet change = alex.await(0x2B);
        assertEquals(3, change.data.readUnsignedByte());
        assertEquals(1.0f, change.data.readFloat(), 0.0f);
        assertEquals("1.7.9-R0.2,2,2|Alex,true,CREATIVE|Steve,false,SURVIVAL|",
                snapshot(s, "1.7.9-R0.2,2,2|Alex,true,CREATIVE|Steve,false,SURVIVAL|"));
        s.command("gamemode 0 Alex");
        change = alex.await(0x2B);
        assertEquals(3, change.data.readUnsignedByte());
        assertEquals(0.0f, change.data.readFloat(), 0.0f);

        int from = s.mark();
        alex.chat("hello there");
        s.waitFor("INFO]: <Alex> hello there", from, 5000);
        steve.awaitChat("<Alex> hello there");

        steve.chat("/snap");
        steve.awaitChat("你不能使用这条命令");
        alex.chat("/whoami");
        alex.awaitChat("you are Alex (player)");
        steve.chat("/op Steve");
        steve.awaitChat("do not have permission");

        assertTrue(s.command("give Alex 1 10").contains("Given [1] * 10 to Alex"));
        TestClient.Packet slot = alex.await(0x2F);
        assertEquals(0, slot.data.readByte());
        assertEquals(36, slot.data.readShort());
        assertEquals(1, slot.data.readShort());
        assertEquals(10, slot.data.readByte());

        s.command("kick Steve");
        assertTrue(steve.await(0x40).string().contains("Kicked by an operator."));
        assertTrue(steve.closedByServer(3000));
        alex.awaitChat("Steve left the game");

        s.command("ban Alex");
        assertTrue(alex.await(0x40).string().contains("Banned by an operator."));
        String banned = new TestClient(s.port, 5).login("Alex");
        assertTrue(banned, banned.contains("You are banned from this server!"));
        assertEquals("1.7.9-R0.2,0,2|", snapshot(s, "1.7.9-R0.2,0,2|"));

        TestClient dave = TestClient.join(s.port, 5, "Dave");
        s.send("stop");
        assertTrue(dave.await(0x40).string().contains("Server closed"));
        assertEquals(0, s.waitForExit(5000));
    }

    @Test
    public void portInUseGivesTheWarningLinesAndFailureStatus() throws Exception {
        ServerProcess s = prepare();
        ServerSocket taken = new ServerSocket(s.port);
        try {
            s.start();
            assertNotEquals(0, s.waitForExit(10000));
        } finally {
            taken.close();
        }
        String out = s.output();
        assertTrue(out, Pattern.compile("\\[\\d\\d:\\d\\d:\\d\\d WARN\\]: \\*\\*\\*\\* FAILED TO BIND TO PORT!\\r?\\n"
                + "\\[\\d\\d:\\d\\d:\\d\\d WARN\\]: The exception was: java\\.net\\.BindException: .*\\r?\\n"
                + "\\[\\d\\d:\\d\\d:\\d\\d WARN\\]: Perhaps a server is already running on that port\\?").matcher(out).find());
        assertFalse(out.contains("Done ("));
    }

    private static void sendRaw(Socket socket, int... bytes) throws IOException {
        OutputStream out = socket.getOutputStream();
        for (int b : bytes) {
            out.write(b);
        }
        out.flush();
    }

    @Test
    public void badClientsAreDroppedWhileOthersAreServed() throws Exception {
        ServerProcess s = prepare();
        // the idle client below must outlive the whole test, however slow the machine
        s.start("-Dcubeworks.login-deadline-ms=60000");
        s.waitReady();

        TestClient idle = new TestClient(s.port, 4);
        TestClient overLong = new TestClient(s.port, 4);
        sendRaw(overLong.socket, 0xFF, 0xFF, 0xFF, 0x7F);
        TestClient tooBig = new TestClient(s.port, 4);
        sendRaw(tooBig.socket, 0xC0, 0xB8, 0x02); // 40000 bytes announced
        TestClient wrongId = new TestClient(s.port, 4);
        sendRaw(wrongId.socket, 0x03, 0x07, 0x00, 0x00);
        TestClient badState = new TestClient(s.port, 4);
        badState.handshake(7);
        assertTrue(overLong.closedByServer(3000));
        assertTrue(tooBig.closedByServer(3000));
        assertTrue(wrongId.closedByServer(3000));
        assertTrue(badState.closedByServer(3000));

        TestClient player = TestClient.join(s.port, 4, "Alex");
        player.send(0x01, new byte[] {(byte) 0x90, 0x01}); // chat string claiming 144 bytes
        assertTrue(player.closedByServer(3000));
        s.waitFor("Alex lost connection");

        TestClient legacy = new TestClient(s.port, 4);
        sendRaw(legacy.socket, 0xFE, 0x01);
        assertEquals(0xFF, legacy.in.readUnsignedByte());
        int chars = legacy.in.readUnsignedShort();
        byte[] text = new byte[chars * 2];
        legacy.in.readFully(text);
        assertTrue(new String(text, Charset.forName("UTF-16BE")).contains("Test World"));
        legacy.close();

        // a flood of connections: the ones over the cap are closed, the server keeps going
        List<Socket> flood = new ArrayList<Socket>();
        for (int i = 0; i < 70; i++) {
            flood.add(new Socket("127.0.0.1", s.port));
        }
        Thread.sleep(300);
        int refused = 0;
        for (Socket f : flood) {
            f.setSoTimeout(20);
            try {
                if (f.getInputStream().read() < 0) {
                    refused++;
                }
            } catch (IOException timeout) {
                // held open: within the cap
            }
        }
        assertTrue("refused " + refused, refused >= 6);
        for (Socket f : flood) {
            f.close();
        }
        Thread.sleep(300);

        assertTrue(TestClient.status(s.port).contains("\"protocol\":4"));
        assertFalse(idle.closedByServer(200));
        idle.close();
        assertTrue(s.command("list").contains("There are 0/20 players online:"));
        assertTrue(s.isAlive());
    }

    @Test
    public void companionPluginWritesTheSnapshot() throws Exception {
        String companion = System.getProperty("cubeworks.companion.jar");
        org.junit.Assume.assumeTrue("cubeworks.companion.jar not given", companion != null && new File(companion).isFile());
        ServerProcess s = prepare();
        Files.copy(new File(companion).toPath(), new File(s.plugins(), "Cubeworks-rs.jar").toPath());
        // the anti-attack plugin is written for a proxy: reported, skipped, and the server goes on
        String banattack = System.getProperty("cubeworks.banattack.jar");
        boolean withBanattack = banattack != null && new File(banattack).isFile();
        if (withBanattack) {
            Files.copy(new File(banattack).toPath(), new File(s.plugins(), "Cubeworks-Fyc.jar").toPath());
        }
        s.start("-Xmx64M");
        s.waitReady();
        assertTrue(s.output().contains("[srvpanel_manager] Enabling srvpanel_manager v2.0"));
        if (withBanattack) {
            assertTrue(s.output().contains(" ERROR]: Could not load 'plugins" + File.separator
                    + "Cubeworks-Fyc.jar' in folder 'plugins'"));
            assertTrue(s.output().contains("org.bukkit.plugin.InvalidPluginException: java.lang.NoClassDefFoundError"));
        }
        File info = new File(s.plugins(), "srvpanel_manager/playerinfo.txt");
        s.command("showplayerinfo");
        assertEquals("1.7.9-R0.2,0,20|", ServerProcess.awaitFile(info, "1.7.9-R0.2,0,20|", 3000));

        TestClient alex = TestClient.join(s.port, 4, "Alex");
        s.command("showplayerinfo");
        assertEquals("1.7.9-R0.2,1,20|Alex,false,SURVIVAL|",
                ServerProcess.awaitFile(info, "1.7.9-R0.2,1,20|Alex,false,SURVIVAL|", 3000));
        s.command("op Alex");
        s.command("gamemode 1 Alex");
        s.command("showplayerinfo");
        assertEquals("1.7.9-R0.2,1,20|Alex,true,CREATIVE|",
                ServerProcess.awaitFile(info, "1.7.9-R0.2,1,20|Alex,true,CREATIVE|", 3000));
        s.command("deop Alex");
        alex.chat("/showplayerinfo");
        alex.awaitChat("你不能使用这条命令");
        alex.close();
        s.send("stop");
        assertEquals(0, s.waitForExit(5000));
    }
}
