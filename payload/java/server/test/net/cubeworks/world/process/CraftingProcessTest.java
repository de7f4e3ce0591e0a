package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;

import java.io.File;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.storage.Worlds;

/**
 * A survival player with logs crafts planks in his own 2x2 grid and a crafting table, places
 * and opens the table, and crafts sticks and a wooden pickaxe in its window, each click
 * answered by the real jar as the client expects; a click the client saw otherwise is
 * refused and the clicks after it ignored until the client confirms the refusal.
 */
public class CraftingProcessTest {
    private static final int LOG = 17;
    private static final int PLANKS = 5;
    private static final int STICK = 280;
    private static final int TABLE = 58;
    private static final int PICKAXE = 270;

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

    private boolean confirmed(int w, int a, boolean accepted) {
        for (int[] x : c.confirms) {
            if (x[0] == w && x[1] == a) {
                assertEquals("click " + a + " accepted", accepted, x[2] == 1);
                return true;
            }
        }
        return false;
    }

    /** One click that the server must accept; the item is what the client shows for it (id -1: none). */
    private void click(final int w, int slot, int button, int mode, int id, int count) throws Exception {
        final int a = ++action;
        c.click(w, slot, button, a, mode, id, count, 0);
        c.until("click " + a + " answered", () -> confirmed(w, a, true));
    }

    private void has(int slot, int id, int count) throws Exception {
        int[] s = c.window == 0 ? new int[] {c.slotItem[slot], c.slotCount[slot]} : c.windowSlots[slot];
        assertEquals("item in " + slot, count == 0 ? 0 : id, count == 0 ? 0 : s[0]);
        assertEquals("count in " + slot, count, s[1]);
    }

    @Test
    public void logsBecomePlanksATableSticksAndAPickaxe() throws Exception {
        server = ServerProcess.prepare("view-distance=2", "spawn-protection=0", "level-type=FLAT");
        File world = new File(server.dir, "world");
        Worlds.savePlayerWith(world, "Crafter", 8.5, 8.5, new int[] {0, LOG, 3, 0});
        server.start("-Xmx64M");
        server.waitReady();
        c = PlayClient.join(server.port, 5, "Crafter");
        c.until("the logs arrive", () -> c.slotItem[36] == LOG && c.slotCount[36] == 3);

        // the logs onto the cursor, one into the 2x2 grid: the result is four planks
        click(0, 36, 0, 0, LOG, 3);
        click(0, 1, 1, 0, -1, 0);
        c.until("the grid shows planks", () -> c.slotItem[0] == PLANKS && c.slotCount[0] == 4);
        click(0, 0, 0, 1, PLANKS, 4);
        c.until("planks at the hot bar's end", () -> c.slotCount[44] == 4 && c.slotCount[1] == 0);
        has(0, PLANKS, 0);

        // a click the client saw otherwise (stone in an empty slot) is refused: the server's click
        // stands (the logs are put down) and the client is sent the window; the next click is
        // ignored until the client confirms the refusal
        int refused = ++action;
        int ignored = ++action;
        c.click(0, 9, 0, refused, 0, 1, 1, 0);
        c.click(0, 1, 0, ignored, 0, -1, 0, 0);
        c.until("the refusal", () -> confirmed(0, refused, false));
        c.until("the window again", () -> c.slotItem[9] == LOG && c.slotCount[9] == 2 && c.cursor[1] == 0);
        // the client has confirmed the refusal (PlayClient does it as it reads): clicks count again
        click(0, 9, 0, 0, LOG, 2);
        assertFalse("the ignored click was answered", confirmed(0, ignored, true));
        click(0, 1, 0, 0, -1, 0);
        c.until("two logs in the grid", () -> c.slotCount[1] == 2 && c.cursor[1] == 0);
        click(0, 0, 0, 1, PLANKS, 4);
        c.until("twelve planks", () -> c.slotCount[44] == 12 && c.slotCount[1] == 0);

        // four planks make a crafting table; the rest go back
        click(0, 44, 0, 0, PLANKS, 12);
        for (int s = 1; s <= 4; s++) {
            click(0, s, 1, 0, -1, 0);
        }
        c.until("the grid shows a table", () -> c.slotItem[0] == TABLE);
        click(0, 44, 0, 0, -1, 0);
        click(0, 0, 0, 0, TABLE, 1);
        click(0, 36, 0, 0, -1, 0);
        c.until("the table in hand, the grid empty", () -> c.slotItem[36] == TABLE && c.slotCount[1] == 0
                && c.slotCount[4] == 0 && c.slotCount[44] == 8 && c.cursor[1] == 0);
        c.closeWindow(0);

        // the table placed in front; sneaking with planks in hand places on it instead of opening it
        c.hold(0);
        c.place(10, 3, 8, 1, TABLE);
        c.until("the table stands", () -> c.block(10, 4, 8) == TABLE);
        c.hold(8);
        c.sneak(true);
        c.place(10, 4, 8, 1, PLANKS);
        c.until("a plank on the table", () -> c.block(10, 5, 8) == PLANKS);
        c.sneak(false);
        c.place(10, 4, 8, 2, PLANKS);
        c.until("the table's window opens", () -> c.window != 0 && c.windowSlots[45][1] == 7);
        assertEquals(1, c.windowType);
        assertEquals("Crafting", c.windowTitle);
        int table = c.window;

        // sticks from two planks, shift-clicked out
        click(table, 45, 0, 0, PLANKS, 7);
        click(table, 5, 1, 0, -1, 0);
        click(table, 8, 1, 0, -1, 0);
        c.until("sticks", () -> c.windowSlots[0][0] == STICK);
        click(table, 0, 0, 1, STICK, 4);
        c.until("the sticks in the hot bar", () -> c.windowSlots[45][0] == STICK && c.windowSlots[45][1] == 4);
        // three planks along the top by a right drag, two sticks below the middle
        int drag = ++action;
        c.click(table, -999, 4, drag, 5, -1, 0, 0);
        for (int s : new int[] {1, 2, 3}) {
            c.click(table, s, 5, ++action, 5, -1, 0, 0);
        }
        click(table, -999, 6, 5, -1, 0);
        c.until("the top row laid", () -> c.windowSlots[1][1] == 1 && c.windowSlots[3][1] == 1 && c.cursor[1] == 2);
        click(table, 44, 0, 0, -1, 0);
        click(table, 45, 0, 0, STICK, 4);
        click(table, 5, 1, 0, -1, 0);
        click(table, 8, 1, 0, -1, 0);
        c.until("the pickaxe shows", () -> c.windowSlots[0][0] == PICKAXE);
        click(table, 45, 0, 0, -1, 0);
        click(table, 0, 0, 0, PICKAXE, 1);
        click(table, 37, 0, 0, -1, 0);

        // two planks left in the grid come back when the window closes, as does the inventory
        click(table, 44, 0, 0, PLANKS, 2);
        click(table, 9, 0, 0, -1, 0);
        c.closeWindow(table);
        c.until("all back in the inventory", () -> c.slotItem[36] == PICKAXE && c.slotItem[44] == STICK
                && c.slotCount[44] == 2 && c.slotItem[37] == PLANKS && c.slotCount[37] == 2 && c.slotCount[43] == 0);
        c.window = 0;
        for (int s = 0; s <= 4; s++) {
            has(s, 0, 0);
        }

        // the table's window closes by itself when its player walks away
        c.place(10, 4, 8, 2, PLANKS);
        c.until("the window opens again", () -> c.window != 0);
        for (int step = 1; step <= 12; step++) {
            c.position(8.5 - step, 4.0, 8.5);
            c.drain(60);
        }
        c.until("the window closed", () -> c.window == 0);
    }
}
