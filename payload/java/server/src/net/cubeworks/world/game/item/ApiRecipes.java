package net.cubeworks.world.game.item;

import java.util.HashMap;
import java.util.Map;

import org.bukkit.Material;
import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.ItemStackTags;
import org.bukkit.inventory.Recipe;
import org.bukkit.inventory.ShapedRecipe;
import org.bukkit.inventory.ShapelessRecipe;

import net.cubeworks.world.storage.ItemTagValues;

/** The game's recipes in the plugin API's form: a shape with a key a character an ingredient, or a list. */
public final class ApiRecipes {
    private ApiRecipes() {
    }

    /** The API's form of a recipe of the book. */
    public static Recipe fromBook(net.cubeworks.world.crafting.Recipe r) {
        ItemStack result = ItemStackTags.withTag(r.resultId, r.resultCount, (short) r.resultData,
                ItemTagValues.toValues(r.resultTag));
        if (!r.isShaped()) {
            ShapelessRecipe s = new ShapelessRecipe(result);
            for (int i = 0; i < r.cellCount(); i++) {
                s.addIngredient(1, Material.getMaterial(r.cellId(i)), r.cellData(i));
            }
            return s;
        }
        String[] rows = new String[r.height()];
        Map<Character, int[]> keys = new HashMap<Character, int[]>();
        Map<String, Character> keyOf = new HashMap<String, Character>();
        for (int y = 0; y < r.height(); y++) {
            StringBuilder row = new StringBuilder();
            for (int x = 0; x < r.width(); x++) {
                int i = y * r.width() + x;
                if (r.cellId(i) == 0) {
                    row.append(' ');
                    continue;
                }
                String item = r.cellId(i) + ":" + r.cellData(i);
                Character k = keyOf.get(item);
                if (k == null) {
                    k = (char) ('a' + keyOf.size());
                    keyOf.put(item, k);
                    keys.put(k, new int[] {r.cellId(i), r.cellData(i)});
                }
                row.append(k);
            }
            rows[y] = row.toString();
        }
        ShapedRecipe s = new ShapedRecipe(result).shape(rows);
        for (Map.Entry<Character, int[]> e : keys.entrySet()) {
            s.setIngredient(e.getKey(), Material.getMaterial(e.getValue()[0]), e.getValue()[1]);
        }
        return s;
    }

}
