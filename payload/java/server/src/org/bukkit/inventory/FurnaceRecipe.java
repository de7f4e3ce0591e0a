package org.bukkit.inventory;

import org.bukkit.Material;
import org.bukkit.material.MaterialData;

/** What a furnace makes of one input item. A damage of -1 is any damage. */
public class FurnaceRecipe implements Recipe {
    private final ItemStack output;
    private ItemStack ingredient;

    public FurnaceRecipe(ItemStack result, Material source) {
        this(result, source, 0);
    }

    public FurnaceRecipe(ItemStack result, MaterialData source) {
        this(result, source.getItemType(), source.getData());
    }

    public FurnaceRecipe(ItemStack result, Material source, int data) {
        this.output = new ItemStack(result);
        setInput(source, data);
    }

    public FurnaceRecipe setInput(MaterialData input) {
        return setInput(input.getItemType(), input.getData());
    }

    public FurnaceRecipe setInput(Material input) {
        return setInput(input, 0);
    }

    public FurnaceRecipe setInput(Material input, int data) {
        this.ingredient = new ItemStack(input, 1, (short) (data == -1 ? Short.MAX_VALUE : data));
        return this;
    }

    public ItemStack getInput() {
        return ingredient.clone();
    }

    public ItemStack getResult() {
        return output.clone();
    }
}
