package net.cubeworks.world.crafting;

import java.util.ArrayList;
import java.util.List;

/**
 * One recipe: a shape of ingredients (which may lie anywhere in the grid, and mirrored left
 * to right), or a set of ingredients in any place; and what it makes.
 */
public final class Recipe {
    public final int resultId;
    public final int resultCount;
    public final int resultData;
    /** The result's tag as the world keeps it (a plugin's named result), or null. */
    public final Object resultTag;
    private final boolean shaped;
    private final int width;
    private final int height;
    /** Shaped: width x height cells, row by row, null where the cell must be empty. Shapeless: the ingredients. */
    private final Ingredient[] cells;

    Recipe(int resultId, int resultCount, int resultData, boolean shaped, int width, int height, Ingredient[] cells) {
        this(resultId, resultCount, resultData, null, shaped, width, height, cells);
    }

    Recipe(int resultId, int resultCount, int resultData, Object resultTag, boolean shaped, int width, int height,
            Ingredient[] cells) {
        this.resultTag = resultTag;
        this.resultId = resultId;
        this.resultCount = resultCount;
        this.resultData = resultData;
        this.shaped = shaped;
        this.width = width;
        this.height = height;
        this.cells = cells;
    }

    /** Whether the grid (side x side, row by row; id 0 is an empty cell) makes this recipe. */
    boolean matches(int[] ids, int[] datas, int side) {
        return shaped ? matchesShape(ids, datas, side) : matchesSet(ids, datas);
    }

    private boolean matchesShape(int[] ids, int[] datas, int side) {
        if (width > side || height > side) {
            return false;
        }
        for (int ox = 0; ox + width <= side; ox++) {
            for (int oy = 0; oy + height <= side; oy++) {
                if (matchesAt(ids, datas, side, ox, oy, false) || matchesAt(ids, datas, side, ox, oy, true)) {
                    return true;
                }
            }
        }
        return false;
    }

    /** The shape with its top left corner at (ox, oy), every cell outside it empty. */
    private boolean matchesAt(int[] ids, int[] datas, int side, int ox, int oy, boolean mirrored) {
        for (int x = 0; x < side; x++) {
            for (int y = 0; y < side; y++) {
                int sx = x - ox;
                int sy = y - oy;
                Ingredient want = null;
                if (sx >= 0 && sy >= 0 && sx < width && sy < height) {
                    want = cells[sy * width + (mirrored ? width - 1 - sx : sx)];
                }
                int i = y * side + x;
                if (want == null ? ids[i] != 0 : !want.matches(ids[i], datas[i])) {
                    return false;
                }
            }
        }
        return true;
    }

    private boolean matchesSet(int[] ids, int[] datas) {
        List<Ingredient> left = new ArrayList<Ingredient>();
        for (Ingredient g : cells) {
            left.add(g);
        }
        for (int i = 0; i < ids.length; i++) {
            if (ids[i] == 0) {
                continue;
            }
            boolean found = false;
            for (int k = 0; k < left.size(); k++) {
                if (left.get(k).matches(ids[i], datas[i])) {
                    left.remove(k);
                    found = true;
                    break;
                }
            }
            if (!found) {
                return false;
            }
        }
        return left.isEmpty();
    }

    // --- what the recipe is, for the plugin API ---

    /** The damage value an ingredient reads as when any damage will do. */
    public static final int ANY_DATA = 32767;

    public boolean isShaped() {
        return shaped;
    }

    /** Shaped: the shape's width and height. Shapeless: the number of ingredients and 1. */
    public int width() {
        return shaped ? width : cells.length;
    }

    public int height() {
        return shaped ? height : 1;
    }

    /** Shaped: the cells row by row; shapeless: the ingredients. */
    public int cellCount() {
        return cells.length;
    }

    /** The item id a cell asks for, 0 where a shaped recipe's cell must be empty. */
    public int cellId(int i) {
        return cells[i] == null ? 0 : cells[i].id;
    }

    /** The damage a cell asks for; ANY_DATA when any will do (under a mask, the value the mask keeps). */
    public int cellData(int i) {
        return cells[i] == null || cells[i].mask == 0 ? ANY_DATA : cells[i].data;
    }
}
