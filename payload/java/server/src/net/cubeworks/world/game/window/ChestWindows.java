package net.cubeworks.world.game.window;

import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.BlockInventories;
import net.cubeworks.world.game.block.Chest;
import net.cubeworks.world.game.block.ChestSlots;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;

/**
 * Chests' windows: one chest or both halves of a double one opened as one window over their own
 * block entities, shown anew to everybody else who has it open when one of them changes it, and
 * the lid up while anybody has it open.
 */
public final class ChestWindows {
    private final WorldBlocks blocks;
    private final BlockEntities entities;
    private final Players players;
    private final Windows windows;
    private final BlockInventories inventories;

    ChestWindows(WorldBlocks blocks, BlockEntities entities, Players players, Windows windows, BlockInventories inventories) {
        this.blocks = blocks;
        this.entities = entities;
        this.players = players;
        this.windows = windows;
        this.inventories = inventories;
    }

    /**
     * A right click on a chest: its window opens ("container.chest", or "container.chestDouble"
     * over both halves of a double chest, the western or northern first), and everybody near sees
     * its lid lift. Its slots are the chests' own block entities, shared by all who have it open.
     */
    void open(OnlinePlayer p, int x, int y, int z) {
        BlockEntity a = entities.at(x, y, z);
        if (!(a instanceof BlockEntity.Container) || ((BlockEntity.Container) a).slots.size() != 27) {
            return;
        }
        int[] o = Chest.otherHalf(blocks, x, y, z);
        BlockEntity b = o == null ? null : entities.at(o[0], o[1], o[2]);
        if (!(b instanceof BlockEntity.Container) || ((BlockEntity.Container) b).slots.size() != 27) {
            b = null;
            o = null;
        }
        BlockEntity.Container first = (BlockEntity.Container) a;
        BlockEntity.Container second = (BlockEntity.Container) b;
        int[][] places = o == null ? new int[][] {{x, y, z}} : new int[][] {{x, y, z}, o};
        if (o != null && (o[0] < x || o[2] < z)) {
            first = (BlockEntity.Container) b;
            second = (BlockEntity.Container) a;
            places = new int[][] {o, {x, y, z}};
        }
        ChestSlots slots = new ChestSlots(first.slots, second == null ? null : second.slots, places,
                new ChestSlots.Changes() {
                    public void changed(ChestSlots s, org.bukkit.entity.HumanEntity by) {
                        for (int[] at : s.places) {
                            entities.changed(at[0], at[2]);
                        }
                        for (OnlinePlayer q : players.inJoinOrder()) {
                            if (q != by && q.inventory().open.container instanceof ChestSlots
                                    && sameChest((ChestSlots) q.inventory().open.container, s)) {
                                windows.resend(q);
                            }
                        }
                    }
                });
        String title = first.customName != null ? first.customName
                : second != null ? "container.chestDouble" : "container.chest";
        Object api = inventories.at(places[0][0], places[0][1], places[0][2],
                org.bukkit.event.inventory.InventoryType.CHEST, 27);
        if (windows.openContainer(p, slots, Window.TYPE_CHEST, title, api)) {
            showLid(slots);
        }
    }

    /** Something other than a click in a window (a hopper's move) changed the chest at the place: everybody who has it open is shown it anew. */
    void changedAt(int x, int y, int z) {
        for (OnlinePlayer p : players.inJoinOrder()) {
            Object open = p.inventory().open.container;
            if (open instanceof ChestSlots && ((ChestSlots) open).shows(x, y, z)) {
                windows.resend(p);
            }
        }
    }

    private static boolean sameChest(ChestSlots a, ChestSlots b) {
        for (int[] at : b.places) {
            if (a.shows(at[0], at[1], at[2])) {
                return true;
            }
        }
        return false;
    }

    /** Block Action of the chest's lid to everybody near: open while anybody has it open. */
    void showLid(ChestSlots chest) {
        int viewers = 0;
        for (OnlinePlayer q : players.inJoinOrder()) {
            if (q.isOnline() && q.inventory().open.container instanceof ChestSlots
                    && sameChest((ChestSlots) q.inventory().open.container, chest)) {
                viewers++;
            }
        }
        for (int[] at : chest.places) {
            int id = blocks.blockAt(at[0], at[1], at[2]);
            if (id == BlockIds.CHEST || id == BlockIds.TRAPPED_CHEST) {
                blocks.blockAction(at[0], at[1], at[2], id, 1, Math.min(viewers, 255));
            }
        }
    }
}
