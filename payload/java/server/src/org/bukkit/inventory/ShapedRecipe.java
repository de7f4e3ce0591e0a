package org.bukkit.inventory;

import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.Material;
import org.bukkit.material.MaterialData;

/**
 * A recipe whose ingredients lie in a shape: one to three rows of one to three characters, a
 * space an empty cell, every other character an ingredient set with setIngredient. The shape
 * may lie anywhere in the grid, mirrored too, as the game's own.
 */
public class ShapedRecipe implements Recipe {
    private final ItemStack output;
    private String[] rows;
    private Map<Character, ItemStack> ingredients = new HashMap<Character, ItemStack>();

    public ShapedRecipe(ItemStack result) {
        this.output = new ItemStack(result);
    }

    /** Sets the shape; ingredients of characters the shape no longer has are forgotten. */
    public ShapedRecipe shape(final String... shape) {
        if (shape == null || shape.length < 1 || shape.length > 3) {
            throw new IllegalArgumentException("Crafting recipes should be 1, 2, 3 rows, not " + (shape == null ? 0 : shape.length));
        }
        int width = shape[0] == null ? 0 : shape[0].length();
        for (String row : shape) {
            if (row == null || row.length() < 1 || row.length() > 3) {
                throw new IllegalArgumentException("Crafting rows should be 1, 2, or 3 characters");
            }
            if (row.length() != width) {
                throw new IllegalArgumentException("Crafting recipes must be rectangular");
            }
        }
        this.rows = shape.clone();
        Map<Character, ItemStack> kept = new HashMap<Character, ItemStack>();
        for (String row : rows) {
            for (char c : row.toCharArray()) {
                kept.put(c, ingredients.get(c));
            }
        }
        this.ingredients = kept;
        return this;
    }

    public ShapedRecipe setIngredient(char key, MaterialData ingredient) {
        return setIngredient(key, ingredient.getItemType(), ingredient.getData());
    }

    public ShapedRecipe setIngredient(char key, Material ingredient) {
        return setIngredient(key, ingredient, 0);
    }

    /** The ingredient of a key of the shape; a damage of -1 is any damage. */
    public ShapedRecipe setIngredient(char key, Material ingredient, int raw) {
        if (rows == null || !ingredients.containsKey(key)) {
            throw new IllegalArgumentException("Symbol does not appear in the shape:" + key);
        }
        int data = raw == -1 ? Short.MAX_VALUE : raw;
        ingredients.put(key, new ItemStack(ingredient, 1, (short) data));
        return this;
    }

    /** Each key of the shape and its ingredient (null where none is set); copies. */
    public Map<Character, ItemStack> getIngredientMap() {
        Map<Character, ItemStack> out = new LinkedHashMap<Character, ItemStack>();
        for (Map.Entry<Character, ItemStack> e : ingredients.entrySet()) {
            out.put(e.getKey(), e.getValue() == null ? null : e.getValue().clone());
        }
        return out;
    }

    public String[] getShape() {
        return rows == null ? null : rows.clone();
    }

    public ItemStack getResult() {
        return output.clone();
    }
}
