package net.cubeworks.world.server;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;
import java.util.concurrent.CopyOnWriteArrayList;

import org.bukkit.inventory.FurnaceRecipe;
import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.ItemStackTags;
import org.bukkit.inventory.Recipe;
import org.bukkit.inventory.ShapedRecipe;
import org.bukkit.inventory.ShapelessRecipe;

import net.cubeworks.world.crafting.RecipeBook;
import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.storage.ItemTagValues;

/**
 * The plugin API's recipes over the game's recipe book: a shaped or shapeless recipe a plugin
 * adds goes into the book the crafting grids match against, so it is really craftable; the
 * book's recipes come back as the API's. A furnace recipe goes into the smelting table after the
 * game's own (its experience 0.1, as the game's server gives plugins' recipes).
 */
final class ServerRecipes {
    private final RecipeBook book;
    private final List<FurnaceRecipe> furnace = new CopyOnWriteArrayList<FurnaceRecipe>();

    ServerRecipes(RecipeBook book) {
        this.book = book;
    }

    boolean add(Recipe recipe) {
        if (recipe instanceof FurnaceRecipe) {
            furnace.add((FurnaceRecipe) recipe);
            smeltWith();
            return true;
        }
        net.cubeworks.world.crafting.Recipe r = toBook(recipe);
        if (r == null) {
            return false;
        }
        book.add(r);
        return true;
    }

    /** The book's form of a shaped or shapeless recipe; null for another kind or a shape with no ingredient. */
    static net.cubeworks.world.crafting.Recipe toBook(Recipe recipe) {
        ItemStack result = recipe.getResult();
        Object tag = ItemTagValues.fromValues(ItemStackTags.tagOf(result));
        int count = Math.max(1, Math.min(64, result.getAmount()));
        if (recipe instanceof ShapedRecipe) {
            ShapedRecipe s = (ShapedRecipe) recipe;
            if (s.getShape() == null) {
                throw new IllegalArgumentException("the shaped recipe has no shape");
            }
            Map<Character, int[]> keys = new HashMap<Character, int[]>();
            for (Map.Entry<Character, ItemStack> e : s.getIngredientMap().entrySet()) {
                if (e.getValue() != null) {
                    keys.put(e.getKey(), new int[] {e.getValue().getTypeId(), e.getValue().getDurability()});
                }
            }
            if (keys.isEmpty()) {
                throw new IllegalArgumentException("the shaped recipe has no ingredient");
            }
            return RecipeBook.shaped(result.getTypeId(), count, result.getDurability(), tag, s.getShape(), keys);
        }
        if (recipe instanceof ShapelessRecipe) {
            List<int[]> items = new ArrayList<int[]>();
            for (ItemStack i : ((ShapelessRecipe) recipe).getIngredientList()) {
                items.add(new int[] {i.getTypeId(), i.getDurability()});
            }
            return RecipeBook.shapeless(result.getTypeId(), count, result.getDurability(), tag, items);
        }
        return null;
    }

    /** The API's form of a recipe of the book. */
    static Recipe fromBook(net.cubeworks.world.crafting.Recipe r) {
        return net.cubeworks.world.game.item.ApiRecipes.fromBook(r);
    }

    /** The recipes whose result is the item: its type, and its damage unless that is -1 or any. */
    List<Recipe> recipesFor(ItemStack result) {
        List<Recipe> out = new ArrayList<Recipe>();
        for (net.cubeworks.world.crafting.Recipe r : book.recipes()) {
            if (r.resultId == result.getTypeId() && dataFits(result.getDurability(), r.resultData)) {
                out.add(fromBook(r));
            }
        }
        for (FurnaceRecipe f : furnace) {
            ItemStack made = f.getResult();
            if (made.getTypeId() == result.getTypeId() && dataFits(result.getDurability(), made.getDurability())) {
                out.add(f);
            }
        }
        return out;
    }

    private static boolean dataFits(int asked, int made) {
        return asked == -1 || asked == Short.MAX_VALUE || asked == made;
    }

    /** Every recipe, crafting then furnace; remove takes the last one given away. */
    Iterator<Recipe> iterator() {
        final Iterator<net.cubeworks.world.crafting.Recipe> crafting = book.recipes().iterator();
        final Iterator<FurnaceRecipe> smelting = new ArrayList<FurnaceRecipe>(furnace).iterator();
        return new Iterator<Recipe>() {
            private Object last;

            public boolean hasNext() {
                return crafting.hasNext() || smelting.hasNext();
            }

            public Recipe next() {
                if (crafting.hasNext()) {
                    net.cubeworks.world.crafting.Recipe r = crafting.next();
                    last = r;
                    return fromBook(r);
                }
                FurnaceRecipe f = smelting.next();
                last = f;
                return f;
            }

            public void remove() {
                if (last == null) {
                    throw new IllegalStateException("next() first");
                }
                if (last instanceof FurnaceRecipe) {
                    furnace.remove(last);
                    smeltWith();
                } else {
                    book.remove((net.cubeworks.world.crafting.Recipe) last);
                }
                last = null;
            }
        };
    }

    void clear() {
        book.clear();
        furnace.clear();
        smeltWith();
    }

    void reset() {
        book.reset();
        furnace.clear();
        smeltWith();
    }

    /** The furnaces smelt by the plugins' furnace recipes as they are now. */
    private void smeltWith() {
        List<SmeltingBook.Smelt> out = new ArrayList<SmeltingBook.Smelt>();
        for (FurnaceRecipe f : furnace) {
            ItemStack in = f.getInput();
            ItemStack made = f.getResult();
            if (in == null || made == null || in.getTypeId() <= 0 || made.getTypeId() <= 0) {
                continue;
            }
            int data = in.getDurability() == Short.MAX_VALUE || in.getDurability() < 0 ? -1 : in.getDurability();
            out.add(new SmeltingBook.Smelt(in.getTypeId(), data, made.getTypeId(), made.getDurability(),
                    Math.max(1, Math.min(64, made.getAmount())), 0.1f));
        }
        SmeltingBook.standard().setAdded(out);
    }
}
