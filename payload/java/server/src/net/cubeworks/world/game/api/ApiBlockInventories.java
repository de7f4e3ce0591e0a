package net.cubeworks.world.game.api;

import java.lang.ref.WeakReference;
import java.util.HashMap;
import java.util.Map;
import java.util.WeakHashMap;

import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryHolder;

import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.SlotRow;

/** The inventories of the world's blocks as plugins see them, one face per block's slots. */
final class ApiBlockInventories {
    private final Object lock;
    private final GameThread thread;
    private final Players players;
    private final BlockEntities blockEntities;

    /**
     * The inventories of blocks whose slots their column keeps, by those slots: the same face while
     * anyone holds it, and nothing kept here once the column has let the block go and no plugin
     * holds its face.
     */
    private final Map<SlotRow, WeakReference<ApiContainer>> keptInventories =
            new WeakHashMap<SlotRow, WeakReference<ApiContainer>>();
    /** The inventories of blocks with slots the world does not keep (a beacon's), by place, for the session. */
    private final Map<Long, ApiContainer> sessionInventories = new HashMap<Long, ApiContainer>();

    ApiBlockInventories(Object lock, GameThread thread, Players players, BlockEntities blockEntities) {
        this.lock = lock;
        this.thread = thread;
        this.players = players;
        this.blockEntities = blockEntities;
    }

    /**
     * The block's inventory: over the slots of its block entity when it has slots of the size, else
     * (a beacon, or a block of another kind by now) slots of its own for the session.
     */
    Inventory at(final int x, int y, final int z, InventoryType type, int size, InventoryHolder holder) {
        long k = ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | (y & 0xFFF);
        synchronized (lock) {
            BlockEntity e = blockEntities.at(x, y, z);
            BlockEntity.Container block = e instanceof BlockEntity.Container
                    && ((BlockEntity.Container) e).slots.size() == size ? (BlockEntity.Container) e : null;
            WeakReference<ApiContainer> held = block == null ? null : keptInventories.get(block.slots);
            ApiContainer c = block != null ? (held == null ? null : held.get()) : sessionInventories.get(k);
            if (c == null || c.getType() != type) {
                SlotRow row = block != null ? block.slots : new SlotRow(size);
                String title = block != null && block.customName != null ? block.customName : type.getDefaultTitle();
                Runnable changed = block == null ? null : new Runnable() {
                    public void run() {
                        blockEntities.changed(x, z);
                    }
                };
                if (type == InventoryType.FURNACE) {
                    c = new ApiFurnaceSlots.Smelting(lock, thread, players, holder, row, title, changed);
                } else if (type == InventoryType.BREWING) {
                    c = new ApiFurnaceSlots.Brewing(lock, thread, players, holder, row, title, changed);
                } else {
                    c = new ApiContainer(lock, thread, players, holder, type, row, title, changed);
                }
                if (block != null) {
                    keptInventories.put(block.slots, new WeakReference<ApiContainer>(c));
                } else {
                    sessionInventories.put(k, c);
                }
            }
            return c;
        }
    }
}
