package net.cubeworks.world.process;

import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.IOException;
import java.io.OutputStream;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

import org.junit.After;
import org.junit.Test;

/**
 * Arm swings a client sends reach the players that see it merged, one a tick; a client
 * that floods them is kicked while those who see it stay, even one that is not reading.
 */
public class RelayFloodTest {
    private ServerProcess server;
    private final List<PlayClient> clients = new ArrayList<PlayClient>();

    @After
    public void tearDown() throws Exception {
        for (PlayClient c : clients) {
            c.close();
        }
        if (server != null) {
            server.destroy();
        }
    }

    private PlayClient join(int protocol, String name) throws Exception {
        PlayClient c = PlayClient.join(server.port, protocol, name);
        clients.add(c);
        return c;
    }

    /** Animation (swing arm) packets, as the client frames them: length, id, entity, animation. */
    private static byte[] swings(int entityId, int count) {
        byte[] frame = {6, 0x0A, (byte) (entityId >> 24), (byte) (entityId >> 16), (byte) (entityId >> 8),
            (byte) entityId, 1};
        byte[] out = new byte[frame.length * count];
        for (int i = 0; i < count; i++) {
            System.arraycopy(frame, 0, out, i * frame.length, frame.length);
        }
        return out;
    }

    private static int count(List<Integer> ids, int id) {
        return Collections.frequency(ids, id);
    }

    @Test
    public void swingsAreMergedAndAFlooderIsKickedWhileItsViewerStays() throws Exception {
        ServerProcess.serverJar();
        server = ServerProcess.prepare("view-distance=3", "spawn-protection=0");
        server.start("-Xmx64M");
        server.waitReady();
        final PlayClient alex = join(4, "Alex");
        final PlayClient flo = join(5, "Flo");
        alex.until("Alex shows Flo", () -> alex.shownByName("Flo") != null);
        flo.until("Flo shows Alex", () -> flo.shownByName("Alex") != null);

        // a hundred swings at once, as a client whose packets were held up sends them: Alex sees a few
        alex.ids.clear();
        flo.net.out.write(swings(flo.entityId, 100));
        flo.net.out.flush();
        alex.until("Alex sees Flo swing", () -> count(alex.ids, 0x0B) > 0);
        alex.drain(500);
        int seen = count(alex.ids, 0x0B);
        assertTrue(seen + " swings shown", seen < 20);
        flo.drain(100);

        // two million: Flo is kicked; Alex, who reads nothing meanwhile, is not
        final OutputStream out = flo.net.out;
        final byte[] chunk = swings(flo.entityId, 10000);
        Thread flood = new Thread(new Runnable() {
            public void run() {
                try {
                    for (int i = 0; i < 200; i++) {
                        out.write(chunk);
                    }
                    out.flush();
                } catch (IOException closed) {
                    // the server hung up on the flooder
                }
            }
        }, "Flood");
        flood.setDaemon(true);
        flood.start();
        String reason = null;
        long deadline = System.currentTimeMillis() + 20000;
        while (reason == null && System.currentTimeMillis() < deadline) {
            TestClient.Packet p;
            try {
                p = flo.net.read();
            } catch (IOException ex) {
                fail("Flo's connection ended without a reason: " + ex);
                return;
            }
            if (p.id == 0x40) {
                reason = p.string();
            }
        }
        assertNotNull("Flo was not kicked", reason);
        assertTrue(reason, reason.contains("flooding"));
        flood.join(20000);
        alex.until("Flo is gone from Alex's world", () -> alex.shownByName("Flo") == null);
        alex.drain(1000);
        String list = server.command("list");
        assertTrue(list, list.contains("There are 1/"));
        assertTrue(server.output().contains("Flo lost connection: Kicked for flooding"));
    }
}
