package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;

import java.util.ArrayList;
import java.util.List;

import org.junit.After;
import org.junit.Test;

/**
 * The world's blocks acting by themselves, through the real server and outside clients: water
 * poured from a bucket flows for everybody and goes when it is taken back; lava and water meet.
 */
public class LiquidProcessTest {
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

    private PlayClient join(String name) throws Exception {
        PlayClient c = PlayClient.join(server.port, 5, name);
        clients.add(c);
        return c;
    }

    private static boolean water(int id) {
        return id == 8 || id == 9;
    }

    @Test
    public void aBucketOfWaterFlowsForEverybodyAndIsTakenBack() throws Exception {
        ServerProcess.serverJar();
        server = ServerProcess.prepare("level-type=FLAT", "gamemode=0", "spawn-protection=0", "view-distance=3");
        server.start("-Xmx64M");
        server.waitReady();
        PlayClient alex = join("Alex");
        PlayClient bo = join("Bo");
        server.command("give Alex 326 1");
        alex.until("Alex holds a water bucket", () -> alex.slotItem[36] == 326);
        alex.hold(0);
        int bx = (int) Math.floor(alex.x);
        int bz = (int) Math.floor(alex.z);
        alex.position(alex.x, 4, alex.z);
        alex.look(0, 90);
        alex.place(-1, 255, -1, 255, 326);
        bo.until("Bo sees the source at Alex's feet", () -> water(bo.block(bx, 4, bz)));
        alex.until("the bucket is emptied", () -> alex.slotItem[36] == 325);
        bo.until("Bo sees it flow three blocks out", () -> water(bo.block(bx + 3, 4, bz)) && water(bo.block(bx, 4, bz - 3)));
        bo.until("and seven", () -> water(bo.block(bx + 7, 4, bz)));
        bo.drain(1500);
        assertEquals("no further than seven", 0, bo.block(bx + 8, 4, bz));

        // the empty bucket takes the source back, and the flow dries up
        alex.place(-1, 255, -1, 255, 325);
        alex.until("the bucket is full again", () -> alex.slotItem[36] == 326);
        bo.until("the flow is gone", () -> bo.block(bx, 4, bz) == 0 && bo.block(bx + 3, 4, bz) == 0
                && bo.block(bx + 7, 4, bz) == 0);

        // lava poured beside water turns to obsidian; its flows to cobblestone
        server.command("setblock " + (bx + 4) + " 4 " + bz + " water");
        server.command("setblock " + (bx + 4) + " 4 " + (bz + 1) + " lava");
        bo.until("obsidian where the lava source met the water", () -> bo.block(bx + 4, 4, bz + 1) == 49);
    }
}
