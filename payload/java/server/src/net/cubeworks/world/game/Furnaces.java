package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.game.block.Smelter;
import net.cubeworks.world.game.event.FurnaceEvents;
import net.cubeworks.world.game.item.FurnaceSlots;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.ItemTagValues;
import net.cubeworks.world.game.block.WorldBlocks;

/**
 * The world's furnaces at work: each one that burns or has fuel and something to smelt does its
 * tick ({@link Smelter}) while its column is held, watched or not, and becomes the lit furnace
 * while it burns and the unlit one after (its facing and contents kept). Their windows: opened by
 * a right click over the furnace's own block entity, shown its slots and bars as they change,
 * closed when the player walks away or the furnace goes; what a player takes from the result
 * gives its experience as orbs at his feet.
 */
final class Furnaces {
    /** A furnace's window stays open within 8 blocks of its centre. */
    private static final double REACH_SQUARED = 64;
    /** How often the held columns are looked through for furnaces that have work (read from disk, changed by a plugin). */
    private static final int LOOK_TICKS = 20;

    private final Game game;
    private final GameWorld world;
    private final SmeltingBook book = SmeltingBook.standard();
    /** The furnaces that have work, in the order they were found. */
    private final Set<BlockEntity.Furnace> working = new LinkedHashSet<BlockEntity.Furnace>();

    Furnaces(Game game, GameWorld world) {
        this.game = game;
        this.world = world;
    }

    /** The furnaces at work now (for the benchmark and tests). */
    int working() {
        return working.size();
    }

    /** The furnace may have work now (its slots or times changed): it is ticked from the next tick. */
    void wake(BlockEntity.Furnace f) {
        working.add(f);
    }

    /** A right click on the block: true when it is a furnace, whose window then opens for the player. */
    boolean open(OnlinePlayer p, int x, int y, int z) {
        int id = world.blocks().blockAt(x, y, z);
        if (id != BlockIds.FURNACE && id != BlockIds.LIT_FURNACE) {
            return false;
        }
        BlockEntity e = BlockEntities.at(world, x, y, z);
        if (!(e instanceof BlockEntity.Furnace)) {
            return true;
        }
        final BlockEntity.Furnace f = (BlockEntity.Furnace) e;
        FurnaceSlots slots = new FurnaceSlots(f, book, new FurnaceSlots.Changes() {
            public void changed(FurnaceSlots s, HumanEntity by) {
                clicked(s, by);
            }
        });
        Object api = world.api().blockInventory(x, y, z, InventoryType.FURNACE, 3, null);
        String title = f.customName != null ? f.customName : "container.furnace";
        Windows windows = world.interaction().windows();
        if (windows.openContainer(p, slots, Window.TYPE_FURNACE, title, api)) {
            slots.slotsToShow(); // the window was just sent whole
            fuelTime(f);
            showBars(p, slots);
        }
        return true;
    }

    /** After a click of a viewer: saved with its column, woken, and what he took from the result gives experience. */
    private void clicked(FurnaceSlots s, HumanEntity by) {
        BlockEntity.Furnace f = s.furnace;
        BlockEntities.changed(world, f.x, f.z);
        working.add(f);
        s.slotsToShow(); // the clicker's client shows them already
        int[] taken = s.takeTaken();
        if (taken != null && by instanceof OnlinePlayer) {
            OnlinePlayer p = (OnlinePlayer) by;
            int points = Smelter.experience(taken[2], book.experience(taken[0], taken[1]), world.blocks().random());
            points = FurnaceEvents.extract(game.host(), p, world.api().getBlockAt(f.x, f.y, f.z), taken[0], taken[2], points);
            if (points > 0) {
                world.items().dropExperience(p.x, p.y + 0.5, p.z + 0.5, points);
            }
        }
    }

    /** The flame's full height is the fuel's burn time; a furnace read from disk takes it from its fuel slot. */
    private void fuelTime(BlockEntity.Furnace f) {
        if (f.fuelTime <= 0 && f.burnTime > 0) {
            int t = book.burnTicks(f.slots.item(Smelter.FUEL));
            f.fuelTime = t > 0 ? t : f.burnTime;
        }
    }

    /** One tick of every furnace with work, then what their windows show. */
    void tick(long tick, List<OnlinePlayer> all) {
        if (tick % LOOK_TICKS == 0) {
            lookForWork();
        }
        Iterator<BlockEntity.Furnace> it = working.iterator();
        List<BlockEntity.Furnace> relit = null;
        while (it.hasNext()) {
            BlockEntity.Furnace f = it.next();
            if (!world.blocks().loaded(f.x, f.z) || world.blocks().blockEntityAt(f.x, f.y, f.z) != f) {
                it.remove(); // broken, or its column left memory: it is found again when it comes back
                continue;
            }
            fuelTime(f);
            int done = Smelter.tick(f, book, events(f));
            if ((done & Smelter.CHANGED) != 0) {
                BlockEntities.changed(world, f.x, f.z);
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
        for (OnlinePlayer p : all) {
            if (p.inventory().open.container instanceof FurnaceSlots) {
                watch(p, (FurnaceSlots) p.inventory().open.container);
            }
        }
    }

    private Smelter.Events events(final BlockEntity.Furnace f) {
        return new Smelter.Events() {
            public int[] burn(BlockEntity.Furnace furnace, int fuelId, int fuelData, int ticks) {
                return FurnaceEvents.burn(game.host(), world.api().getBlockAt(f.x, f.y, f.z), fuelId, fuelData, ticks);
            }

            public int[] smelt(BlockEntity.Furnace furnace, int inputId, int inputData, int[] result) {
                return FurnaceEvents.smelt(game.host(), world.api().getBlockAt(f.x, f.y, f.z), inputId, inputData, result);
            }
        };
    }

    /**
     * The block becomes the lit furnace while it burns, the unlit one after, with its data (its
     * facing) and its block entity kept; everybody who has the column sees it, the light follows.
     */
    private void light(BlockEntity.Furnace f) {
        int was = world.blocks().blockAt(f.x, f.y, f.z);
        int want = f.burnTime > 0 ? BlockIds.LIT_FURNACE : BlockIds.FURNACE;
        if (was == want || was != BlockIds.FURNACE && was != BlockIds.LIT_FURNACE) {
            return;
        }
        long k = world.blocks().setBlockUnseen(f.x, f.y, f.z, want, world.blocks().metaAt(f.x, f.y, f.z));
        if (k == WorldBlocks.NO_COLUMN) {
            return;
        }
        Column c = world.cache().held(k);
        if (c != null) {
            c.putBlockEntity(f); // the new block's empty entity gives way to the furnace's own
        }
        world.blocks().showBlock(f.x, f.y, f.z, k, null);
        world.blocks().blockChanged(f.x, f.y, f.z, was);
    }

    /** Every second: furnaces of the held columns that have work and are not at it yet (read from disk, changed by a plugin). */
    private void lookForWork() {
        for (Column c : world.cache().heldColumns()) {
            for (BlockEntity e : c.blockEntities()) {
                if (e instanceof BlockEntity.Furnace && !working.contains(e) && Smelter.busy((BlockEntity.Furnace) e, book)) {
                    working.add((BlockEntity.Furnace) e);
                }
            }
        }
    }

    /** A viewer's window: closed when the furnace is gone or he is out of reach, else shown what changed. */
    private void watch(OnlinePlayer p, FurnaceSlots s) {
        BlockEntity.Furnace f = s.furnace;
        double dx = p.x - (f.x + 0.5);
        double dy = p.y - (f.y + 0.5);
        double dz = p.z - (f.z + 0.5);
        if (p.dead || dx * dx + dy * dy + dz * dz > REACH_SQUARED || !world.blocks().loaded(f.x, f.z)
                || world.blocks().blockEntityAt(f.x, f.y, f.z) != f) {
            world.interaction().windows().close(p, true);
            return;
        }
        int id = p.inventory().open.id;
        int changed = s.slotsToShow();
        for (int i = 0; i < 3; i++) {
            if ((changed & 1 << i) != 0) {
                p.connection().send(PlayPackets.setSlot(id, i, s.item(i), s.count(i), s.data(i), ItemTagValues.gzipped(s.tag(i))));
            }
        }
        showBars(p, s);
    }

    private static void showBars(OnlinePlayer p, FurnaceSlots s) {
        int[] bars = s.barsToShow();
        for (int i = 0; i < bars.length; i += 2) {
            p.connection().send(PlayPackets.windowProperty(p.inventory().open.id, bars[i], bars[i + 1]));
        }
    }
}
