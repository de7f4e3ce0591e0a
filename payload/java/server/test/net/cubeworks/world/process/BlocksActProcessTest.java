package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.List;

import org.junit.AfterClass;
import org.junit.BeforeClass;
import org.junit.Test;

/**
 * The world's blocks acting by themselves, through one real server and outside clients: water
 * poured from a bucket flows for everybody and goes when it is taken back, lava and water meet,
 * wheat is planted on hoed ground and grown with bone meal, lit TNT explodes, a door opens by hand
 * and an iron door for a lever, a piston pushes a block for a lever; a redstone clock an npm client
 * builds keeps its pace after the server restarts (the one case that restarts the shared server).
 */
public class BlocksActProcessTest {
    private static ServerProcess server;
    private static final List<PlayClient> CLIENTS = new ArrayList<PlayClient>();

    @BeforeClass
    public static void startServer() throws Exception {
        ServerProcess.serverJar();
        server = ServerProcess.prepare("level-type=FLAT", "gamemode=0", "spawn-protection=0", "view-distance=3");
        server.start("-Xmx64M");
        server.waitReady();
    }

    @AfterClass
    public static void stopServer() throws Exception {
        for (PlayClient c : CLIENTS) {
            c.close();
        }
        if (server != null) {
            server.destroy();
        }
    }

    private static PlayClient join(String name) throws Exception {
        PlayClient c = PlayClient.join(server.port, 5, name);
        CLIENTS.add(c);
        return c;
    }

    private static boolean water(int id) {
        return id == 8 || id == 9;
    }

    /** The data of the newest Block Change the client read for the place; -1 when none. */
    private static int lastData(PlayClient c, int x, int y, int z) {
        for (int i = c.blockChanges.size() - 1; i >= 0; i--) {
            int[] b = c.blockChanges.get(i);
            if (b[0] == x && b[1] == y && b[2] == z) {
                return b[4];
            }
        }
        return -1;
    }

    @Test
    public void aBucketOfWaterFlowsForEverybodyAndIsTakenBack() throws Exception {
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

        // lava poured beside water turns to obsidian
        server.command("setblock " + (bx + 4) + " 4 " + bz + " water");
        server.command("setblock " + (bx + 4) + " 4 " + (bz + 1) + " lava");
        bo.until("obsidian where the lava source met the water", () -> bo.block(bx + 4, 4, bz + 1) == 49);
        alex.close();
        bo.close();
    }

    @Test
    public void wheatOnHoedGroundGrowsWithBoneMealAndTntAndDoorsWork() throws Exception {
        PlayClient cy = join("Cy");
        // away from the other case's water, at the spawn
        server.command("tp Cy -12 4 -12");
        cy.until("Cy is moved", () -> Math.abs(cy.x + 11.5) < 1e-9 && Math.abs(cy.z + 11.5) < 1e-9);
        int bx = (int) Math.floor(cy.x) - 2;
        int bz = (int) Math.floor(cy.z) - 2;
        cy.position(cy.x, 4, cy.z);
        server.command("give Cy 290 1");
        cy.until("a hoe", () -> cy.slotItem[36] == 290);
        cy.hold(0);
        cy.place(bx, 3, bz, 1, 290);
        cy.until("farmland", () -> cy.block(bx, 3, bz) == 60);
        cy.until("the hoe wore", () -> cy.slotItem[36] == 290 && lastDamage(cy) == 1);

        server.command("give Cy 295 1");
        cy.until("seeds", () -> cy.slotItem[37] == 295);
        cy.hold(1);
        cy.place(bx, 3, bz, 1, 295);
        cy.until("wheat planted", () -> cy.block(bx, 4, bz) == 59);
        cy.until("the seeds are used", () -> cy.slotItem[37] == 0 || cy.slotCount[37] == 0);

        server.command("give Cy 351 16 15");
        cy.until("bone meal", () -> cy.slotItem[37] == 351);
        for (int i = 0; i < 8 && lastData(cy, bx, 4, bz) != 7; i++) {
            cy.place(bx, 4, bz, 1, 351);
            cy.drain(200);
        }
        assertEquals("fully grown", 7, lastData(cy, bx, 4, bz));

        // a wooden door opens for a right click with an empty hand
        server.command("setblock " + (bx + 4) + " 4 " + bz + " wooden_door 0");
        server.command("setblock " + (bx + 4) + " 5 " + bz + " wooden_door 8");
        cy.until("the door", () -> cy.block(bx + 4, 5, bz) == 64);
        cy.hold(5);
        cy.place(bx + 4, 5, bz, 4, 0);
        cy.until("open: bit 4 of the lower half", () -> lastData(cy, bx + 4, 4, bz) == 4);

        // an iron door opens for a lever beside it, not for a hand
        int ix = bx + 6;
        server.command("setblock " + ix + " 4 " + bz + " 71 0"); // the iron door block, by id
        server.command("setblock " + ix + " 5 " + bz + " 71 8");
        server.command("setblock " + (ix + 1) + " 4 " + bz + " lever 5");
        cy.until("the iron door and the lever", () -> cy.block(ix, 5, bz) == 71 && cy.block(ix + 1, 4, bz) == 69);
        cy.place(ix, 4, bz, 4, 0);
        cy.drain(300);
        org.junit.Assert.assertTrue("not by hand", lastData(cy, ix, 4, bz) != 4);
        cy.place(ix + 1, 4, bz, 1, 0);
        cy.until("the lever is on", () -> lastData(cy, ix + 1, 4, bz) == 13);
        cy.until("the iron door opens", () -> lastData(cy, ix, 4, bz) == 4);

        // a lever beside a piston: it goes out east, pushing a block the client sees move
        int px = bx + 2;
        int pz = bz + 6;
        server.command("setblock " + px + " 4 " + pz + " piston 5");
        server.command("setblock " + (px + 1) + " 4 " + pz + " cobblestone");
        server.command("setblock " + (px - 1) + " 4 " + pz + " lever 5");
        cy.until("the piston, its block and lever", () -> cy.block(px, 4, pz) == 33 && cy.block(px + 1, 4, pz) == 4
                && cy.block(px - 1, 4, pz) == 69);
        cy.place(px - 1, 4, pz, 1, 0);
        cy.until("the piston is out", () -> lastData(cy, px, 4, pz) == 13);
        cy.until("its head in front", () -> cy.block(px + 1, 4, pz) == 34);
        cy.until("the block pushed on", () -> cy.block(px + 2, 4, pz) == 4);
        cy.until("the move shown as a Block Action", () -> cy.blockActions.stream().anyMatch(a -> a[0] == px
                && a[1] == 4 && a[2] == pz && a[3] == 0 && a[4] == 5 && a[5] == 33));

        // TNT lit with flint and steel goes after four seconds, taking the ground with it
        int tx = bx + 2;
        int tz = bz + 4;
        server.command("setblock " + tx + " 4 " + tz + " tnt");
        server.command("give Cy 259 1");
        cy.until("TNT and flint and steel", () -> cy.block(tx, 4, tz) == 46 && cy.slotItem[38] == 259);
        cy.hold(2);
        cy.place(tx, 4, tz, 1, 259);
        cy.until("primed: the block goes", () -> cy.block(tx, 4, tz) == 0);
        cy.until("primed TNT is shown", () -> !cy.objects.isEmpty() && cy.objects.get(cy.objects.size() - 1)[1] == 50);
        long lit = cy.worldAge;
        cy.until("the blast", () -> !cy.explosions.isEmpty());
        // the fuse is counted in the game's ticks, which a busy machine may run behind the clock; the
        // client knows the world's age to within the 20 ticks between two Time Updates
        long fuse = cy.worldAge - lit;
        org.junit.Assert.assertTrue("after about 80 ticks: " + fuse, fuse >= 60 && fuse <= 100);
        cy.until("the ground under it is gone", () -> cy.block(tx, 3, tz) == 0);
        cy.close();
    }

    private static int lastDamage(PlayClient c) {
        return c.slotDamage[36];
    }

    /** The "key=N" number in the npm client's last line. */
    private static int reported(String text, String key) {
        java.util.regex.Matcher m = java.util.regex.Pattern.compile(key + "=(\\d+)").matcher(text);
        assertTrue(text, m.find());
        return Integer.parseInt(m.group(1));
    }

    @Test
    public void aRedstoneClockAnOutsideClientBuildsKeepsItsPaceAcrossARestart() throws Exception {
        java.io.File modules = WorldNpmClientTest.modulesOrSkip();
        server.command("op NodeEngineer");
        String built = WorldNpmClientTest.runNode(server, modules, "redstone-client.js", "build", "10");
        java.util.regex.Matcher o = java.util.regex.Pattern.compile("ORIGIN (-?\\d+) (-?\\d+) (-?\\d+)").matcher(built);
        assertTrue(built, o.find());
        int before = reported(built, "toggles");
        // the torch turns every 10 ticks: 20 times in 10 s at the game's pace, fewer on a busy machine
        assertTrue("the clock runs: " + built, before >= 6 && before <= 24);
        server.send("stop");
        server.waitForExit(60000);
        server.start("-Xmx64M");
        server.waitReady();
        String watched = WorldNpmClientTest.runNode(server, modules, "redstone-client.js", "watch", "10", o.group(1),
                o.group(2), o.group(3));
        int after = reported(watched, "toggles");
        assertTrue("after the restart it keeps its pace: " + before + " then " + after + "\n" + watched,
                after >= before / 2 && after <= 24);
    }
}
