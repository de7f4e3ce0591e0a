package net.cubeworks.world.game.window;

import java.util.List;

import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;

import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.BlockInventories;
import net.cubeworks.world.game.block.Furnaces;
import net.cubeworks.world.game.block.Smelter;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.event.FurnaceEvents;
import net.cubeworks.world.game.item.FurnaceSlots;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.ItemTagValues;

/**
 * Furnaces' windows: opened by a right click over the furnace's own block entity, shown its slots
 * and bars as they change, closed when the player walks away or the furnace goes; what a player
 * takes from the result gives its experience as orbs at his feet.
 */
public final class FurnaceWindows {
    /** A furnace's window stays open within 8 blocks of its centre. */
    private static final double REACH_SQUARED = 64;

    private final Furnaces furnaces;
    private final BlockEntities entities;
    private final WorldBlocks blocks;
    private final GroundItems items;
    private final GameHost host;
    /** The world as plugins see it: the block a furnace event names. */
    private final org.bukkit.World api;
    private final BlockInventories inventories;
    private final Windows windows;

    public FurnaceWindows(Furnaces furnaces, BlockEntities entities, WorldBlocks blocks, GroundItems items, GameHost host,
            org.bukkit.World api, BlockInventories inventories, Windows windows) {
        this.furnaces = furnaces;
        this.entities = entities;
        this.blocks = blocks;
        this.items = items;
        this.host = host;
        this.api = api;
        this.inventories = inventories;
        this.windows = windows;
    }

    /** A right click on the block: true when it is a furnace, whose window then opens for the player. */
    boolean open(OnlinePlayer p, int x, int y, int z) {
        int id = blocks.blockAt(x, y, z);
        if (id != BlockIds.FURNACE && id != BlockIds.LIT_FURNACE) {
            return false;
        }
        BlockEntity e = entities.at(x, y, z);
        if (!(e instanceof BlockEntity.Furnace)) {
            return true;
        }
        final BlockEntity.Furnace f = (BlockEntity.Furnace) e;
        FurnaceSlots slots = new FurnaceSlots(f, furnaces.book(), new FurnaceSlots.Changes() {
            public void changed(FurnaceSlots s, HumanEntity by) {
                clicked(s, by);
            }
        });
        Object inventory = inventories.at(x, y, z, InventoryType.FURNACE, 3);
        String title = f.customName != null ? f.customName : "container.furnace";
        if (windows.openContainer(p, slots, Window.TYPE_FURNACE, title, inventory)) {
            slots.slotsToShow(); // the window was just sent whole
            furnaces.fuelTime(f);
            showBars(p, slots);
        }
        return true;
    }

    /** After a click of a viewer: saved with its column, woken, and what he took from the result gives experience. */
    private void clicked(FurnaceSlots s, HumanEntity by) {
        BlockEntity.Furnace f = s.furnace;
        entities.changed(f.x, f.z);
        furnaces.wake(f);
        s.slotsToShow(); // the clicker's client shows them already
        int[] taken = s.takeTaken();
        if (taken != null && by instanceof OnlinePlayer) {
            OnlinePlayer p = (OnlinePlayer) by;
            int points = Smelter.experience(taken[2], furnaces.book().experience(taken[0], taken[1]), blocks.random());
            points = FurnaceEvents.extract(host, p, api.getBlockAt(f.x, f.y, f.z), taken[0], taken[2], points);
            if (points > 0) {
                items.dropExperience(p.x, p.y + 0.5, p.z + 0.5, points);
            }
        }
    }

    /** After the furnaces' tick: what each open furnace window shows. */
    public void tick(List<OnlinePlayer> all) {
        for (OnlinePlayer p : all) {
            if (p.inventory().open.container instanceof FurnaceSlots) {
                watch(p, (FurnaceSlots) p.inventory().open.container);
            }
        }
    }

    /** A viewer's window: closed when the furnace is gone or he is out of reach, else shown what changed. */
    private void watch(OnlinePlayer p, FurnaceSlots s) {
        BlockEntity.Furnace f = s.furnace;
        double dx = p.x - (f.x + 0.5);
        double dy = p.y - (f.y + 0.5);
        double dz = p.z - (f.z + 0.5);
        if (p.dead || dx * dx + dy * dy + dz * dz > REACH_SQUARED || !blocks.loaded(f.x, f.z)
                || blocks.blockEntityAt(f.x, f.y, f.z) != f) {
            windows.close(p, true);
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
