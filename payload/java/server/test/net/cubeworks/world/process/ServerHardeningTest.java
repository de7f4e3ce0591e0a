package net.cubeworks.world.process;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.IOException;
import java.io.InputStream;
import java.net.InetSocketAddress;
import java.net.Socket;
import java.net.SocketTimeoutException;
import java.util.ArrayList;
import java.util.List;

import org.junit.After;
import org.junit.Test;

/** The server against hostile or careless clients and settings, as a real process. */
public class ServerHardeningTest {
    private final List<ServerProcess> servers = new ArrayList<ServerProcess>();
    private final List<Socket> sockets = new ArrayList<Socket>();

    @After
    public void tearDown() throws Exception {
        for (Socket s : sockets) {
            s.close();
        }
        for (ServerProcess s : servers) {
            s.destroy();
        }
    }

    private ServerProcess started(String[] props, String... jvmOptions) throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare(props);
        servers.add(s);
        s.start(jvmOptions);
        s.waitReady();
        return s;
    }

    private Socket open(String localAddress, int port) throws IOException {
        Socket s = new Socket();
        sockets.add(s);
        s.bind(new InetSocketAddress(localAddress, 0));
        s.connect(new InetSocketAddress("127.0.0.1", port), 5000);
        return s;
    }

    /** True when the server has closed the socket (end of stream) within the time. */
    private static boolean closedWithin(Socket s, int timeoutMs) throws IOException {
        s.setSoTimeout(timeoutMs);
        InputStream in = s.getInputStream();
        try {
            while (in.read() >= 0) {
                // a disconnect packet may come first
            }
            return true;
        } catch (SocketTimeoutException stillOpen) {
            return false;
        } catch (IOException reset) {
            return true;
        }
    }

    @Test
    public void aLoginSucceedsWhileHundredsOfIdleAndTricklingSocketsAreOpen() throws Exception {
        ServerProcess s = started(new String[0], "-Xmx64M", "-Dcubeworks.login-deadline-ms=3000");

        // 500 sockets from 20 addresses, every other one trickling a handshake that never ends
        final List<Socket> tricklers = new ArrayList<Socket>();
        for (int a = 1; a <= 20; a++) {
            for (int i = 0; i < 25; i++) {
                Socket sock = open("127.0.1." + a, s.port);
                if (i % 2 == 1) {
                    sock.getOutputStream().write(0x7F); // announces a 127-byte handshake
                    tricklers.add(sock);
                }
            }
        }
        Thread trickle = new Thread(new Runnable() {
            public void run() {
                for (int round = 0; round < 20; round++) {
                    for (Socket t : tricklers) {
                        try {
                            t.getOutputStream().write(0x00);
                        } catch (IOException closedByServer) {
                            // dropped: that is allowed
                        }
                    }
                    try {
                        Thread.sleep(400);
                    } catch (InterruptedException ex) {
                        return;
                    }
                }
            }
        });
        trickle.setDaemon(true);
        trickle.start();

        long t0 = System.nanoTime();
        TestClient player = TestClient.join(s.port, 4, "Alex");
        long loginMs = (System.nanoTime() - t0) / 1000000;
        System.out.println("login with 500 idle or trickling sockets open: " + loginMs + " ms");
        s.waitFor("INFO]: Alex joined the game");
        player.chat("still here");
        player.awaitChat("<Alex> still here");

        // each address got its share of 16 pending places; the other 9 sockets were closed at once
        int closed = 0;
        for (Socket sock : sockets) {
            if (closedWithin(sock, 1)) {
                closed++;
            }
        }
        assertTrue("closed " + closed, closed >= 20 * 9);
        trickle.interrupt();

        // a trickling client is dropped at the deadline for handshake and login, not before
        Socket slow = open("127.0.0.3", s.port);
        slow.getOutputStream().write(0x7F);
        Thread.sleep(1500);
        slow.getOutputStream().write(0x00);
        assertFalse(closedWithin(slow, 200));
        assertTrue(closedWithin(slow, 3000));

        // a LAN party behind one address: players log in one after another from 127.0.0.1
        List<TestClient> party = new ArrayList<TestClient>();
        for (int i = 0; i < 5; i++) {
            party.add(TestClient.join(s.port, 5, "Guest" + i));
        }
        assertTrue(s.command("list").contains("There are 6/20 players online:"));
        for (TestClient c : party) {
            c.close();
        }
        player.close();
    }

    @Test
    public void pendingConnectionsOfOneAddressAreCappedAndIdleOnesTimeOut() throws Exception {
        ServerProcess s = started(new String[0], "-Dcubeworks.login-deadline-ms=1500",
                "-Dcubeworks.pending-per-address=3");
        List<Socket> idle = new ArrayList<Socket>();
        for (int i = 0; i < 5; i++) {
            idle.add(open("127.0.0.5", s.port));
        }
        int refused = 0;
        for (Socket sock : idle) {
            if (closedWithin(sock, 300)) {
                refused++;
            }
        }
        assertEquals(2, refused);
        // another address is not affected, and the held places come free at the deadline
        assertNull(new TestClient("127.0.0.6", s.port, 4).login("Steve"));
        Thread.sleep(2000);
        assertNull(new TestClient("127.0.0.5", s.port, 4).login("Alex"));
    }

    @Test
    public void namesThatCouldForgePlayerRecordsAreRefused() throws Exception {
        ServerProcess s = started(new String[0]);
        for (String name : new String[] {"x|Admin,true,", "a,b", "pipe|", "tab\tname", "\u00a7cRed"}) {
            String refused = new TestClient(s.port, 4).login(name);
            assertNotNull(name, refused);
            assertTrue(refused, refused.contains("Invalid username!") && refused.contains("commas"));
        }
        TestClient zhang = TestClient.join(s.port, 4, "\u5f20\u4e09");
        String list = s.command("list");
        assertTrue(list, list.contains("There are 1/20 players online:") && list.contains("INFO]: \u5f20\u4e09"));
        zhang.close();
    }

    @Test
    public void onlineModeVerifiesAccountsWithTheSessionServer() throws Exception {
        FakeSessionServer session = new FakeSessionServer();
        try {
            ServerProcess s = started(new String[] {"online-mode=true"}, "-Dcubeworks.session-server=" + session.url(),
                    "-Dcubeworks.session-timeout-ms=2000");
            assertFalse(s.output().contains("OFFLINE/INSECURE"));

            // a real join: admitted under the account's id, and the connection is encrypted from then on
            TestClient alex = new TestClient(s.port, 4);
            assertNull(alex.login("Alex", session.joiner()));
            assertEquals(FakeSessionServer.accountId("Alex"), alex.uuid);
            alex.await(0x01);
            alex.chat("hello encrypted");
            alex.awaitChat("<Alex> hello encrypted");
            s.waitFor("INFO]: <Alex> hello encrypted");
            TestClient steve = new TestClient(s.port, 5);
            assertNull(steve.login("Steve", session.joiner()));
            assertEquals(FakeSessionServer.dashed(FakeSessionServer.accountId("Steve")), steve.uuid);
            alex.awaitChat("Steve joined the game");
            // Steve's 1.7.10 client is shown Alex with the account's properties and their signatures
            final PlayClient steveView = new PlayClient(steve, "Steve");
            steveView.until("Steve shows Alex", () -> steveView.shownByName("Alex") != null);
            List<String[]> props = steveView.shownByName("Alex").properties;
            assertEquals(1, props.size());
            assertArrayEquals(new String[] {"textures", "e30=", "x"}, props.get(0));

            // a forged join: the client claims the name without having joined with this hash
            TestClient forger = new TestClient(s.port, 4);
            String refused = forger.login("Notch", new TestClient.SessionJoin() {
                public void join(String name, String serverHash) {
                    // never tells the session server
                }
            });
            assertNotNull(refused);
            assertTrue(refused, refused.contains("Failed to verify username!"));
            s.waitFor("Disconnecting Notch");

            // the session server unreachable: refused, never admitted unverified
            session.stop();
            String down = new TestClient(s.port, 4).login("Carl", session.joiner());
            assertNotNull(down);
            assertTrue(down, down.contains("Authentication servers are down"));
            String list = s.command("list");
            assertTrue(list, list.contains("There are 2/20 players online:"));
            alex.close();
            steve.close();
        } finally {
            session.stop();
        }
    }

    @Test
    public void chatAndCommandFloodsAreKickedAsSpam() throws Exception {
        ServerProcess s = started(new String[0]);
        s.command("op Carl");
        TestClient alex = TestClient.join(s.port, 4, "Alex");
        TestClient bob = TestClient.join(s.port, 4, "Bob");
        TestClient carl = TestClient.join(s.port, 4, "Carl");
        TestClient dave = TestClient.join(s.port, 4, "Dave");

        for (int i = 0; i < 10; i++) {
            dave.chat("burst " + i); // ten in a row stay within the allowance
        }
        for (int i = 0; i < 30; i++) {
            alex.chat("spam " + i);
            bob.chat("/list");
            carl.chat("operator " + i); // operators are trusted with bursts
        }
        assertTrue(alex.await(0x40).string().contains("disconnect.spam"));
        assertTrue(bob.await(0x40).string().contains("disconnect.spam"));
        s.waitFor("Alex lost connection: disconnect.spam");
        s.waitFor("Bob lost connection: disconnect.spam");
        assertFalse(s.output().contains("<Alex> spam 29"));
        String list = s.command("list");
        assertTrue(list, list.contains("There are 2/20 players online:") && list.contains("Carl, Dave"));
        alex.close();
        bob.close();
        carl.close();
        dave.close();
    }

    @Test
    public void aMalformedEscapeInServerPropertiesKeepsThePort() throws Exception {
        ServerProcess s = started(new String[] {"motd=Caf\\u00e9 at C:\\uZZ12\\games", "max-players=7"});
        assertTrue(s.output().contains("Starting Minecraft server on *:" + s.port));
        String status = TestClient.status(s.port);
        assertTrue(status, status.contains("\"max\":7"));
        assertTrue(status, status.contains("Caf\u00e9 at C:\\\\uZZ12games"));
    }
}
