package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;

import java.util.Map;

import org.junit.After;
import org.junit.Test;

/**
 * The first minutes of survival on a new natural world, through the real jar: a player finds
 * a tree in the land he was sent, chops three logs with the waits the game asks, crafts
 * planks and a crafting table in his own grid, places and opens the table and crafts sticks
 * and a wooden pickaxe in its window, hangs a torch on the table's side and puts a furnace on it
 * (each shown turned as the game turns them), then mines stone into cobblestone with it.
 */
public class SurvivalStartProcessTest {
    private static final int LOG = 17;
    private static final int PLANKS = 5;
    private static final int STICK = 280;
    private static final int TABLE = 58;
    private static final int PICKAXE = 270;
    private static final int STONE = 1;
    private static final int COBBLESTONE = 4;
    private static final int TORCH = 50;
    private static final int FURNACE = 61;
    private static final int[][] SIDES = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

    private ServerProcess server;
    private PlayClient c;
    private int action;

    @After
    public void tearDown() throws Exception {
        if (c != null) {
            c.close();
        }
        if (server != null) {
            server.destroy();
        }
    }

    private static boolean solid(int id) {
        return id > 0 && id != 8 && id != 9 && id != 10 && id != 11 && id != 31 && id != 37 && id != 38
                && id != 18 && id != 6 && id != 32 && id != 78;
    }

    /** A cell a player may stand in: two cells of air over solid ground. */
    private boolean standable(int x, int y, int z) {
        return y > 1 && y < 254 && c.block(x, y, z) == 0 && c.block(x, y + 1, z) == 0 && solid(c.block(x, y - 1, z));
    }

    /**
     * The nearest block of the id (seen from the spawn) with a cell beside it where a player
     * can stand, whose other checks pass: {block x, y, z, stand x, y, z}.
     */
    private int[] find(int id, int minY, Check check) {
        int[] best = null;
        double bestDistance = Double.MAX_VALUE;
        for (Map.Entry<String, byte[]> e : c.columns.entrySet()) {
            String[] k = e.getKey().split(",");
            int cx = Integer.parseInt(k[0]);
            int cz = Integer.parseInt(k[1]);
            for (int i = 0; i < 65536; i++) {
                if ((e.getValue()[i] & 0xFF) != id) {
                    continue;
                }
                int y = i >> 8;
                int x = cx * 16 + (i & 15);
                int z = cz * 16 + (i >> 4 & 15);
                if (y < minY || !check.ok(x, y, z)) {
                    continue;
                }
                for (int[] s : SIDES) {
                    if (standable(x + s[0], y, z + s[1])) {
                        double d = Math.hypot(x - c.x, z - c.z);
                        if (d < bestDistance) {
                            bestDistance = d;
                            best = new int[] {x, y, z, x + s[0], y, z + s[1]};
                        }
                    }
                }
            }
        }
        return best;
    }

    /** The hot-bar slot (36 to 44) holding the item; -1 when none does. */
    private int hotBar(int item) {
        for (int s = 36; s <= 44; s++) {
            if (c.slotItem[s] == item) {
                return s;
            }
        }
        return -1;
    }

    private interface Check {
        boolean ok(int x, int y, int z);
    }

    private void goTo(int x, int y, int z) throws Exception {
        int moves = c.positions;
        assertTrue(server.command("tp Walker " + x + " " + y + " " + z).contains("Teleported Walker"));
        c.until("Walker is moved", () -> c.positions > moves && Math.abs(c.x - (x + 0.5)) < 1e-9);
        c.position(x + 0.5, y, z + 0.5);
        c.drain(300);
    }

    private boolean confirmed(int w, int a) {
        for (int[] x : c.confirms) {
            if (x[0] == w && x[1] == a) {
                assertEquals("click " + a + " accepted", 1, x[2]);
                return true;
            }
        }
        return false;
    }

    private void click(final int w, int slot, int button, int mode, int id, int count) throws Exception {
        final int a = ++action;
        c.click(w, slot, button, a, mode, id, count, 0);
        c.until("click " + a + " answered", () -> confirmed(w, a));
    }

    @Test
    public void aTreeBecomesAPickaxeThatMinesStone() throws Exception {
        server = ServerProcess.prepare("level-type=DEFAULT", "level-seed=first minutes", "gamemode=0",
                "spawn-protection=0", "view-distance=4");
        server.start("-Xmx128M");
        server.waitReady();
        c = PlayClient.join(server.port, 5, "Walker");
        c.until("the land around", () -> c.columns.size() >= 81);

        // a trunk of three logs or more, standing on the ground, with room beside it
        int[] tree = find(LOG, 1, (x, y, z) -> solid(c.block(x, y - 1, z)) && c.block(x, y - 1, z) != LOG
                && c.block(x, y + 1, z) == LOG && c.block(x, y + 2, z) == LOG);
        assertNotNull("a tree near the spawn", tree);
        goTo(tree[3], tree[4], tree[5]);
        for (int up = 0; up < 3; up++) {
            // a log by hand: 60 ticks of digging, taken after 0.7 of them
            int logs = c.slotCount[36];
            c.digFor(tree[0], tree[1] + up, tree[2], 3000);
            c.until("a log more", () -> c.slotItem[36] == LOG && c.slotCount[36] == logs + 1);
        }

        // three logs: twelve planks, four of them a crafting table
        click(0, 36, 0, 0, LOG, 3);
        click(0, 1, 0, 0, -1, 0);
        c.until("the grid shows planks", () -> c.slotItem[0] == PLANKS && c.slotCount[0] == 4);
        click(0, 0, 0, 1, PLANKS, 4);
        c.until("twelve planks", () -> c.slotItem[44] == PLANKS && c.slotCount[44] == 12 && c.slotCount[1] == 0);
        click(0, 44, 0, 0, PLANKS, 12);
        for (int s = 1; s <= 4; s++) {
            click(0, s, 1, 0, -1, 0);
        }
        c.until("the grid shows a table", () -> c.slotItem[0] == TABLE);
        click(0, 44, 0, 0, -1, 0);
        click(0, 0, 0, 0, TABLE, 1);
        click(0, 36, 0, 0, -1, 0);
        c.until("the table in hand", () -> c.slotItem[36] == TABLE && c.slotCount[44] == 8 && c.cursor[1] == 0);
        c.closeWindow(0);

        // the table where the trunk stood, opened with planks in hand
        c.hold(0);
        c.place(tree[0], tree[1] - 1, tree[2], 1, TABLE);
        c.until("the table stands", () -> c.block(tree[0], tree[1], tree[2]) == TABLE);
        c.hold(8);
        c.place(tree[0], tree[1], tree[2], 2, PLANKS);
        c.until("the table's window", () -> c.window != 0 && c.windowSlots[45][1] == 8);
        int w = c.window;

        // two sticks' worth: a plank over a plank in the middle column
        click(w, 45, 0, 0, PLANKS, 8);
        click(w, 5, 1, 0, -1, 0);
        click(w, 8, 1, 0, -1, 0);
        c.until("sticks", () -> c.windowSlots[0][0] == STICK);
        click(w, 0, 0, 1, STICK, 4);
        c.until("four sticks", () -> c.windowSlots[45][0] == STICK && c.windowSlots[45][1] == 4);
        // the pickaxe: three planks along the top, two sticks below the middle
        for (int s = 1; s <= 3; s++) {
            click(w, s, 1, 0, -1, 0);
        }
        click(w, 44, 0, 0, -1, 0);
        click(w, 45, 0, 0, STICK, 4);
        click(w, 5, 1, 0, -1, 0);
        click(w, 8, 1, 0, -1, 0);
        c.until("the pickaxe shows", () -> c.windowSlots[0][0] == PICKAXE);
        click(w, 45, 0, 0, -1, 0);
        click(w, 0, 0, 0, PICKAXE, 1);
        click(w, 37, 0, 0, -1, 0);
        c.closeWindow(w);
        c.until("the pickaxe in the hot bar", () -> c.slotItem[36] == PICKAXE);
        c.window = 0;

        // a torch on the table's side toward him and a furnace on the table, turned toward him, as
        // a 1.7 client shows them: he stands east, west, south or north of the table
        int dx = tree[3] - tree[0];
        int dz = tree[5] - tree[2];
        int face = dx > 0 ? 5 : dx < 0 ? 4 : dz > 0 ? 3 : 2;
        int wallTorch = new int[] {0, 0, 4, 3, 2, 1}[face];
        int facingHim = new int[] {0, 0, 2, 3, 4, 5}[face];
        assertTrue(server.command("give Walker torch 1").contains("Given"));
        assertTrue(server.command("give Walker furnace 1").contains("Given"));
        c.until("a torch and a furnace in the hot bar", () -> hotBar(TORCH) >= 0 && hotBar(FURNACE) >= 0);
        c.look(dx > 0 ? 90 : dx < 0 ? 270 : dz > 0 ? 180 : 0, 10);
        c.sneak(true); // else the click opens the table
        c.hold(hotBar(TORCH) - 36);
        c.place(tree[0], tree[1], tree[2], face, TORCH);
        c.until("the torch on the wall", () -> c.block(tree[3], tree[4], tree[5]) == TORCH);
        assertEquals("the torch leans on the table", wallTorch, c.changedData(tree[3], tree[4], tree[5]));
        c.hold(hotBar(FURNACE) - 36);
        c.place(tree[0], tree[1], tree[2], 1, FURNACE);
        c.until("the furnace on the table", () -> c.block(tree[0], tree[1] + 1, tree[2]) == FURNACE);
        assertEquals("its front toward him", facingHim, c.changedData(tree[0], tree[1] + 1, tree[2]));
        c.sneak(false);

        // stone beside a cell to stand in (a hillside or a cave), mined with the pickaxe
        int[] stone = find(STONE, 5, (x, y, z) -> true);
        assertNotNull("stone within reach of a standing player", stone);
        goTo(stone[3], stone[4], stone[5]);
        c.hold(0);
        c.digFor(stone[0], stone[1], stone[2], 1500);
        c.until("cobblestone", () -> {
            for (int s = 36; s <= 44; s++) {
                if (c.slotItem[s] == COBBLESTONE && c.slotCount[s] == 1) {
                    return true;
                }
            }
            return false;
        });
        c.until("the pickaxe worn by one", () -> c.slotItem[36] == PICKAXE && c.slotDamage[36] == 1);
        assertEquals(0, c.block(stone[0], stone[1], stone[2]));
    }
}
