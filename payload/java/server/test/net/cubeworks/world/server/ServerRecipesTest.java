package net.cubeworks.world.server;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Arrays;
import java.util.Iterator;
import java.util.List;

import org.bukkit.Material;
import org.bukkit.inventory.FurnaceRecipe;
import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.Recipe;
import org.bukkit.inventory.ShapedRecipe;
import org.bukkit.inventory.ShapelessRecipe;
import org.bukkit.inventory.meta.ItemMeta;
import org.junit.Test;

import net.cubeworks.world.crafting.RecipeBook;
import net.cubeworks.world.storage.ItemTagValues;

/** A plugin's recipes go into the recipe book the grids match against, and the book's come back as the API's. */
public class ServerRecipesTest {
    private static final String BOOK = "shaped 58 1 XX/XX X=5\nshapeless 5:2 4 17:2&3\n";

    private static int[] grid(int... ids) {
        return ids;
    }

    @Test
    public void aPluginsShapedRecipeIsCraftableMirroredAndWithItsNamedResult() {
        RecipeBook book = RecipeBook.parse(BOOK);
        ServerRecipes recipes = new ServerRecipes(book);
        ItemStack result = new ItemStack(Material.DIAMOND_SWORD);
        ItemMeta m = result.getItemMeta();
        m.setDisplayName("Dirt Blade");
        result.setItemMeta(m);
        ShapedRecipe r = new ShapedRecipe(result).shape("d ", "ds").setIngredient('d', Material.DIRT)
                .setIngredient('s', Material.STICK);
        assertTrue(recipes.add(r));
        int[] datas = new int[9];
        // the shape anywhere in a 3x3 grid, and mirrored
        net.cubeworks.world.crafting.Recipe made = book.match(grid(0, 0, 0, 0, 3, 0, 0, 3, 280), datas, 3);
        assertNotNull(made);
        assertEquals(276, made.resultId);
        assertEquals("Dirt Blade", ((java.util.Map<?, ?>) ItemTagValues.toValues(made.resultTag).get("display")).get("Name"));
        assertNotNull(book.match(grid(0, 3, 0, 280, 3, 0, 0, 0, 0), datas, 3));
        // dirt with another damage is not dirt of damage 0
        int[] wrongData = new int[9];
        wrongData[4] = 1;
        assertNull(book.match(grid(0, 0, 0, 0, 3, 0, 0, 3, 280), wrongData, 3));

        List<Recipe> found = recipes.recipesFor(new ItemStack(Material.DIAMOND_SWORD));
        assertEquals(1, found.size());
        ShapedRecipe back = (ShapedRecipe) found.get(0);
        assertEquals(Arrays.asList("a ", "ab"), Arrays.asList(back.getShape()));
        assertEquals(Material.DIRT, back.getIngredientMap().get('a').getType());
        assertEquals("Dirt Blade", back.getResult().getItemMeta().getDisplayName());
    }

    @Test
    public void aPluginsFurnaceRecipeSmeltsAfterTheGamesOwnUntilItIsCleared() {
        ServerRecipes recipes = new ServerRecipes(RecipeBook.parse(BOOK));
        net.cubeworks.world.crafting.SmeltingBook smelting = net.cubeworks.world.crafting.SmeltingBook.standard();
        recipes.add(new FurnaceRecipe(new ItemStack(Material.DIAMOND, 2), Material.DIRT));
        recipes.add(new FurnaceRecipe(new ItemStack(Material.GOLD_INGOT), Material.IRON_ORE));
        try {
            assertEquals(264, smelting.smelting(3, 0).resultId);
            assertEquals(2, smelting.smelting(3, 0).resultCount);
            assertNull("another damage: the recipe's input is dirt of damage 0", smelting.smelting(3, 1));
            assertEquals("the game's own comes first", 265, smelting.smelting(15, 0).resultId);
            recipes.clear();
            assertNull(smelting.smelting(3, 0));
        } finally {
            recipes.reset();
        }
    }

    @Test
    public void shapelessAnyDamageAndTheBooksOwnRecipesListClearAndReset() {
        RecipeBook book = RecipeBook.parse(BOOK);
        ServerRecipes recipes = new ServerRecipes(book);
        recipes.add(new ShapelessRecipe(new ItemStack(Material.GRAVEL, 2)).addIngredient(2, Material.COBBLESTONE)
                .addIngredient(Material.WOOL, -1));
        recipes.add(new FurnaceRecipe(new ItemStack(Material.GLASS), Material.SAND));
        assertNotNull(book.match(grid(4, 35, 0, 0, 0, 0, 0, 0, 4), new int[] {0, 14, 0, 0, 0, 0, 0, 0, 0}, 3));
        assertNull(book.match(grid(4, 35, 0, 0, 0, 0, 0, 0, 0), new int[9], 3));

        ShapelessRecipe planks = (ShapelessRecipe) recipes.recipesFor(new ItemStack(Material.WOOD, 1, (short) 2)).get(0);
        assertEquals(Material.LOG, planks.getIngredientList().get(0).getType());
        assertEquals(2, planks.getIngredientList().get(0).getDurability());
        assertEquals(1, recipes.recipesFor(new ItemStack(Material.GLASS)).size());
        assertTrue(recipes.recipesFor(new ItemStack(Material.WOOD, 1, (short) 0)).isEmpty());
        assertEquals(1, recipes.recipesFor(new ItemStack(Material.WOOD, 1, (short) -1)).size());

        int n = 0;
        for (Iterator<Recipe> it = recipes.iterator(); it.hasNext();) {
            Recipe r = it.next();
            if (r.getResult().getType() == Material.WORKBENCH) {
                it.remove();
            }
            n++;
        }
        assertEquals(4, n);
        assertNull(book.match(grid(5, 5, 5, 5), new int[4], 2));
        recipes.clear();
        assertFalse(recipes.iterator().hasNext());
        recipes.reset();
        assertNotNull("the game's own recipes come back", book.match(grid(5, 5, 5, 5), new int[4], 2));
        assertTrue(recipes.recipesFor(new ItemStack(Material.GRAVEL)).isEmpty());
    }
}
