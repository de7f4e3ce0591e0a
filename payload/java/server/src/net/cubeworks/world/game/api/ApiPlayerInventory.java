package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.Callable;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.item.ApiItems;
import net.cubeworks.world.game.item.ApiSlots;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameThread;

/**
 * A player's inventory in the plugin API's numbering (0 to 8 the hot bar, 9 to 35 the rest, 36
 * to 39 the armour from the boots up) over the game's window slots. Reads take the world lock;
 * changes run on the game thread and the client is sent the slots that changed.
 */
public final class ApiPlayerInventory extends ApiSlots implements org.bukkit.inventory.PlayerInventory {
    /** Slots the API counts in getSize and getContents: the armour is apart. */
    static final int SIZE = 36;
    private final OnlinePlayer player;
    private final ApiChanges changes;
    private final Object lock;

    public ApiPlayerInventory(Object lock, GameThread thread, OnlinePlayer player) {
        this.changes = new ApiChanges(lock, thread);
        this.lock = lock;
        this.player = player;
    }

    /** The window slot of an API index: 0-8 are 36-44, 9-35 themselves, 36-39 are 8 down to 5. */
    static int windowSlot(int index) {
        return PlayerInventory.slotOfApiIndex(index);
    }

    protected ItemStack read(int index) {
        int slot = windowSlot(index);
        synchronized (lock) {
            PlayerInventory inv = player.inventory();
            return ApiItems.stack(inv.item(slot), inv.count(slot), inv.data(slot), inv.tag(slot));
        }
    }

    protected void write(final int index, final ItemStack stack) {
        final int slot = windowSlot(index);
        changes.call(new Callable<Void>() {
            public Void call() {
                PlayerInventory inv = player.inventory();
                int held = inv.item(player.handSlot());
                if (stack == null || stack.getTypeId() <= 0 || stack.getAmount() <= 0) {
                    inv.set(slot, 0, 0, 0, null);
                } else {
                    inv.set(slot, stack.getTypeId(), Math.min(127, stack.getAmount()), stack.getDurability(),
                            ApiItems.tag(stack));
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

    /** Clearing takes the armour too. */
    protected int slotCount() {
        return SIZE + 4;
    }

    /** The player whose inventory this is. */
    OnlinePlayer owner() {
        return player;
    }

    public String getName() {
        return "container.inventory";
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
        synchronized (lock) {
            return player.heldSlot;
        }
    }

    /** Puts another hot-bar slot in the hand; the client is told. */
    public void setHeldItemSlot(final int slot) {
        if (slot < 0 || slot > 8) {
            throw new IllegalArgumentException("Slot is not between 0 and 8 inclusive");
        }
        changes.call(new Callable<Void>() {
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
