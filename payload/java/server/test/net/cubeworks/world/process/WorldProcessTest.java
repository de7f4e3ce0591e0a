package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.ArrayList;
import java.util.List;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.storage.Worlds;

/**
 * Game clients of both protocols in the world of the real jar: joining, walking, seeing each
 * other, digging and placing, dying in the void, and finding it all again after a restart.
 */
public class WorldProcessTest {
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

    private ServerProcess start(String... props) throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare(props);
        servers.add(s);
        s.start("-Xmx64M");
        s.waitReady();
        return s;
    }

    private PlayClient join(ServerProcess s, int protocol, String name) throws Exception {
        PlayClient c = PlayClient.join(s.port, protocol, name);
        clients.add(c);
        return c;
    }

    @Test
    public void aNaturalWorldIsMadeFromTheSeedStandsOnGroundAndStaysAfterARestart() throws Exception {
        ServerProcess s = start("level-type=DEFAULT", "level-seed=cubes", "view-distance=3");
        assertTrue(s.output(), s.output().contains("(Seed: " + "cubes".hashCode() + ")"));
        PlayClient alex = join(s, 4, "Alex");
        alex.drain(1000);
        assertEquals("default", alex.levelType);
        assertEquals("every column before the position", 49, alex.columnsBeforePosition);
        int fx = (int) Math.floor(alex.x);
        int fz = (int) Math.floor(alex.z);
        int feet = (int) Math.round(alex.y);
        int ground = alex.block(fx, feet - 1, fz);
        assertTrue("the spawn stands on grass or sand: " + ground, ground == 2 || ground == 12);
        assertEquals(0, alex.block(fx, feet, fz));
        assertEquals(7, alex.block(fx, 0, fz));
        // what the player was sent, a block column farther off
        int[] seen = new int[80];
        for (int y = 0; y < 80; y++) {
            seen[y] = alex.block(fx + 30, y, fz - 20);
        }
        s.send("stop");
        s.waitForExit(15000);
        alex.close();
        // other settings for the kept world: its level.dat decides
        File props = new File(s.dir, "server.properties");
        String text = new String(java.nio.file.Files.readAllBytes(props.toPath()), "ISO-8859-1");
        text = text.replace("level-seed=cubes", "level-seed=other").replace("level-type=DEFAULT", "level-type=FLAT");
        java.nio.file.Files.write(props.toPath(), text.getBytes("ISO-8859-1"));
        s.start("-Xmx64M");
        s.waitReady();
        assertTrue(s.output(), s.output().contains("(Seed: " + "cubes".hashCode() + ")"));
        PlayClient again = join(s, 5, "Alex");
        again.drain(1000);
        assertEquals("default", again.levelType);
        for (int y = 0; y < 80; y++) {
            assertEquals("block " + y + " of the saved land", seen[y], again.block(fx + 30, y, fz - 20));
        }
    }

    /** Walks in steps of at most a block, reading what arrives on the way. */
    private static void walk(PlayClient c, double toX, double feet, double toZ) throws Exception {
        double x = c.x;
        double z = c.z;
        while (Math.abs(toX - x) > 1e-9 || Math.abs(toZ - z) > 1e-9) {
            x += Math.max(-1, Math.min(1, toX - x));
            z += Math.max(-1, Math.min(1, toZ - z));
            c.position(x, feet, z);
            c.x = x;
            c.z = z;
            c.drain(20);
        }
        c.y = feet;
    }

    @Test
    public void twoProtocolsWalkSeeEachOtherBuildAndComeBackAfterARestart() throws Exception {
        ServerProcess s = start("view-distance=3", "spawn-protection=0");
        PlayClient alex = join(s, 4, "Alex");
        // the join: columns before the position, at the eye height of the flat ground's top
        assertEquals("flat", alex.levelType);
        assertEquals(49, alex.columnsBeforePosition);
        // the spawn column first, then nearest first
        assertEquals(0, alex.arrivals.get(0)[0]);
        assertEquals(0, alex.arrivals.get(0)[1]);
        for (int i = 1; i < alex.arrivals.size(); i++) {
            int[] a = alex.arrivals.get(i - 1);
            int[] b = alex.arrivals.get(i);
            assertTrue(a[0] * a[0] + a[1] * a[1] <= b[0] * b[0] + b[1] * b[1]);
        }
        assertEquals(0.5, alex.x, 1e-9);
        assertEquals(4.0, alex.y, 1e-9);
        assertEquals(0, alex.spawnX);
        assertEquals(4, alex.spawnY);
        assertEquals(20f, alex.health, 0f);
        assertEquals(2, alex.block(5, 3, -7));
        assertEquals(7, alex.block(-20, 0, 20));
        assertEquals(0, alex.block(0, 4, 0));
        alex.until("the time is told", () -> alex.dayTime >= 0);

        PlayClient bo = join(s, 5, "Bo");
        bo.until("Bo shows Alex", () -> bo.shownByName("Alex") != null);
        alex.until("Alex shows Bo", () -> alex.shownByName("Bo") != null);
        assertEquals("a plain UUID for protocol 4", 32, alex.shownByName("Bo").uuid.length());
        assertEquals("hyphenated for protocol 5", 36, bo.shownByName("Alex").uuid.length());

        // Alex walks east across a column border: new columns nearest first, old ones unloaded
        walk(alex, 20.5, 4.0, 0.5);
        alex.until("columns east", () -> alex.columns.containsKey(PlayClient.key(4, 0)));
        assertEquals(49, alex.columns.size());
        assertNull(alex.columns.get(PlayClient.key(-3, 0)));
        assertTrue(alex.unloads >= 7);
        final PlayClient.Shown seen = bo.shownByName("Alex");
        bo.until("Bo sees Alex arrive", () -> Math.abs(seen.x - 20.5 * 32) < 2);

        // Alex digs grass in survival (0.9 s by hand): Bo sees it go, Alex gets dirt
        alex.digFor(21, 3, 1, 1000);
        bo.until("Bo sees the hole", () -> bo.block(21, 3, 1) == 0);
        alex.until("Alex gets dirt", () -> alex.slotItem[36] == 3 && alex.slotCount[36] == 1);
        // and places it on the ground next to him
        alex.place(22, 3, 1, 1, 3);
        bo.until("Bo sees the dirt", () -> bo.block(22, 4, 1) == 3);
        alex.until("Alex's dirt is used", () -> alex.slotCount[36] == 0);
        // refused: bedrock in survival, out of reach, inside a player, nothing in hand
        alex.blockChanges.clear();
        alex.dig(2, 20, 0, 0);
        alex.dig(2, 40, 3, 0);
        alex.place(20, 3, 0, 1, 3);
        alex.place(23, 3, 1, 1, 0);
        alex.until("four refusals", () -> alex.blockChanges.size() >= 4);
        assertEquals(7, alex.block(20, 0, 0));
        assertEquals(0, alex.block(20, 4, 0));
        // a click on a slot the client shows otherwise than the server is refused with the inventory again
        alex.click(0, 36, 0, 7, 0, 1, 1, 0);
        alex.until("click refused", () -> alex.refusedClicks == 1);
        // a flower breaks at the first hit in survival, and comes back into the inventory
        s.command("give Alex 38 1");
        alex.until("Alex gets a flower", () -> alex.slotItem[36] == 38);
        alex.place(20, 3, 2, 1, 38);
        bo.until("Bo sees the flower", () -> bo.block(20, 4, 2) == 38);
        alex.dig(0, 20, 4, 2);
        bo.until("Bo sees it picked", () -> bo.block(20, 4, 2) == 0);
        alex.until("Alex has it back", () -> alex.slotItem[36] == 38 && alex.slotCount[36] == 1);
        alex.dig(0, 20, 3, 3); // grass is not broken by the first hit


        // hostile moves: NaN and a jump of 50 blocks send Alex back
        int before = alex.positions;
        alex.position(Double.NaN, 4.0, 0.5);
        alex.until("sent back after NaN", () -> alex.positions == before + 1);
        assertEquals(20.5, alex.x, 1e-9);
        alex.position(20.5, 4.0, 0.5); // takes the teleport; until then moves are ignored
        alex.position(70.5, 4.0, 0.5);
        alex.until("sent back after a long move", () -> alex.positions == before + 2);
        assertEquals(20.5, alex.x, 1e-9);
        alex.position(20.5, 4.0, 0.5); // takes the teleport

        // Bo walks into the void, dies, Alex stops showing him; respawn shows him again
        for (int y = -5; y >= -68; y -= 9) {
            bo.position(0.5, y, 0.5);
        }
        bo.until("Bo dies", () -> bo.health == 0f);
        alex.until("Alex no longer shows Bo", () -> alex.shownByName("Bo") == null);
        bo.respawn();
        bo.until("Bo respawns", () -> bo.respawns == 1 && bo.health == 20f);
        assertEquals(4.0, bo.y, 1e-9);
        alex.until("Alex shows Bo again", () -> alex.shownByName("Bo") != null);

        // a restart keeps the blocks, Alex's place and inventory
        alex.creativeSlot(40, 35, 5, null); // not creative: refused
        alex.drain(200);
        assertEquals(0, alex.slotCount[40]);
        s.command("save-all");
        assertTrue(s.output().contains("Saved the world"));
        s.send("stop");
        s.waitForExit(15000);
        assertTrue(new File(s.dir, "world/level.dat").isFile());
        assertTrue(new File(s.dir, "world/region/r.0.0.mca").isFile());
        assertTrue(new File(s.dir, "world/players/Alex.dat").isFile());
        alex.close();
        bo.close();

        s.start("-Xmx64M");
        s.waitReady();
        PlayClient again = join(s, 5, "Alex");
        assertEquals(20.5, again.x, 1e-9);
        assertEquals(0, again.block(21, 3, 1));
        assertEquals(3, again.block(22, 4, 1));
        assertEquals(2, again.block(23, 3, 1));
        assertEquals(2, again.block(20, 3, 3));
        assertEquals(38, again.slotItem[36]);
        assertTrue(again.columns.containsKey(PlayClient.key(1, 0)));
    }

    /** The blocks of each column a client has match the built area's, at its three placed blocks and the ground. */
    private static void assertBuiltColumns(PlayClient c) {
        for (String k : c.columns.keySet()) {
            int bx = Integer.parseInt(k.split(",")[0]) * 16;
            int bz = Integer.parseInt(k.split(",")[1]) * 16;
            int[][] places = {{1, 4, 1}, {8, 4, 8}, {14, 5, 3}, {2, 3, 2}, {2, 0, 2}, {2, 4, 2}};
            for (int[] at : places) {
                assertEquals(c.name + " at column " + k, Worlds.builtBlock(bx + at[0], at[1], bz + at[2]),
                        c.block(bx + at[0], at[1], bz + at[2]));
            }
        }
    }

    @Test
    public void twoJoiningAtOnceIntoASavedAreaGetItsColumnsBeforeTheirPosition() throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare("view-distance=3");
        servers.add(s);
        File world = new File(s.dir, "world");
        // away from the spawn, whose columns the server reads at start-up
        Worlds.saveBuiltArea(world, 40, -20, 4);
        Worlds.savePlayerAt(world, "Ada", 40 * 16 + 8.5, -20 * 16 + 8.5);
        Worlds.savePlayerAt(world, "Cy", 41 * 16 + 8.5, -20 * 16 + 8.5);
        s.start("-Xmx64M");
        s.waitReady();
        final PlayClient[] joined = new PlayClient[2];
        final Throwable[] failure = new Throwable[1];
        Thread cy = new Thread(new Runnable() {
            public void run() {
                try {
                    joined[1] = PlayClient.join(s.port, 4, "Cy");
                } catch (Throwable ex) {
                    failure[0] = ex;
                }
            }
        });
        cy.start();
        joined[0] = join(s, 5, "Ada");
        cy.join();
        if (failure[0] != null) {
            throw new AssertionError("Cy's join failed", failure[0]);
        }
        clients.add(joined[1]);
        for (PlayClient c : joined) {
            assertEquals(c.name, 49, c.columnsBeforePosition);
            assertEquals(4.0, c.y, 1e-9);
            assertBuiltColumns(c);
        }
        PlayClient ada = joined[0];
        assertEquals(40 * 16 + 8.5, ada.x, 1e-9);
        int[] first = ada.arrivals.get(0);
        assertEquals(40, first[0]);
        assertEquals(-20, first[1]);
        // Ada digs one of the saved blocks (stone: 7.5 s by hand, 0.7 of it taken): Cy sees it go,
        // and it stays gone after a restart
        int bx = 40 * 16 + 8;
        int bz = -20 * 16 + 8;
        ada.digFor(bx, 4, bz, 5400);
        joined[1].until("Cy sees the dig", () -> joined[1].block(bx, 4, bz) == 0);
        s.send("stop");
        s.waitForExit(15000);
        s.start("-Xmx64M");
        s.waitReady();
        PlayClient again = join(s, 5, "Ada");
        assertEquals(0, again.block(bx, 4, bz));
        assertEquals(Worlds.builtBlock(bx + 6, 5, bz - 5), again.block(bx + 6, 5, bz - 5));
    }

    @Test
    public void creativeBuildingAndWhatOneClientMayAsk() throws Exception {
        ServerProcess s = start("view-distance=3", "gamemode=1", "spawn-protection=2");
        PlayClient ann = join(s, 5, "Ann");
        PlayClient ben = join(s, 4, "Ben");
        assertEquals(1, ann.gameMode);
        // creative: a stack of wool with a harmless NBT tag, placed with its colour
        ben.until("Ben shows Ann", () -> ben.shownByName("Ann") != null);
        assertEquals(0, ben.shownByName("Ann").held);
        ann.creativeSlot(36, 35, 64, new byte[] {1, 2, 3, 4});
        // Ben sees what Ann holds: nothing in her second slot, the wool in her first
        ann.hold(1);
        ann.hold(0);
        ben.until("Ben sees the wool in Ann's hand", () -> ben.shownByName("Ann").held == 35);
        walk(ann, 6.5, 4.0, 6.5);
        ann.place(6, 3, 8, 1, 35);
        ben.until("Ben sees the wool", () -> ben.block(6, 4, 8) == 35);
        // creative: status 0 breaks at once, bedrock too
        ann.dig(0, 7, 0, 7);
        ben.until("Ben sees the bedrock go", () -> ben.block(7, 0, 7) == 0);
        // no ops: spawn protection is off, so Ben may build at the spawn
        ben.creativeSlot(36, 1, 1, null);
        ben.place(1, 3, 1, 1, 1);
        ann.until("Ann sees Ben's stone", () -> ann.block(1, 4, 1) == 1);
        // with an op, Ben is kept out of the spawn's square; the op is not
        s.command("op Ann");
        ben.blockChanges.clear();
        ben.place(2, 3, 2, 1, 1);
        ben.until("refused at the spawn", () -> !ben.blockChanges.isEmpty());
        assertEquals(0, ben.block(2, 4, 2));
        walk(ann, 3.5, 4.0, 3.5);
        ann.dig(0, 1, 4, 1);
        ben.until("the op may", () -> ben.block(1, 4, 1) == 0);
        // a flood of 48 digs within reach in one go is cut to a few a tick; the client is told
        // the real blocks of the refused ones; nobody is dropped
        java.io.ByteArrayOutputStream burst = new java.io.ByteArrayOutputStream();
        for (int bx = 2; bx <= 5; bx++) {
            for (int by = 1; by <= 3; by++) {
                for (int bz = 2; bz <= 5; bz++) {
                    burst.write(new byte[] {12, 0x07, 0, 0, 0, 0, (byte) bx, (byte) by, 0, 0, 0, (byte) bz, 1});
                }
            }
        }
        ann.net.out.write(burst.toByteArray());
        ann.net.out.flush();
        ann.drain(500);
        ben.drain(500);
        int broken = 0;
        for (int bx = 2; bx <= 5; bx++) {
            for (int by = 1; by <= 3; by++) {
                for (int bz = 2; bz <= 5; bz++) {
                    broken += ben.block(bx, by, bz) == 0 ? 1 : 0;
                    assertEquals(ben.block(bx, by, bz), ann.block(bx, by, bz));
                }
            }
        }
        assertTrue("broken: " + broken, broken > 0 && broken < 48);
        assertNotNull("Ben still connected", ben.shownByName("Ann"));
        s.command("list");
        assertTrue(s.output().contains("There are 2"));
        // leaving and coming straight back: the same place and inventory, the NBT-tagged stack included
        ann.close();
        ben.until("Ann is gone for Ben", () -> ben.shownByName("Ann") == null);
        PlayClient back = join(s, 4, "Ann");
        assertEquals(3.5, back.x, 1e-9);
        assertEquals(35, back.slotItem[36]);
        assertEquals(64, back.slotCount[36]);
        assertEquals(1, back.gameMode);
    }

    @Test
    public void hostilePacketsAreRefusedAndHarmNobodyElse() throws Exception {
        ServerProcess s = start("view-distance=3");
        PlayClient eve = join(s, 5, "Eve");
        PlayClient kim = join(s, 4, "Kim");
        kim.until("Kim shows Eve", () -> kim.shownByName("Eve") != null);
        // impossible positions send Eve back: head below the feet, the world's edge, infinity
        double[][] bad = {{0.5, 4.0, 3.0, 0.5}, {0.5, 4.0, 5.7, 0.5}, {3.2E7, 4.0, 5.62, 0.5},
            {0.5, Double.POSITIVE_INFINITY, 5.62, 0.5}};
        for (double[] b : bad) {
            int before = eve.positions;
            java.io.ByteArrayOutputStream body = new java.io.ByteArrayOutputStream();
            java.io.DataOutputStream o = new java.io.DataOutputStream(body);
            for (double v : b) {
                o.writeDouble(v);
            }
            o.writeBoolean(true);
            eve.net.send(0x04, body.toByteArray());
            eve.until("sent back", () -> eve.positions == before + 1);
            assertEquals(0.5, eve.x, 1e-9);
            eve.position(0.5, 4.0, 0.5);
        }
        // digging and placing in a column Eve was never sent: nothing happens, nothing is sent
        eve.blockChanges.clear();
        eve.dig(2, 100000, 3, 100000);
        eve.place(-100000, 3, 5, 1, 1);
        eve.drain(300);
        assertTrue(eve.blockChanges.isEmpty());
        // a creative item whose NBT claims more bytes than the packet has: Eve is dropped
        java.io.ByteArrayOutputStream body = new java.io.ByteArrayOutputStream();
        java.io.DataOutputStream o = new java.io.DataOutputStream(body);
        o.writeShort(36);
        o.writeShort(1);
        o.writeByte(1);
        o.writeShort(0);
        o.writeShort(30000);
        o.write(new byte[100]);
        eve.net.send(0x10, body.toByteArray());
        assertTrue(eve.net.closedByServer(5000));
        kim.until("Eve is gone for Kim", () -> kim.shownByName("Eve") == null);
        s.waitFor("Eve lost connection: Internal exception");
        // Kim plays on
        int before = kim.positions;
        kim.position(Double.NaN, 4.0, 0.5);
        kim.until("Kim is answered", () -> kim.positions == before + 1);
        assertTrue(s.isAlive());
    }

    @Test
    public void brokenWorldFilesAreReportedSetAsideAndTheWorldGoesOn() throws Exception {
        ServerProcess.serverJar();
        ServerProcess s = ServerProcess.prepare("view-distance=3");
        servers.add(s);
        File world = new File(s.dir, "world");
        new File(world, "region").mkdirs();
        java.nio.file.Files.write(new File(world, "level.dat").toPath(), "not gzip at all".getBytes("UTF-8"));
        java.nio.file.Files.write(new File(world, "region/r.0.0.mca").toPath(), new byte[] {1, 2, 3});
        s.start("-Xmx64M");
        s.waitReady();
        PlayClient c = join(s, 5, "Lee");
        assertEquals(49, c.columnsBeforePosition);
        assertEquals(2, c.block(3, 3, 3));
        String out = s.output();
        assertTrue(out, out.contains("level.dat"));
        String[] names = world.list();
        java.util.Arrays.sort(names);
        assertTrue(java.util.Arrays.toString(names), java.util.Arrays.toString(names).contains("level.dat.broken-"));
        // grass by hand takes 18 ticks: half a second to spare for a server slowed by a busy machine
        c.digFor(0, 3, 1, 1500);
        c.until("the dig", () -> c.block(0, 3, 1) == 0);
        s.command("save-all");
        assertTrue(out, new File(world, "level.dat").isFile());
        String[] regions = new File(world, "region").list();
        java.util.Arrays.sort(regions);
        String regionNames = java.util.Arrays.toString(regions);
        assertTrue(regionNames, regionNames.contains("r.0.0.mca.broken-"));
    }
}
