package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.Callable;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.InventoryHolder;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.item.ApiItems;
import net.cubeworks.world.game.item.ApiSlots;
import net.cubeworks.world.game.item.ContainerSlots;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.level.SlotRow;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.ItemTagValues;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.game.player.Players;

/**
 * An inventory a plugin made (Server.createInventory): slots the server keeps for as long as the
 * plugin holds it, opened as a window with HumanEntity.openInventory; or a block's, over the slots
 * its column keeps (saved with it). Reads take the world lock;
 * changes run on the game thread, and everybody who has it open is sent them, whether a
 * plugin or a click changed them.
 */
public class ApiContainer extends ApiSlots {
    private final ApiChanges changes;
    private final Object lock;
    private final Players players;
    private final InventoryType type;
    private final String title;
    private final InventoryHolder holder;
    private final SlotRow store;
    /** Told after every change of a block's slots (null for a plugin's inventory): its column is to be saved. */
    private final Runnable changed;
    final ContainerSlots slots = new ContainerSlots() {
        public int size() {
            return store.size();
        }

        public int item(int slot) {
            return store.item(slot);
        }

        public int count(int slot) {
            return store.count(slot);
        }

        public int data(int slot) {
            return store.data(slot);
        }

        public Object tag(int slot) {
            return store.tag(slot);
        }

        public void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
            store.set(slot, itemId, amount, itemData, itemTag);
            stored();
        }

        public void changedBy(org.bukkit.entity.HumanEntity viewer) {
            for (OnlinePlayer p : viewers()) {
                if (p != viewer) {
                    for (int i = 0; i < store.size(); i++) {
                        show(p, i);
                    }
                }
            }
        }
    };

    public ApiContainer(Object lock, GameThread thread, Players players, InventoryHolder holder, InventoryType type,
            int size, String title) {
        this(lock, thread, players, holder, type, new SlotRow(size), title, null);
    }

    /** Over a block's slots; changed is told after each change. */
    public ApiContainer(Object lock, GameThread thread, Players players, InventoryHolder holder, InventoryType type,
            SlotRow slots, String title, Runnable changed) {
        this.changes = new ApiChanges(lock, thread);
        this.lock = lock;
        this.players = players;
        this.holder = holder;
        this.type = type;
        this.title = title;
        this.store = slots;
        this.changed = changed;
    }

    /** The slots it shows. */
    SlotRow row() {
        return store;
    }

    private void stored() {
        if (changed != null) {
            changed.run();
        }
    }

    protected ItemStack read(int index) {
        check(index);
        synchronized (lock) {
            return ApiItems.stack(store.item(index), store.count(index), store.data(index), store.tag(index));
        }
    }

    protected void write(final int index, final ItemStack stack) {
        check(index);
        changes.call(new Callable<Void>() {
            public Void call() {
                if (stack == null || stack.getTypeId() <= 0 || stack.getAmount() <= 0) {
                    store.set(index, 0, 0, 0, null);
                } else {
                    store.set(index, stack.getTypeId(), Math.min(127, stack.getAmount()), stack.getDurability(),
                            ApiItems.tag(stack));
                }
                stored();
                for (OnlinePlayer p : viewers()) {
                    show(p, index);
                }
                return null;
            }
        });
    }

    private void show(OnlinePlayer p, int index) {
        p.connection().send(PlayPackets.setSlot(p.inventory().open.id, index, store.item(index), store.count(index),
                store.data(index), ItemTagValues.gzipped(store.tag(index))));
    }

    private void check(int index) {
        if (index < 0 || index >= store.size()) {
            throw new ArrayIndexOutOfBoundsException(index);
        }
    }

    /** Under the world lock: the online players who have this inventory open. */
    List<OnlinePlayer> viewers() {
        List<OnlinePlayer> out = new ArrayList<OnlinePlayer>();
        for (OnlinePlayer p : players.inJoinOrder()) {
            if (p.isOnline() && p.inventory().open.apiInventory == this) {
                out.add(p);
            }
        }
        return out;
    }

    public int getSize() {
        return store.size();
    }

    public String getName() {
        return title;
    }

    public String getTitle() {
        return title;
    }

    public InventoryType getType() {
        return type;
    }

    public List<HumanEntity> getViewers() {
        synchronized (lock) {
            return new ArrayList<HumanEntity>(viewers());
        }
    }

    public InventoryHolder getHolder() {
        return holder;
    }

    /** The window type it opens as; -1 for a kind the server shows no window of. */
    int windowType() {
        switch (type) {
            case CHEST:
            case ENDER_CHEST:
                return store.size() % 9 == 0 && store.size() <= 54 ? Window.TYPE_CHEST : -1;
            case DISPENSER:
                return Window.TYPE_DISPENSER;
            case DROPPER:
                return Window.TYPE_DROPPER;
            case HOPPER:
                return Window.TYPE_HOPPER;
            default:
                return -1;
        }
    }
}
