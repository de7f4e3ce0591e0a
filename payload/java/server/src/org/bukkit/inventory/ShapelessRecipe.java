package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.Iterator;
import java.util.List;

import org.bukkit.Material;
import org.bukkit.material.MaterialData;

/** A recipe of up to nine ingredients lying anywhere in the grid. A damage of -1 is any damage. */
public class ShapelessRecipe implements Recipe {
    private final ItemStack output;
    private final List<ItemStack> ingredients = new ArrayList<ItemStack>();

    public ShapelessRecipe(ItemStack result) {
        this.output = new ItemStack(result);
    }

    public ShapelessRecipe addIngredient(MaterialData ingredient) {
        return addIngredient(1, ingredient);
    }

    public ShapelessRecipe addIngredient(Material ingredient) {
        return addIngredient(1, ingredient, 0);
    }

    public ShapelessRecipe addIngredient(Material ingredient, int rawdata) {
        return addIngredient(1, ingredient, rawdata);
    }

    public ShapelessRecipe addIngredient(int count, MaterialData ingredient) {
        return addIngredient(count, ingredient.getItemType(), ingredient.getData());
    }

    public ShapelessRecipe addIngredient(int count, Material ingredient) {
        return addIngredient(count, ingredient, 0);
    }

    public ShapelessRecipe addIngredient(int count, Material ingredient, int rawdata) {
        if (ingredients.size() + count > 9) {
            throw new IllegalArgumentException("Shapeless recipes cannot have more than 9 ingredients");
        }
        int data = rawdata == -1 ? Short.MAX_VALUE : rawdata;
        for (int i = 0; i < count; i++) {
            ingredients.add(new ItemStack(ingredient, 1, (short) data));
        }
        return this;
    }

    public ShapelessRecipe removeIngredient(Material ingredient) {
        return removeIngredient(1, ingredient, 0);
    }

    public ShapelessRecipe removeIngredient(MaterialData ingredient) {
        return removeIngredient(1, ingredient);
    }

    public ShapelessRecipe removeIngredient(int count, Material ingredient) {
        return removeIngredient(count, ingredient, 0);
    }

    public ShapelessRecipe removeIngredient(int count, MaterialData ingredient) {
        return removeIngredient(count, ingredient.getItemType(), ingredient.getData());
    }

    public ShapelessRecipe removeIngredient(Material ingredient, int rawdata) {
        return removeIngredient(1, ingredient, rawdata);
    }

    /** Takes away up to count of the ingredient with that damage. */
    public ShapelessRecipe removeIngredient(int count, Material ingredient, int rawdata) {
        int data = rawdata == -1 ? Short.MAX_VALUE : rawdata;
        Iterator<ItemStack> it = ingredients.iterator();
        while (count > 0 && it.hasNext()) {
            ItemStack s = it.next();
            if (s.getType() == ingredient && s.getDurability() == data) {
                it.remove();
                count--;
            }
        }
        return this;
    }

    public ItemStack getResult() {
        return output.clone();
    }

    /** Copies of the ingredients, one stack of one for each. */
    public List<ItemStack> getIngredientList() {
        List<ItemStack> out = new ArrayList<ItemStack>();
        for (ItemStack s : ingredients) {
            out.add(s.clone());
        }
        return out;
    }
}
