package net.cubeworks.world.game;

import net.cubeworks.world.game.block.Chest;
import net.cubeworks.world.game.block.ChestSlots;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Chests' windows: one chest or both halves of a double one opened as one window over their own
 * block entities, shown anew to everybody else who has it open when one of them changes it, and
 * the lid up while anybody has it open.
 */
final class ChestWindows {
    private final GameWorld world;
    private final Players players;
    private final Windows windows;
    private final Interaction interaction;

    ChestWindows(GameWorld world, Players players, Windows windows, Interaction interaction) {
        this.world = world;
        this.players = players;
        this.windows = windows;
        this.interaction = interaction;
    }

    /**
     * A right click on a chest: its window opens ("container.chest", or "container.chestDouble"
     * over both halves of a double chest, the western or northern first), and everybody near sees
     * its lid lift. Its slots are the chests' own block entities, shared by all who have it open.
     */
    void open(OnlinePlayer p, int x, int y, int z) {
        BlockEntity a = BlockEntities.at(world, x, y, z);
        if (!(a instanceof BlockEntity.Container) || ((BlockEntity.Container) a).slots.size() != 27) {
            return;
        }
        int[] o = Chest.otherHalf(world.blocks(), x, y, z);
        BlockEntity b = o == null ? null : BlockEntities.at(world, o[0], o[1], o[2]);
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
                            BlockEntities.changed(world, at[0], at[2]);
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
        Object api = world.api().blockInventory(places[0][0], places[0][1], places[0][2],
                org.bukkit.event.inventory.InventoryType.CHEST, 27, null);
        if (windows.openContainer(p, slots, Window.TYPE_CHEST, title, api)) {
            showLid(slots);
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
            int id = world.blocks().blockAt(at[0], at[1], at[2]);
            if (id == BlockIds.CHEST || id == BlockIds.TRAPPED_CHEST) {
                interaction.toOthersNear(null, at[0], at[1], at[2], Interaction.EFFECT_DISTANCE,
                        PlayPackets.blockAction(at[0], at[1], at[2], 1, Math.min(viewers, 255), id).frame());
            }
        }
    }
}
