package net.cubeworks.world.game.item;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.ListIterator;

import org.bukkit.Material;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.ItemStack;

/**
 * What every inventory of the plugin API does over slots of the game: adding, taking,
 * searching, in the inventory's own numbering. A kind of inventory says how a slot is read
 * and written and how many it has.
 */
public abstract class ApiSlots implements Inventory {
    private int maxStack = 64;

    /** The stack at the API index, or null when the slot is empty. */
    protected abstract ItemStack read(int index);

    /** Puts the stack (null: nothing) at the API index; the client is told. */
    protected abstract void write(int index, ItemStack stack);

    public int getMaxStackSize() {
        return maxStack;
    }

    public void setMaxStackSize(int size) {
        maxStack = size;
    }

    public ItemStack getItem(int index) {
        return read(index);
    }

    public void setItem(int index, ItemStack item) {
        write(index, item);
    }

    private static int stackLimit(ItemStack item, int inventoryLimit) {
        int m = item.getMaxStackSize();
        return m <= 0 ? inventoryLimit : Math.min(m, inventoryLimit);
    }

    public HashMap<Integer, ItemStack> addItem(ItemStack... items) {
        HashMap<Integer, ItemStack> left = new HashMap<Integer, ItemStack>();
        for (int i = 0; i < items.length; i++) {
            ItemStack item = items[i];
            if (item == null) {
                throw new IllegalArgumentException("Item cannot be null");
            }
            int toPut = item.getAmount();
            int limit = stackLimit(item, maxStack);
            // partial stacks of the same item first, then empty slots
            for (int pass = 0; pass < 2 && toPut > 0; pass++) {
                for (int index = 0; index < getSize() && toPut > 0; index++) {
                    ItemStack there = read(index);
                    if (pass == 0 ? there == null || !there.isSimilar(item) || there.getAmount() >= limit : there != null) {
                        continue;
                    }
                    int have = there == null ? 0 : there.getAmount();
                    int put = Math.min(limit - have, toPut);
                    ItemStack now = item.clone();
                    now.setAmount(have + put);
                    write(index, now);
                    toPut -= put;
                }
            }
            if (toPut > 0) {
                ItemStack rest = item.clone();
                rest.setAmount(toPut);
                left.put(i, rest);
            }
        }
        return left;
    }

    public HashMap<Integer, ItemStack> removeItem(ItemStack... items) {
        HashMap<Integer, ItemStack> left = new HashMap<Integer, ItemStack>();
        for (int i = 0; i < items.length; i++) {
            ItemStack item = items[i];
            if (item == null) {
                throw new IllegalArgumentException("Item cannot be null");
            }
            int toTake = item.getAmount();
            for (int index = 0; index < getSize() && toTake > 0; index++) {
                ItemStack there = read(index);
                if (there == null || there.getTypeId() != item.getTypeId() || there.getDurability() != item.getDurability()) {
                    continue;
                }
                int take = Math.min(there.getAmount(), toTake);
                there.setAmount(there.getAmount() - take);
                write(index, there.getAmount() == 0 ? null : there);
                toTake -= take;
            }
            if (toTake > 0) {
                ItemStack rest = item.clone();
                rest.setAmount(toTake);
                left.put(i, rest);
            }
        }
        return left;
    }

    public ItemStack[] getContents() {
        ItemStack[] out = new ItemStack[getSize()];
        for (int i = 0; i < getSize(); i++) {
            out[i] = read(i);
        }
        return out;
    }

    public void setContents(ItemStack[] items) {
        if (items.length > getSize()) {
            throw new IllegalArgumentException("Invalid inventory size; expected " + getSize() + " or less");
        }
        for (int i = 0; i < getSize(); i++) {
            write(i, i < items.length ? items[i] : null);
        }
    }

    public boolean contains(int materialId) {
        return first(materialId) >= 0;
    }

    public boolean contains(Material material) {
        return contains(material.getId());
    }

    public boolean contains(ItemStack item) {
        return item != null && first(item) >= 0;
    }

    public boolean contains(int materialId, int amount) {
        int n = 0;
        for (ItemStack s : getContents()) {
            if (s != null && s.getTypeId() == materialId) {
                n += s.getAmount();
            }
        }
        return n >= amount;
    }

    public boolean contains(Material material, int amount) {
        return contains(material.getId(), amount);
    }

    public boolean contains(ItemStack item, int amount) {
        if (item == null) {
            return false;
        }
        int n = 0;
        for (ItemStack s : getContents()) {
            if (item.equals(s)) {
                n++;
            }
        }
        return n >= amount;
    }

    public boolean containsAtLeast(ItemStack item, int amount) {
        if (item == null) {
            return false;
        }
        int n = 0;
        for (ItemStack s : getContents()) {
            if (item.isSimilar(s)) {
                n += s.getAmount();
            }
        }
        return n >= amount;
    }

    public HashMap<Integer, ? extends ItemStack> all(int materialId) {
        HashMap<Integer, ItemStack> out = new HashMap<Integer, ItemStack>();
        ItemStack[] c = getContents();
        for (int i = 0; i < c.length; i++) {
            if (c[i] != null && c[i].getTypeId() == materialId) {
                out.put(i, c[i]);
            }
        }
        return out;
    }

    public HashMap<Integer, ? extends ItemStack> all(Material material) {
        return all(material.getId());
    }

    public HashMap<Integer, ? extends ItemStack> all(ItemStack item) {
        HashMap<Integer, ItemStack> out = new HashMap<Integer, ItemStack>();
        ItemStack[] c = getContents();
        for (int i = 0; i < c.length; i++) {
            if (c[i] != null && c[i].equals(item)) {
                out.put(i, c[i]);
            }
        }
        return out;
    }

    public int first(int materialId) {
        ItemStack[] c = getContents();
        for (int i = 0; i < c.length; i++) {
            if (c[i] != null && c[i].getTypeId() == materialId) {
                return i;
            }
        }
        return -1;
    }

    public int first(Material material) {
        return first(material.getId());
    }

    public int first(ItemStack item) {
        ItemStack[] c = getContents();
        for (int i = 0; i < c.length; i++) {
            if (c[i] != null && c[i].equals(item)) {
                return i;
            }
        }
        return -1;
    }

    public int firstEmpty() {
        ItemStack[] c = getContents();
        for (int i = 0; i < c.length; i++) {
            if (c[i] == null) {
                return i;
            }
        }
        return -1;
    }

    public void remove(int materialId) {
        ItemStack[] c = getContents();
        for (int i = 0; i < c.length; i++) {
            if (c[i] != null && c[i].getTypeId() == materialId) {
                clear(i);
            }
        }
    }

    public void remove(Material material) {
        remove(material.getId());
    }

    public void remove(ItemStack item) {
        ItemStack[] c = getContents();
        for (int i = 0; i < c.length; i++) {
            if (c[i] != null && c[i].equals(item)) {
                clear(i);
            }
        }
    }

    public void clear(int index) {
        write(index, null);
    }

    /** How many slots clear() and clear(id, data) go through: the inventory's, and a player's armour too. */
    protected int slotCount() {
        return getSize();
    }

    public void clear() {
        for (int i = 0; i < slotCount(); i++) {
            write(i, null);
        }
    }

    /** Takes away every stack of the item (id -1: any) with the data (-1: any); how many items went. */
    public int clear(int id, int data) {
        int removed = 0;
        for (int i = 0; i < slotCount(); i++) {
            ItemStack s = read(i);
            if (s != null && (id == -1 || s.getTypeId() == id) && (data == -1 || s.getDurability() == data)) {
                removed += s.getAmount();
                write(i, null);
            }
        }
        return removed;
    }

    public ListIterator<ItemStack> iterator() {
        return iterator(0);
    }

    public ListIterator<ItemStack> iterator(int index) {
        List<ItemStack> items = new ArrayList<ItemStack>();
        for (ItemStack s : getContents()) {
            items.add(s);
        }
        return items.listIterator(index);
    }

}
