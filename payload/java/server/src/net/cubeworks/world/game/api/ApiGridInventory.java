package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.Callable;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.InventoryHolder;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.item.ApiItems;
import net.cubeworks.world.game.item.ApiRecipes;
import net.cubeworks.world.game.item.ApiSlots;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.game.thread.GameThread;

/**
 * The crafting part of a window in the plugin API's numbering: 0 the result, then the grid
 * (four slots in the player's own window, nine at a table). Reads take the world lock;
 * a change runs on the game thread, makes the result anew and is shown to the player.
 */
final class ApiGridInventory extends ApiSlots implements org.bukkit.inventory.CraftingInventory {
    private final ApiChanges changes;
    private final Object lock;
    private final OnlinePlayer player;
    private final Window window;

    ApiGridInventory(Object lock, GameThread thread, OnlinePlayer player, Window window) {
        this.changes = new ApiChanges(lock, thread);
        this.lock = lock;
        this.player = player;
        this.window = window;
    }

    public int getSize() {
        return 1 + window.side() * window.side();
    }

    protected ItemStack read(int index) {
        check(index);
        synchronized (lock) {
            return ApiItems.stack(window.item(index), window.count(index), window.data(index), window.tag(index));
        }
    }

    protected void write(final int index, final ItemStack stack) {
        check(index);
        changes.call(new Callable<Void>() {
            public Void call() {
                if (stack == null || stack.getTypeId() <= 0 || stack.getAmount() <= 0) {
                    window.set(index, 0, 0, 0, null);
                } else {
                    window.set(index, stack.getTypeId(), Math.min(127, stack.getAmount()), stack.getDurability(),
                            ApiItems.tag(stack));
                }
                if (index != Window.RESULT) {
                    window.updateResult();
                }
                if (player.isOnline() && player.inventory().open == window) {
                    show(index);
                    show(Window.RESULT);
                }
                return null;
            }
        });
    }

    private void show(int slot) {
        player.connection().send(PlayPackets.setSlot(window.id, slot, window.item(slot), window.count(slot),
                window.data(slot)));
    }

    private void check(int index) {
        if (index < 0 || index >= getSize()) {
            throw new ArrayIndexOutOfBoundsException(index);
        }
    }

    public String getName() {
        return getTitle();
    }

    public String getTitle() {
        return "Crafting";
    }

    public InventoryType getType() {
        return window.table ? InventoryType.WORKBENCH : InventoryType.CRAFTING;
    }

    public List<HumanEntity> getViewers() {
        List<HumanEntity> out = new ArrayList<HumanEntity>();
        synchronized (lock) {
            if (player.isOnline() && player.inventory().open == window) {
                out.add(player);
            }
        }
        return out;
    }

    public InventoryHolder getHolder() {
        return window.table ? null : player;
    }

    // --- the grid and its result, as a crafting inventory ---

    public ItemStack getResult() {
        return read(Window.RESULT);
    }

    /** The grid row by row, null for an empty cell. */
    public ItemStack[] getMatrix() {
        int n = getSize() - 1;
        ItemStack[] out = new ItemStack[n];
        for (int i = 0; i < n; i++) {
            out[i] = read(1 + i);
        }
        return out;
    }

    /** Shown in the result slot until the grid changes and the game makes the result anew. */
    public void setResult(ItemStack newResult) {
        write(Window.RESULT, newResult);
    }

    public void setMatrix(ItemStack[] contents) {
        int n = getSize() - 1;
        if (contents.length > n) {
            throw new IllegalArgumentException("Invalid inventory size; expected " + n + " or less");
        }
        for (int i = 0; i < n; i++) {
            write(1 + i, i < contents.length ? contents[i] : null);
        }
    }

    /** The recipe the grid makes now, or null. */
    public org.bukkit.inventory.Recipe getRecipe() {
        synchronized (lock) {
            net.cubeworks.world.crafting.Recipe r = window.recipe();
            return r == null ? null : ApiRecipes.fromBook(r);
        }
    }
}
