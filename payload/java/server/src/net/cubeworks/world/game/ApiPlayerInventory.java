package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.ListIterator;
import java.util.concurrent.Callable;

import org.bukkit.Material;
import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.ItemStack;

/**
 * A player's inventory in the plugin API's numbering (0 to 8 the hot bar, 9 to 35 the rest, 36
 * to 39 the armour from the boots up) over the game's window slots. Reads take the world lock;
 * changes run on the game thread and the client is sent the slots that changed.
 */
final class ApiPlayerInventory implements org.bukkit.inventory.PlayerInventory {
    /** Slots the API counts in getSize and getContents: the armour is apart. */
    static final int SIZE = 36;
    private final OnlinePlayer player;
    private final Game game;
    private int maxStack = 64;

    ApiPlayerInventory(Game game, OnlinePlayer player) {
        this.game = game;
        this.player = player;
    }

    /** The window slot of an API index: 0-8 are 36-44, 9-35 themselves, 36-39 are 8 down to 5. */
    static int windowSlot(int index) {
        if (index >= 0 && index < 9) {
            return PlayerInventory.HOTBAR + index;
        }
        if (index >= 9 && index < 36) {
            return index;
        }
        if (index >= 36 && index < 40) {
            return 8 - (index - 36);
        }
        throw new ArrayIndexOutOfBoundsException(index);
    }

    private ItemStack read(int index) {
        int slot = windowSlot(index);
        synchronized (game.lock()) {
            PlayerInventory inv = player.inventory();
            int id = inv.item(slot);
            if (id <= 0) {
                return null;
            }
            return new ItemStack(id, inv.count(slot), (short) inv.data(slot));
        }
    }

    private void write(final int index, final ItemStack stack) {
        final int slot = windowSlot(index);
        ApiWorld.onGameThread(game, new Callable<Void>() {
            public Void call() {
                PlayerInventory inv = player.inventory();
                int held = inv.item(player.handSlot());
                if (stack == null || stack.getTypeId() <= 0 || stack.getAmount() <= 0) {
                    inv.set(slot, 0, 0, 0, null);
                } else {
                    inv.set(slot, stack.getTypeId(), Math.min(127, stack.getAmount()), stack.getDurability(), null);
                }
                if (player.isOnline()) {
                    player.sendSlot(slot);
                }
                if (slot == player.handSlot() && inv.item(slot) != held) {
                    player.heldItemChanged = true;
                }
                return null;
            }
        });
    }

    public int getSize() {
        return SIZE;
    }

    public int getMaxStackSize() {
        return maxStack;
    }

    public void setMaxStackSize(int size) {
        maxStack = size;
    }

    public String getName() {
        return "container.inventory";
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
                for (int index = 0; index < SIZE && toPut > 0; index++) {
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
            for (int index = 0; index < SIZE && toTake > 0; index++) {
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
        ItemStack[] out = new ItemStack[SIZE];
        for (int i = 0; i < SIZE; i++) {
            out[i] = read(i);
        }
        return out;
    }

    public void setContents(ItemStack[] items) {
        if (items.length > SIZE) {
            throw new IllegalArgumentException("Invalid inventory size; expected " + SIZE + " or less");
        }
        for (int i = 0; i < SIZE; i++) {
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

    public void clear() {
        for (int i = 0; i < 40; i++) {
            write(i, null);
        }
    }

    public int clear(int id, int data) {
        int removed = 0;
        for (int i = 0; i < 40; i++) {
            ItemStack s = read(i);
            if (s != null && (id == -1 || s.getTypeId() == id) && (data == -1 || s.getDurability() == data)) {
                removed += s.getAmount();
                write(i, null);
            }
        }
        return removed;
    }

    public List<HumanEntity> getViewers() {
        List<HumanEntity> out = new ArrayList<HumanEntity>();
        out.add(player);
        return out;
    }

    public String getTitle() {
        return InventoryType.PLAYER.getDefaultTitle();
    }

    public InventoryType getType() {
        return InventoryType.PLAYER;
    }

    public HumanEntity getHolder() {
        return player;
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

    public ItemStack[] getArmorContents() {
        return new ItemStack[] {read(36), read(37), read(38), read(39)};
    }

    public ItemStack getHelmet() {
        return read(39);
    }

    public ItemStack getChestplate() {
        return read(38);
    }

    public ItemStack getLeggings() {
        return read(37);
    }

    public ItemStack getBoots() {
        return read(36);
    }

    public void setArmorContents(ItemStack[] items) {
        for (int i = 0; i < 4; i++) {
            write(36 + i, items != null && i < items.length ? items[i] : null);
        }
    }

    public void setHelmet(ItemStack helmet) {
        write(39, helmet);
    }

    public void setChestplate(ItemStack chestplate) {
        write(38, chestplate);
    }

    public void setLeggings(ItemStack leggings) {
        write(37, leggings);
    }

    public void setBoots(ItemStack boots) {
        write(36, boots);
    }

    public ItemStack getItemInHand() {
        return read(getHeldItemSlot());
    }

    public void setItemInHand(ItemStack stack) {
        write(getHeldItemSlot(), stack);
    }

    public int getHeldItemSlot() {
        synchronized (game.lock()) {
            return player.heldSlot;
        }
    }

    /** Puts another hot-bar slot in the hand; the client is told. */
    public void setHeldItemSlot(final int slot) {
        if (slot < 0 || slot > 8) {
            throw new IllegalArgumentException("Slot is not between 0 and 8 inclusive");
        }
        ApiWorld.onGameThread(game, new Callable<Void>() {
            public Void call() {
                player.heldSlot = slot;
                player.heldItemChanged = true;
                if (player.isOnline()) {
                    player.connection().send(net.cubeworks.world.protocol.PlayPackets.heldItemChange(slot));
                }
                return null;
            }
        });
    }
}
