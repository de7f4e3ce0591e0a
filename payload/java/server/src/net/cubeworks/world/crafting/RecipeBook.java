package net.cubeworks.world.crafting;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/**
 * The recipes, read from text with one recipe a line ('#' starts a comment):
 *
 * <pre>
 * shaped    RESULT COUNT ROW/ROW/... KEY=INGREDIENT ...
 * shapeless RESULT COUNT INGREDIENT ...
 * </pre>
 *
 * RESULT is "id" or "id:damage"; a row has one character a cell, '.' for an empty one, each
 * other character named by a key; an ingredient is "id" (any damage), "id:d" or "id:d&amp;m"
 * (see {@link Ingredient}). The first recipe the grid makes wins.
 */
public final class RecipeBook {
    /** The recipes text inside the server's jar. */
    static final String RESOURCE = "recipes.txt";

    private static volatile RecipeBook standard;

    /** Read by every crafting grid on the game thread, changed by plugins: a new list on each change. */
    private volatile List<Recipe> recipes;
    private final List<Recipe> builtIn;

    private RecipeBook(List<Recipe> recipes) {
        this.builtIn = new ArrayList<Recipe>(recipes);
        this.recipes = builtIn;
    }

    /** The server's own recipes, read once. */
    public static RecipeBook standard() {
        RecipeBook b = standard;
        if (b == null) {
            b = parse(TableLines.fromJar(RESOURCE, "the recipes"));
            standard = b;
        }
        return b;
    }

    /** Reads recipes from text; a malformed line is an IllegalArgumentException naming its line. */
    public static RecipeBook parse(String table) {
        List<Recipe> list = new ArrayList<Recipe>();
        for (TableLines.Line line : TableLines.of(table)) {
            try {
                list.add(recipe(line.words));
            } catch (IllegalArgumentException ex) {
                throw new IllegalArgumentException("recipe line " + line.number + " (" + line.text + "): " + ex.getMessage());
            }
        }
        return new RecipeBook(list);
    }

    private static Recipe recipe(String[] w) {
        if (w.length < 4) {
            throw new IllegalArgumentException("too few words");
        }
        Ingredient result = Ingredient.parse(w[1]);
        int count = number(w[2]);
        if (result.id <= 0 || count < 1 || count > 64) {
            throw new IllegalArgumentException("bad result");
        }
        if (w[0].equals("shapeless")) {
            Ingredient[] items = new Ingredient[w.length - 3];
            if (items.length > 9) {
                throw new IllegalArgumentException("more than nine ingredients");
            }
            for (int i = 3; i < w.length; i++) {
                items[i - 3] = Ingredient.parse(w[i]);
            }
            return new Recipe(result.id, count, result.data, false, 0, 0, items);
        }
        if (!w[0].equals("shaped")) {
            throw new IllegalArgumentException("neither shaped nor shapeless");
        }
        Map<Character, Ingredient> keys = new HashMap<Character, Ingredient>();
        for (int i = 4; i < w.length; i++) {
            if (w[i].length() < 3 || w[i].charAt(1) != '=') {
                throw new IllegalArgumentException("bad key " + w[i]);
            }
            keys.put(w[i].charAt(0), Ingredient.parse(w[i].substring(2)));
        }
        String[] rows = w[3].split("/");
        int width = rows[0].length();
        if (rows.length > 3 || width > 3) {
            throw new IllegalArgumentException("the shape is larger than 3x3");
        }
        Ingredient[] cells = new Ingredient[width * rows.length];
        for (int y = 0; y < rows.length; y++) {
            if (rows[y].length() != width) {
                throw new IllegalArgumentException("rows of different lengths");
            }
            for (int x = 0; x < width; x++) {
                char c = rows[y].charAt(x);
                if (c == '.') {
                    continue;
                }
                Ingredient g = keys.get(c);
                if (g == null) {
                    throw new IllegalArgumentException("no key for " + c);
                }
                cells[y * width + x] = g;
            }
        }
        return new Recipe(result.id, count, result.data, true, width, rows.length, cells);
    }

    static int number(String s) {
        try {
            return Integer.parseInt(s);
        } catch (NumberFormatException ex) {
            throw new IllegalArgumentException("not a number: " + s);
        }
    }

    /**
     * What a square grid of side 2 or 3 makes (row by row; id 0 is an empty cell, datas the
     * damage values), or null.
     */
    public Recipe match(int[] ids, int[] datas, int side) {
        boolean any = false;
        for (int id : ids) {
            any |= id != 0;
        }
        if (!any) {
            return null;
        }
        for (Recipe r : recipes) {
            if (r.matches(ids, datas, side)) {
                return r;
            }
        }
        return null;
    }

    public int size() {
        return recipes.size();
    }

    // --- recipes added and taken away while the server runs ---

    /** Every recipe, in the order they are tried; a snapshot. */
    public List<Recipe> recipes() {
        return java.util.Collections.unmodifiableList(recipes);
    }

    /** Adds a recipe, tried after those there already are. */
    public synchronized void add(Recipe r) {
        List<Recipe> now = new ArrayList<Recipe>(recipes);
        now.add(r);
        recipes = now;
    }

    /** Takes the recipe away; true when it was there. */
    public synchronized boolean remove(Recipe r) {
        List<Recipe> now = new ArrayList<Recipe>(recipes);
        boolean was = now.remove(r);
        recipes = now;
        return was;
    }

    /** Takes every recipe away, the game's own too: nothing can be crafted. */
    public synchronized void clear() {
        recipes = new ArrayList<Recipe>();
    }

    /** Back to the game's own recipes alone. */
    public synchronized void reset() {
        recipes = builtIn;
    }

    /**
     * A shaped recipe: rows of one character a cell (' ' an empty cell), each other character
     * a key of the ingredients, each {id, data} with data ANY_DATA (or -1) for any damage.
     */
    public static Recipe shaped(int resultId, int count, int resultData, Object resultTag, String[] rows,
            Map<Character, int[]> keys) {
        if (rows.length < 1 || rows.length > 3) {
            throw new IllegalArgumentException("a shape has 1 to 3 rows");
        }
        int width = rows[0].length();
        for (String row : rows) {
            if (row.length() != width || width < 1 || width > 3) {
                throw new IllegalArgumentException("the rows of a shape have one length, 1 to 3");
            }
        }
        Ingredient[] cells = new Ingredient[width * rows.length];
        for (int y = 0; y < rows.length; y++) {
            for (int x = 0; x < width; x++) {
                int[] item = keys.get(rows[y].charAt(x));
                if (item != null && item[0] > 0) {
                    cells[y * width + x] = ingredient(item);
                }
            }
        }
        return new Recipe(resultId, count, resultData, resultTag, true, width, rows.length, cells);
    }

    /** A shapeless recipe of up to nine ingredients, each {id, data} as for a shaped one. */
    public static Recipe shapeless(int resultId, int count, int resultData, Object resultTag, List<int[]> items) {
        if (items.isEmpty() || items.size() > 9) {
            throw new IllegalArgumentException("a shapeless recipe has 1 to 9 ingredients");
        }
        Ingredient[] cells = new Ingredient[items.size()];
        for (int i = 0; i < cells.length; i++) {
            cells[i] = ingredient(items.get(i));
        }
        return new Recipe(resultId, count, resultData, resultTag, false, 0, 0, cells);
    }

    private static Ingredient ingredient(int[] item) {
        boolean any = item[1] == Recipe.ANY_DATA || item[1] < 0;
        return new Ingredient(item[0], any ? 0 : item[1], any ? 0 : 0xFFFF);
    }
}
