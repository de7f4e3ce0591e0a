package net.cubeworks.world.game.window;

import java.util.HashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.GameMode;
import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;

import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.BlockInventories;
import net.cubeworks.world.game.block.Hoppers;
import net.cubeworks.world.game.block.Jukeboxes;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.item.BlockSlots;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.ItemTagValues;

/**
 * The windows of the blocks with slots besides chests and furnaces: dispensers and droppers (9
 * slots), hoppers (5) and brewing stands (4; nothing brews yet). A right click opens one over the
 * block's own entity, several players may have it open at once, each is shown what the others
 * and the world (a hopper's moves) change in it, and it closes when the player walks away or the
 * block goes. Also where a right click on a block with a window goes: a furnace, one of these, a
 * chest.
 */
public final class BlockWindows {
    /** A block's window stays open within 8 blocks of its centre. */
    private static final double REACH_SQUARED = 64;

    private final BlockEntities entities;
    private final WorldBlocks blocks;
    private final Windows windows;
    private final FurnaceWindows furnaces;
    private final Jukeboxes jukeboxes;
    private final Hoppers hoppers;
    private final BlockInventories inventories;
    private final EnderInventories enders;
    /** Each player's ender chest as the plugin API sees it, made at the first ask. */
    private final Map<OnlinePlayer, Inventory> enderInventories = new java.util.WeakHashMap<OnlinePlayer, Inventory>();
    /** How many have each ender chest open, by place, as its lid was last shown. */
    private Map<Long, Integer> enderViewers = new HashMap<Long, Integer>();

    public BlockWindows(BlockEntities entities, WorldBlocks blocks, Windows windows, FurnaceWindows furnaces, Jukeboxes jukeboxes,
            Hoppers hoppers, BlockInventories inventories, EnderInventories enders) {
        this.entities = entities;
        this.blocks = blocks;
        this.windows = windows;
        this.furnaces = furnaces;
        this.jukeboxes = jukeboxes;
        this.hoppers = hoppers;
        this.inventories = inventories;
        this.enders = enders;
    }

    /** A right click on a block whose window opens (a furnace, a dispenser, a dropper, a hopper, a brewing stand, a chest), or a jukebox. */
    public void open(OnlinePlayer p, int x, int y, int z) {
        if (!furnaces.open(p, x, y, z) && !openSlots(p, x, y, z) && !useJukebox(p, x, y, z)) {
            windows.openChest(p, x, y, z);
        }
    }

    /** A jukebox takes the record in the player's hand, or gives back its own; false when the block is no jukebox. */
    private boolean useJukebox(OnlinePlayer p, int x, int y, int z) {
        int slot = p.handSlot();
        int r = jukeboxes.use(x, y, z, p.inventory().item(slot), p.inventory().data(slot), p.inventory().tag(slot));
        if (r == Jukeboxes.RECORD_IN && p.getGameMode() != GameMode.CREATIVE) {
            p.inventory().takeOne(slot);
            p.sendSlot(slot);
            p.showHeldItem();
        }
        return r != Jukeboxes.NOT_JUKEBOX;
    }

    /** Opens the window of a dispenser, dropper, hopper or brewing stand: false when the block is none of them. */
    private boolean openSlots(OnlinePlayer p, final int x, int y, final int z) {
        if (blocks.blockAt(x, y, z) == BlockIds.ENDER_CHEST) {
            openEnder(p, x, y, z);
            return true;
        }
        String kind = BlockEntity.kindOf(blocks.blockAt(x, y, z));
        int type;
        InventoryType api;
        if (BlockEntity.DISPENSER.equals(kind)) {
            type = Window.TYPE_DISPENSER;
            api = InventoryType.DISPENSER;
        } else if (BlockEntity.DROPPER.equals(kind)) {
            type = Window.TYPE_DROPPER;
            api = InventoryType.DROPPER;
        } else if (BlockEntity.HOPPER.equals(kind)) {
            type = Window.TYPE_HOPPER;
            api = InventoryType.HOPPER;
        } else if (BlockEntity.BREWING_STAND.equals(kind)) {
            type = Window.TYPE_BREWING;
            api = InventoryType.BREWING;
        } else {
            return false;
        }
        BlockEntity e = entities.at(x, y, z);
        if (!(e instanceof BlockEntity.Container)) {
            return true;
        }
        BlockEntity.Container c = (BlockEntity.Container) e;
        BlockSlots slots = new BlockSlots(c, kind, c.slots, new BlockSlots.Changes() {
            public void changed(BlockSlots s, HumanEntity by) {
                entities.changed(x, z);
                s.slotsToShow(); // the clicker's client shows them already
                hoppers.wake(s.block);
            }
        });
        String title = c.customName != null ? c.customName : "container." + titleOf(kind);
        Object inventory = inventories.at(x, y, z, api, c.slots.size());
        if (windows.openContainer(p, slots, type, title, inventory)) {
            slots.slotsToShow();
        }
        return true;
    }

    /** The player's own ender chest slots, in a chest's window ("container.enderchest"), whichever ender chest he opens. */
    private void openEnder(OnlinePlayer p, int x, int y, int z) {
        BlockSlots slots = new BlockSlots(null, BlockSlots.ENDER_CHEST, p.inventory().ender, new BlockSlots.Changes() {
            public void changed(BlockSlots s, HumanEntity by) {
                s.slotsToShow();
            }
        });
        slots.at = new int[] {x, y, z};
        Object inventory = enderInventory(p);
        if (windows.openContainer(p, slots, Window.TYPE_CHEST, "container.enderchest", inventory)) {
            slots.slotsToShow();
        }
    }

    /** The player's ender chest slots as the plugin API's inventory (type ENDER_CHEST, held by him). */
    public Inventory enderInventory(OnlinePlayer p) {
        synchronized (blocks.lock()) {
            Inventory c = enderInventories.get(p);
            if (c == null) {
                c = enders.of(p);
                enderInventories.put(p, c);
            }
            return c;
        }
    }

    private static String titleOf(String kind) {
        if (BlockEntity.DISPENSER.equals(kind)) {
            return "dispenser";
        }
        if (BlockEntity.DROPPER.equals(kind)) {
            return "dropper";
        }
        return BlockEntity.HOPPER.equals(kind) ? "hopper" : "brewing";
    }

    /** Each tick: every open block window shows what others changed in it, or closes when out of reach or gone. */
    public void tick(List<OnlinePlayer> all) {
        Map<Long, Integer> viewers = new HashMap<Long, Integer>();
        for (OnlinePlayer p : all) {
            if (p.inventory().open.container instanceof BlockSlots) {
                BlockSlots s = (BlockSlots) p.inventory().open.container;
                watch(p, s);
                if (s.at != null && p.inventory().open.container == s) {
                    long k = place(s.at[0], s.at[1], s.at[2]);
                    Integer n = viewers.get(k);
                    viewers.put(k, n == null ? 1 : n + 1);
                }
            }
        }
        showLids(viewers);
    }

    /** Ender chests' lids: up while anybody has one open there, down after (the game's Block Action to everybody near). */
    private void showLids(Map<Long, Integer> viewers) {
        if (viewers.equals(enderViewers)) {
            return;
        }
        java.util.Set<Long> places = new java.util.HashSet<Long>(enderViewers.keySet());
        places.addAll(viewers.keySet());
        for (long k : places) {
            Integer now = viewers.get(k);
            if (!java.util.Objects.equals(now, enderViewers.get(k))) {
                int x = (int) (k >> 38);
                int y = (int) (k << 52 >> 52);
                int z = (int) (k << 26 >> 38);
                if (blocks.blockAt(x, y, z) == BlockIds.ENDER_CHEST) {
                    blocks.blockAction(x, y, z, BlockIds.ENDER_CHEST, 1, Math.min(255, now == null ? 0 : now));
                }
            }
        }
        enderViewers = viewers;
    }

    private static long place(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | (y & 0xFFF);
    }

    private void watch(OnlinePlayer p, BlockSlots s) {
        BlockEntity.Container b = s.block;
        if (s.at != null) {
            double dx = p.x - (s.at[0] + 0.5);
            double dy = p.y - (s.at[1] + 0.5);
            double dz = p.z - (s.at[2] + 0.5);
            if (p.dead || dx * dx + dy * dy + dz * dz > REACH_SQUARED
                    || blocks.blockAt(s.at[0], s.at[1], s.at[2]) != BlockIds.ENDER_CHEST) {
                windows.close(p, true);
                return;
            }
        }
        if (b != null) {
            double dx = p.x - (b.x + 0.5);
            double dy = p.y - (b.y + 0.5);
            double dz = p.z - (b.z + 0.5);
            if (p.dead || dx * dx + dy * dy + dz * dz > REACH_SQUARED || !blocks.loaded(b.x, b.z)
                    || blocks.blockEntityAt(b.x, b.y, b.z) != b) {
                windows.close(p, true);
                return;
            }
        }
        int id = p.inventory().open.id;
        for (int i : s.slotsToShow()) {
            p.connection().send(PlayPackets.setSlot(id, i, s.item(i), s.count(i), s.data(i), ItemTagValues.gzipped(s.tag(i))));
        }
    }
}
