package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.game.event.HopperEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.SlotRow;

/**
 * The world's hoppers at work while their columns are held, as in the game: a hopper not turned
 * off by power moves one item every 8 ticks, first out of itself into the container it faces, then
 * into itself from the container above it or, with none there, the items lying on it (as many as
 * fit). A double chest is one container to it. What moves is asked of the plugins.
 */
public final class Hoppers {
    static final int MOVE_TICKS = 8;
    /** How often the held columns are looked through for hoppers (read from disk, placed). */
    private static final int LOOK_TICKS = 20;

    private final BlockEntities entities;
    private final WorldBlocks blocks;
    private final ColumnCache cache;
    private final GroundItems items;
    private final GameHost host;
    private final BlockInventories inventories;
    private final Furnaces furnaces;
    /** The windows open over a chest, shown its slots anew after a move. */
    private final SlotViewers chestViewers;
    private final SmeltingBook book = SmeltingBook.standard();
    private final Set<BlockEntity.Hopper> working = new LinkedHashSet<BlockEntity.Hopper>();
    /** The items lying in each block this tick, by place; made once a tick when a hopper looks. */
    private Map<Long, List<ItemEntity>> lying;

    public Hoppers(BlockEntities entities, WorldBlocks blocks, ColumnCache cache, GroundItems items, GameHost host,
            BlockInventories inventories, Furnaces furnaces, SlotViewers chestViewers) {
        this.entities = entities;
        this.blocks = blocks;
        this.cache = cache;
        this.items = items;
        this.host = host;
        this.inventories = inventories;
        this.furnaces = furnaces;
        this.chestViewers = chestViewers;
    }

    public int working() {
        return working.size();
    }

    /** A container changed: when it is a hopper, it is at work from the next tick. */
    public void wake(BlockEntity.Container c) {
        if (c instanceof BlockEntity.Hopper) {
            working.add((BlockEntity.Hopper) c);
        }
    }

    public void tick(long tick) {
        if (tick % LOOK_TICKS == 0) {
            for (Column c : cache.heldColumns()) {
                for (BlockEntity e : c.blockEntities()) {
                    if (e instanceof BlockEntity.Hopper) {
                        working.add((BlockEntity.Hopper) e);
                    }
                }
            }
        }
        lying = null;
        Iterator<BlockEntity.Hopper> it = working.iterator();
        while (it.hasNext()) {
            BlockEntity.Hopper h = it.next();
            if (!blocks.loaded(h.x, h.z) || blocks.blockEntityAt(h.x, h.y, h.z) != h) {
                it.remove();
                continue;
            }
            if (h.cooldown > 0 && --h.cooldown > 0) {
                continue;
            }
            int data = blocks.metaAt(h.x, h.y, h.z);
            if (HopperMoves.off(data)) {
                continue;
            }
            boolean moved = !empty(h.slots) && push(h, HopperMoves.facing(data));
            moved = !full(h.slots) && pull(h) || moved;
            if (moved) {
                h.cooldown = MOVE_TICKS;
                entities.changed(h.x, h.z);
            }
        }
    }

    private static boolean empty(SlotRow r) {
        for (int i = 0; i < r.size(); i++) {
            if (r.count(i) > 0) {
                return false;
            }
        }
        return true;
    }

    private static boolean full(SlotRow r) {
        for (int i = 0; i < r.size(); i++) {
            if (r.count(i) < Math.min(64, net.cubeworks.world.level.Items.maxStack(r.item(i))) || r.count(i) == 0) {
                return false;
            }
        }
        return true;
    }

    /** A container a hopper reaches: its kind, its rows (a double chest's two, western or northern first), their blocks. */
    private static final class Target {
        String kind;
        SlotRow[] rows;
        BlockEntity.Container[] blocks;

        int size() {
            return rows.length * rows[0].size();
        }
    }

    private Target containerAt(int x, int y, int z) {
        if (y < 0 || y > 255 || !blocks.loaded(x, z)) {
            return null;
        }
        String kind = BlockEntity.kindOf(blocks.blockAt(x, y, z));
        BlockEntity e = kind == null || BlockEntity.SIGN.equals(kind) ? null : entities.at(x, y, z);
        if (!(e instanceof BlockEntity.Container)) {
            return null;
        }
        Target t = new Target();
        t.kind = kind;
        t.blocks = new BlockEntity.Container[] {(BlockEntity.Container) e};
        if (BlockEntity.CHEST.equals(kind)) {
            int[] o = Chest.otherHalf(blocks, x, y, z);
            BlockEntity other = o == null || !blocks.loaded(o[0], o[2]) ? null : entities.at(o[0], o[1], o[2]);
            if (other instanceof BlockEntity.Container) {
                boolean otherFirst = o[0] < x || o[2] < z;
                t.blocks = otherFirst ? new BlockEntity.Container[] {(BlockEntity.Container) other, t.blocks[0]}
                        : new BlockEntity.Container[] {t.blocks[0], (BlockEntity.Container) other};
            }
        }
        t.rows = new SlotRow[t.blocks.length];
        for (int i = 0; i < t.blocks.length; i++) {
            t.rows[i] = t.blocks[i].slots;
        }
        return t;
    }

    private void changed(Target t) {
        for (BlockEntity.Container c : t.blocks) {
            entities.changed(c.x, c.z);
            if (BlockEntity.CHEST.equals(c.id)) {
                chestViewers.changedAt(c.x, c.y, c.z); // the other containers' windows look each tick
            }
            wake(c);
            if (c instanceof BlockEntity.Furnace) {
                furnaces.wake((BlockEntity.Furnace) c);
            }
        }
    }

    private Inventory inventory(BlockEntity.Container c) {
        InventoryType type = InventoryType.CHEST;
        for (InventoryType i : new InventoryType[] {InventoryType.FURNACE, InventoryType.DISPENSER, InventoryType.DROPPER,
                InventoryType.HOPPER, InventoryType.BREWING}) {
            if (c.slots.size() == i.getDefaultSize() && kindOfType(i).equals(c.id)) {
                type = i;
            }
        }
        return inventories.at(c.x, c.y, c.z, type, c.slots.size());
    }

    private static String kindOfType(InventoryType t) {
        switch (t) {
            case FURNACE:
                return BlockEntity.FURNACE;
            case DISPENSER:
                return BlockEntity.DISPENSER;
            case DROPPER:
                return BlockEntity.DROPPER;
            case HOPPER:
                return BlockEntity.HOPPER;
            default:
                return BlockEntity.BREWING_STAND;
        }
    }

    /** One item of the hopper into the container it faces; false when none went. */
    private boolean push(BlockEntity.Hopper h, int[] f) {
        Target t = containerAt(h.x + f[0], h.y + f[1], h.z + f[2]);
        if (t == null) {
            return false;
        }
        int[] slots = HopperMoves.slotsInto(t.kind, t.rows[0].size(), f[1] < 0);
        SlotRow from = h.slots;
        for (int i = 0; i < from.size(); i++) {
            if (from.count(i) == 0) {
                continue;
            }
            int[] item = {from.item(i), 1, from.data(i)};
            if (HopperEvents.movesWatched()) {
                item = HopperEvents.move(host, inventory(h), inventory(t.blocks[0]), true, item[0], 1, item[2]);
                if (item == null) {
                    h.cooldown = MOVE_TICKS; // refused: the hopper waits as after a move
                    return false;
                }
            }
            Object tag = item[0] == from.item(i) ? from.tag(i) : null;
            if (HopperMoves.put(t.rows, t.kind, slots, item[0], item[1], item[2], tag, book) == item[1]) {
                from.set(i, from.item(i), from.count(i) - 1, from.data(i), from.tag(i));
                changed(t);
                return true;
            }
        }
        return false;
    }

    /** One item from the container above into the hopper, or with none there the items lying on it; false when nothing came. */
    private boolean pull(BlockEntity.Hopper h) {
        SlotRow[] into = {h.slots};
        int[] all = HopperMoves.slotsInto(BlockEntity.HOPPER, 5, true);
        Target t = containerAt(h.x, h.y + 1, h.z);
        if (t != null) {
            int[] slots = HopperMoves.slotsOutOf(t.kind, t.rows[0].size());
            for (SlotRow row : t.rows) {
                for (int s : slots) {
                    if (s >= row.size() || row.count(s) == 0 || !HopperMoves.mayTake(t.kind, s, row.item(s))) {
                        continue;
                    }
                    int[] item = {row.item(s), 1, row.data(s)};
                    if (HopperEvents.movesWatched()) {
                        item = HopperEvents.move(host, inventory(t.blocks[0]), inventory(h), false, item[0], 1, item[2]);
                        if (item == null) {
                            h.cooldown = MOVE_TICKS;
                            return false;
                        }
                    }
                    Object tag = item[0] == row.item(s) ? row.tag(s) : null;
                    if (HopperMoves.put(into, BlockEntity.HOPPER, all, item[0], item[1], item[2], tag, book) == item[1]) {
                        row.set(s, row.item(s), row.count(s) - 1, row.data(s), row.tag(s));
                        changed(t);
                        return true;
                    }
                }
            }
            return false;
        }
        boolean took = false;
        // what lies on it, or has fallen into its bowl
        List<ItemEntity> on = new ArrayList<ItemEntity>(lyingAt(h.x, h.y + 1, h.z));
        on.addAll(lyingAt(h.x, h.y, h.z));
        for (ItemEntity item : on) {
            if (item.isRemoved() || item.count() <= 0 || !HopperEvents.pickup(host, inventory(h), item)) {
                continue;
            }
            int in = HopperMoves.put(into, BlockEntity.HOPPER, all, item.itemId(), item.count(), item.data(), item.tag(), book);
            if (in > 0) {
                item.setStack(item.itemId(), item.count() - in, item.data(), item.tag());
                took = true;
            }
        }
        return took;
    }

    private static long place(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | (y & 0xFFF);
    }

    private List<ItemEntity> lyingAt(int x, int y, int z) {
        if (lying == null) {
            lying = new HashMap<Long, List<ItemEntity>>();
            for (ItemEntity i : items.all()) {
                long k = place((int) Math.floor(i.x), (int) Math.floor(i.y), (int) Math.floor(i.z));
                List<ItemEntity> l = lying.get(k);
                if (l == null) {
                    l = new ArrayList<ItemEntity>(2);
                    lying.put(k, l);
                }
                l.add(i);
            }
        }
        List<ItemEntity> l = lying.get(place(x, y, z));
        return l == null ? java.util.Collections.<ItemEntity>emptyList() : l;
    }
}
