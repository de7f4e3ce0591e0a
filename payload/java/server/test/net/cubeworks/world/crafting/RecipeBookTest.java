package net.cubeworks.world.crafting;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import org.junit.Test;

public class RecipeBookTest {
    private static final RecipeBook BOOK = RecipeBook.standard();

    /** A grid from rows of "id" or "id:data" cells, "." for empty, cells separated by spaces, rows by '/'. */
    private static Recipe craft(String grid) {
        String[] rows = grid.split("/");
        int side = rows.length;
        int[] ids = new int[side * side];
        int[] datas = new int[side * side];
        for (int y = 0; y < side; y++) {
            String[] cells = rows[y].trim().split(" ");
            assertEquals(side, cells.length);
            for (int x = 0; x < side; x++) {
                String c = cells[x];
                if (c.equals(".")) {
                    continue;
                }
                int colon = c.indexOf(':');
                ids[y * side + x] = Integer.parseInt(colon < 0 ? c : c.substring(0, colon));
                datas[y * side + x] = colon < 0 ? 0 : Integer.parseInt(c.substring(colon + 1));
            }
        }
        return BOOK.match(ids, datas, side);
    }

    private static void makes(String grid, int id, int count, int data) {
        Recipe r = craft(grid);
        assertTrue(grid + " makes nothing", r != null);
        assertEquals(grid, id, r.resultId);
        assertEquals(grid, count, r.resultCount);
        assertEquals(grid, data, r.resultData);
    }

    @Test
    public void logsMakePlanksOfTheirWoodWhateverWayTheyLie() {
        makes(". ./. 17", 5, 4, 0);
        makes("17:2 ./. .", 5, 4, 2);
        // a log lying on its side keeps the direction in the bits above 3
        makes(". 17:5/. .", 5, 4, 1);
        makes(". ./17:11 .", 5, 4, 3);
        makes(". . ./. 162:1 ./. . .", 5, 4, 5);
        assertNull(craft("17 ./17 ."));
    }

    @Test
    public void shapesMatchAnywhereInTheGridAndMirroredButNothingElseMayLieBeside() {
        makes("5 ./5 .", 280, 4, 0);
        makes(". 5/. 5", 280, 4, 0);
        makes(". . ./. . 5:3/. . 5:1", 280, 4, 0);
        assertNull(craft("5 5/. ."));
        assertNull(craft("5 ./5 4"));
        makes("5 5/5 5", 58, 1, 0);
        makes("5 5 ./5 5 ./. . .", 58, 1, 0);
        // the axe and its mirror image
        makes("265 265 ./265 280 ./. 280 .", 258, 1, 0);
        makes(". 265 265/. 280 265/. 280 .", 258, 1, 0);
        makes("4 4 ./. 280 ./. 280 .", 291, 1, 0);
        makes(". 4 4/. 280 ./. 280 .", 291, 1, 0);
        // a pickaxe needs the whole 3x3 and cannot be upside down
        makes("5 5 5/. 280 ./. 280 .", 270, 1, 0);
        assertNull(craft(". 280 ./. 280 ./5 5 5"));
        makes("264 . 264/264 . 264/. . .", 313, 1, 0);
        makes(". . ./264 . 264/264 . 264", 313, 1, 0);
        makes("266 266 266/266 . 266/. . .", 314, 1, 0);
        makes("334 334 334/334 . 334/334 . 334", 300, 1, 0);
    }

    @Test
    public void anyDamageMatchesWhereTheRecipeTakesAnyAndOnlyTheRightOneWhereItNamesOne() {
        // a bed of mixed wool and mixed planks
        makes("35:14 35:0 35:3/5:0 5:2 5:5/. . .", 355, 1, 0);
        makes("263:1 ./280 .", 50, 4, 0);
        makes(". 263/. 280", 50, 4, 0);
        makes("263 263 263/263 263 263/263 263 263", 173, 1, 0);
        assertNull(craft("263:1 263:1 263:1/263:1 263:1 263:1/263:1 263:1 263:1"));
        makes("351:4 351:4 351:4/351:4 351:4 351:4/351:4 351:4 351:4", 22, 1, 0);
        assertNull(craft("351:1 351:1 351:1/351:1 351:1 351:1/351:1 351:1 351:1"));
        makes(". 22/. .", 351, 9, 4);
    }

    @Test
    public void shapelessRecipesTakeTheirItemsInAnyPlaceAndNoOthers() {
        makes("265 ./. 318", 259, 1, 0);
        makes(". 318/265 .", 259, 1, 0);
        makes(". . 318/. . ./265 . .", 259, 1, 0);
        assertNull(craft("265 265/. 318"));
        assertNull(craft("265 ./. ."));
        makes("281 . ./. 40 ./. . 39", 282, 1, 0);
        assertNull(craft("281 40 ./40 . ./. . 39"));
        makes(". . ./. 42 ./. . .", 265, 9, 0);
        makes("296 296 296/. . ./. . .", 297, 1, 0);
        assertNull(craft(". ./. ."));
    }

    @Test
    public void aMalformedLineIsRefusedByItsNumber() {
        assertEquals(2, RecipeBook.parse("# planks\nshapeless 5 4 17:0&3\n\nshaped 280 4 P/P P=5").size());
        for (String bad : new String[] {"shaped 280 4 P/PP P=5", "shaped 280 4 P/Q P=5", "shaped 280 x P/P P=5",
            "shapely 280 4 P/P", "shaped 280 4 PPPP P=5", "shapeless 264 1 1 1 1 1 1 1 1 1 1 1"}) {
            try {
                RecipeBook.parse("\n\n" + bad);
                fail(bad);
            } catch (IllegalArgumentException ex) {
                assertTrue(ex.getMessage(), ex.getMessage().startsWith("recipe line 3 "));
            }
        }
    }
}
