package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Collection;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import net.cubeworks.world.level.Items;

/**
 * Stacks of one item that come near each other on the ground merge into the larger, as far as
 * one stack holds. The items that moved this tick ask for it; their neighbours are found through
 * a grid of block columns made once for the tick.
 */
final class StackMerging {
    /** An item merges with those within half a block beside its box, at its own height. */
    static final double MERGE_ACROSS = 2 * ItemEntity.HALF + 0.5;

    /** The items by the block column they are in, made on the first merge of the tick. */
    private Map<Long, List<ItemEntity>> grid;
    private final Collection<ItemEntity> live;

    /** A merging over the world's items on the ground, for one tick. */
    StackMerging(Collection<ItemEntity> live) {
        this.live = live;
    }

    /** Merges the item with the stacks near it. */
    void mergeNear(ItemEntity item) {
        if (grid == null) {
            grid = grid(live);
        }
        for (ItemEntity other : around(grid, item.x, item.z, MERGE_ACROSS)) {
            if (item.isRemoved()) {
                return;
            }
            if (other == item || other.isRemoved() || Math.abs(other.x - item.x) >= MERGE_ACROSS
                    || Math.abs(other.z - item.z) >= MERGE_ACROSS
                    || Math.abs(other.y - item.y) >= 2 * ItemEntity.HALF) {
                continue;
            }
            merge(item, other);
        }
    }

    /**
     * The game's merge of two stacks of one item: the smaller goes into the larger when both
     * fit one stack; the one left keeps the longer pickup delay and the younger age. True when
     * they merged.
     */
    static boolean merge(ItemEntity a, ItemEntity b) {
        if (a == b || a.isRemoved() || b.isRemoved() || !a.sameItem(b)) {
            return false;
        }
        int max = Items.maxStack(a.itemId());
        if (a.count() >= max || b.count() >= max || a.count() + b.count() > max) {
            return false;
        }
        ItemEntity into = b.count() < a.count() ? a : b;
        ItemEntity from = into == a ? b : a;
        into.setStack(into.itemId(), into.count() + from.count(), into.data(), into.tag());
        into.pickupDelay = Math.max(into.pickupDelay, from.pickupDelay);
        into.age = Math.min(into.age, from.age);
        from.markRemoved();
        return true;
    }

    /** A block column's key, its bits mixed (a one-to-one map) so that neighbouring columns hash apart. */
    private static long cell(int bx, int bz) {
        return ((long) bx << 32 | (bz & 0xFFFFFFFFL)) * 0x9E3779B97F4A7C15L;
    }

    /** The items by the block column they are in. */
    private static Map<Long, List<ItemEntity>> grid(Collection<ItemEntity> live) {
        Map<Long, List<ItemEntity>> grid = new HashMap<Long, List<ItemEntity>>();
        for (ItemEntity item : live) {
            if (item.isRemoved()) {
                continue;
            }
            long k = cell(ItemEntity.floor(item.x), ItemEntity.floor(item.z));
            List<ItemEntity> in = grid.get(k);
            if (in == null) {
                in = new ArrayList<ItemEntity>(2);
                grid.put(k, in);
            }
            in.add(item);
        }
        return grid;
    }

    /** The items in the block columns within reach across of the place. */
    private static List<ItemEntity> around(Map<Long, List<ItemEntity>> grid, double x, double z, double reach) {
        List<ItemEntity> out = new ArrayList<ItemEntity>();
        for (int bx = ItemEntity.floor(x - reach); bx <= ItemEntity.floor(x + reach); bx++) {
            for (int bz = ItemEntity.floor(z - reach); bz <= ItemEntity.floor(z + reach); bz++) {
                List<ItemEntity> in = grid.get(cell(bx, bz));
                if (in != null) {
                    out.addAll(in);
                }
            }
        }
        return out;
    }
}
