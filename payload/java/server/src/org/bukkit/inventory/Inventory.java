package org.bukkit.inventory;

import java.util.HashMap;
import java.util.List;
import java.util.ListIterator;

import org.bukkit.Material;
import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;

/** Numbered slots of item stacks; an empty slot holds null. */
public interface Inventory extends Iterable<ItemStack> {
    int getSize();

    int getMaxStackSize();

    void setMaxStackSize(int size);

    String getName();

    ItemStack getItem(int index);

    void setItem(int index, ItemStack item);

    /** Adds the stacks, filling partial stacks first; what did not fit, by argument index. */
    HashMap<Integer, ItemStack> addItem(ItemStack... items) throws IllegalArgumentException;

    /** Takes the amounts of the stacks away; what could not be found, by argument index. */
    HashMap<Integer, ItemStack> removeItem(ItemStack... items) throws IllegalArgumentException;

    ItemStack[] getContents();

    void setContents(ItemStack[] items) throws IllegalArgumentException;

    boolean contains(int materialId);

    boolean contains(Material material) throws IllegalArgumentException;

    boolean contains(ItemStack item);

    boolean contains(int materialId, int amount);

    boolean contains(Material material, int amount) throws IllegalArgumentException;

    boolean contains(ItemStack item, int amount);

    boolean containsAtLeast(ItemStack item, int amount);

    HashMap<Integer, ? extends ItemStack> all(int materialId);

    HashMap<Integer, ? extends ItemStack> all(Material material) throws IllegalArgumentException;

    HashMap<Integer, ? extends ItemStack> all(ItemStack item);

    int first(int materialId);

    int first(Material material) throws IllegalArgumentException;

    int first(ItemStack item);

    int firstEmpty();

    void remove(int materialId);

    void remove(Material material) throws IllegalArgumentException;

    void remove(ItemStack item);

    void clear(int index);

    void clear();

    List<HumanEntity> getViewers();

    String getTitle();

    InventoryType getType();

    InventoryHolder getHolder();

    ListIterator<ItemStack> iterator();

    ListIterator<ItemStack> iterator(int index);
}
