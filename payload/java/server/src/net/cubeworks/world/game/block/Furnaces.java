package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.game.event.FurnaceEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.Column;

/**
 * The world's furnaces at work: each one that burns or has fuel and something to smelt does its
 * tick ({@link Smelter}) while its column is held, watched or not, and becomes the lit furnace
 * while it burns and the unlit one after (its facing and contents kept). A furnace's times as
 * plugins read and set them.
 */
public final class Furnaces {
    /** How often the held columns are looked through for furnaces that have work (read from disk, changed by a plugin). */
    private static final int LOOK_TICKS = 20;

    private final BlockEntities entities;
    private final WorldBlocks blocks;
    private final ColumnCache cache;
    private final GameHost host;
    /** The world as plugins see it: the block a furnace event names. */
    private final org.bukkit.World api;
    private final SmeltingBook book = SmeltingBook.standard();
    /** The furnaces that have work, in the order they were found. */
    private final Set<BlockEntity.Furnace> working = new LinkedHashSet<BlockEntity.Furnace>();

    public Furnaces(BlockEntities entities, WorldBlocks blocks, ColumnCache cache, GameHost host, org.bukkit.World api) {
        this.entities = entities;
        this.blocks = blocks;
        this.cache = cache;
        this.host = host;
        this.api = api;
    }

    /** The furnaces at work now (for the benchmark and tests). */
    public int working() {
        return working.size();
    }

    /** What smelts into what, what burns how long, and the experience of each result. */
    public SmeltingBook book() {
        return book;
    }

    /** The furnace may have work now (its slots or times changed): it is ticked from the next tick. */
    public void wake(BlockEntity.Furnace f) {
        working.add(f);
    }

    /** The flame's full height is the fuel's burn time; a furnace read from disk takes it from its fuel slot. */
    public void fuelTime(BlockEntity.Furnace f) {
        if (f.fuelTime <= 0 && f.burnTime > 0) {
            int t = book.burnTicks(f.slots.item(Smelter.FUEL));
            f.fuelTime = t > 0 ? t : f.burnTime;
        }
    }

    /** One tick of every furnace with work. */
    public void tick(long tick) {
        if (tick % LOOK_TICKS == 0) {
            lookForWork();
        }
        Iterator<BlockEntity.Furnace> it = working.iterator();
        List<BlockEntity.Furnace> relit = null;
        while (it.hasNext()) {
            BlockEntity.Furnace f = it.next();
            if (!blocks.loaded(f.x, f.z) || blocks.blockEntityAt(f.x, f.y, f.z) != f) {
                it.remove(); // broken, or its column left memory: it is found again when it comes back
                continue;
            }
            fuelTime(f);
            int done = Smelter.tick(f, book, events(f));
            if ((done & Smelter.CHANGED) != 0) {
                entities.changed(f.x, f.z);
            }
            if ((done & Smelter.LIT_CHANGED) != 0) {
                if (relit == null) {
                    relit = new ArrayList<BlockEntity.Furnace>();
                }
                relit.add(f);
            }
            if (!Smelter.busy(f, book)) {
                it.remove();
            }
        }
        for (int i = 0; relit != null && i < relit.size(); i++) {
            light(relit.get(i));
        }
    }

    private Smelter.Events events(final BlockEntity.Furnace f) {
        return new Smelter.Events() {
            public int[] burn(BlockEntity.Furnace furnace, int fuelId, int fuelData, int ticks) {
                return FurnaceEvents.burn(host, api.getBlockAt(f.x, f.y, f.z), fuelId, fuelData, ticks);
            }

            public int[] smelt(BlockEntity.Furnace furnace, int inputId, int inputData, int[] result) {
                return FurnaceEvents.smelt(host, api.getBlockAt(f.x, f.y, f.z), inputId, inputData, result);
            }
        };
    }

    /**
     * The block becomes the lit furnace while it burns, the unlit one after, with its data (its
     * facing) and its block entity kept; everybody who has the column sees it, the light follows.
     */
    private void light(BlockEntity.Furnace f) {
        int was = blocks.blockAt(f.x, f.y, f.z);
        int want = f.burnTime > 0 ? BlockIds.LIT_FURNACE : BlockIds.FURNACE;
        if (was == want || was != BlockIds.FURNACE && was != BlockIds.LIT_FURNACE) {
            return;
        }
        long k = blocks.setBlockUnseen(f.x, f.y, f.z, want, blocks.metaAt(f.x, f.y, f.z));
        if (k == WorldBlocks.NO_COLUMN) {
            return;
        }
        Column c = cache.held(k);
        if (c != null) {
            c.putBlockEntity(f); // the new block's empty entity gives way to the furnace's own
        }
        blocks.showBlock(f.x, f.y, f.z, k, null);
        blocks.blockChanged(f.x, f.y, f.z, was);
    }

    /** Every second: furnaces of the held columns that have work and are not at it yet (read from disk, changed by a plugin). */
    private void lookForWork() {
        for (Column c : cache.heldColumns()) {
            for (BlockEntity e : c.blockEntities()) {
                if (e instanceof BlockEntity.Furnace && !working.contains(e) && Smelter.busy((BlockEntity.Furnace) e, book)) {
                    working.add((BlockEntity.Furnace) e);
                }
            }
        }
    }

    /** The furnace's burn time (cook false) or cook time (true) in ticks; 0 where the block is no furnace. */
    public short time(int x, int y, int z, boolean cook) {
        BlockEntity e = entities.at(x, y, z);
        if (!(e instanceof BlockEntity.Furnace)) {
            return 0;
        }
        return (short) (cook ? ((BlockEntity.Furnace) e).cookTime : ((BlockEntity.Furnace) e).burnTime);
    }

    /** Sets the furnace's burn time (cook false) or cook time (true); nothing where the block is no furnace. */
    public void setTime(int x, int y, int z, boolean cook, short ticks) {
        BlockEntity e = entities.at(x, y, z);
        if (e instanceof BlockEntity.Furnace) {
            if (cook) {
                ((BlockEntity.Furnace) e).cookTime = ticks;
            } else {
                ((BlockEntity.Furnace) e).burnTime = ticks;
            }
            entities.changed(x, z);
            wake((BlockEntity.Furnace) e);
        }
    }
}
