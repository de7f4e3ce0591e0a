package net.cubeworks.world.game.window;

import java.util.function.LongSupplier;

import org.bukkit.GameMode;

import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.BlockInventories;
import net.cubeworks.world.game.block.ChestSlots;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.item.ContainerSlots;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.item.WindowClicks;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerCollectors;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.storage.ItemTagValues;

/**
 * The players' windows on the game thread: clicks answered with Confirm Transaction,
 * crafting tables opened, windows closed. A click the client saw otherwise than the server
 * is refused: the client is sent the whole window again and every click of it is ignored
 * until it confirms the refusal, as the game does.
 */
public final class Windows {
    /** A table is used from within 8 blocks of its centre. */
    private static final double REACH_SQUARED = 64;

    private final WorldBlocks blocks;
    private final GroundItems items;
    /** The world's tick now: what a click throws out is thrown in it. */
    private final LongSupplier currentTick;
    private final InventoryEvents events;
    private final ChestWindows chests;

    public Windows(WorldBlocks blocks, GroundItems items, LongSupplier currentTick, InventoryEvents events, Players players,
            BlockEntities entities, BlockInventories inventories) {
        this.blocks = blocks;
        this.items = items;
        this.currentTick = currentTick;
        this.events = events;
        this.chests = new ChestWindows(blocks, entities, players, this, inventories);
    }

    /** A right click on a chest: its window opens over one chest or both halves of a double one. */
    public void openChest(OnlinePlayer p, int x, int y, int z) {
        chests.open(p, x, y, z);
    }

    /** Something other than a click in a window (a hopper's move) changed the chest at the place: its viewers are shown it anew. */
    public void chestChangedAt(int x, int y, int z) {
        chests.changedAt(x, y, z);
    }

    /** Click Window from the client. A click for a window that is no longer open is ignored. */
    public void click(OnlinePlayer p, PlayReads.Click c) {
        PlayerInventory inv = p.inventory();
        // walked away, died, or the table is gone: the table's window closes, the click may be for the own one
        checkOpen(p);
        Window w = inv.open;
        if (c.window != w.id || inv.awaitingConfirm || !p.isOnline()) {
            return;
        }
        int[] before = snapshot(w);
        int hand = handItem(p);
        WindowClicks.Outcome o = clicked(p, w, c);
        boolean accepted = o.matches(c.item.id, c.item.count, c.item.damage);
        p.connection().send(PlayPackets.confirmTransaction(w.id, c.action, accepted));
        // the server's click stands, refused or not: what it threw falls, a container is kept and shown
        throwOut(p);
        if (w.isContainer()) {
            w.container.changedBy(p);
        }
        if (accepted) {
            sendChanges(p, w, before);
        } else {
            inv.awaitingConfirm = true;
            inv.refusedWindow = w.id;
            inv.refusedAction = c.action;
            sendWindow(p, w);
        }
        if (handItem(p) != hand) {
            p.showHeldItem();
        }
    }

    /** What the click threw out of the window goes on the ground. */
    private void throwOut(OnlinePlayer p) {
        PlayerInventory inv = p.inventory();
        if (inv.thrown.isEmpty()) {
            return;
        }
        java.util.List<PlayerInventory.Waiting> thrown = new java.util.ArrayList<PlayerInventory.Waiting>(inv.thrown);
        inv.thrown.clear();
        for (PlayerInventory.Waiting t : thrown) {
            items.playerThrow(PlayerCollectors.of(p), t.id, t.count, t.data, t.tag, currentTick.getAsLong());
        }
    }

    /** Closes a table's window whose player died, walked out of reach, or whose table is gone; each tick and before a click. */
    public void checkOpen(OnlinePlayer p) {
        Window w = p.inventory().open;
        if ((w.table || w.isContainer()) && (p.dead || !inReach(p, w))) {
            close(p, true);
        }
    }

    /** The one place a click is applied, once the plugins let it: a cancelled click moves nothing and is refused. */
    private WindowClicks.Outcome clicked(OnlinePlayer p, Window w, PlayReads.Click c) {
        if (!events.mayClick(p, w, c.slot, c.button, c.mode)) {
            return WindowClicks.REFUSED;
        }
        return WindowClicks.click(w, c.slot, c.button, c.mode, p.getGameMode() == GameMode.CREATIVE);
    }

    /** Confirm Transaction from the client: after a refusal, its clicks count again once it names the refused one. */
    public void confirm(OnlinePlayer p, PlayReads.Confirm c) {
        PlayerInventory inv = p.inventory();
        if (inv.awaitingConfirm && c.window == inv.refusedWindow && c.action == inv.refusedAction
                && c.window == inv.open.id) {
            inv.awaitingConfirm = false;
        }
    }

    /** Close Window from the client. */
    public void closedByClient(OnlinePlayer p, int window) {
        if (window == p.inventory().open.id) {
            close(p, false);
        }
    }

    /**
     * Right-click on a crafting table: its window opens (any other one closed first). False
     * when the player is out of reach or dead.
     */
    public boolean openTable(OnlinePlayer p, int x, int y, int z) {
        PlayerInventory inv = p.inventory();
        if (p.dead || !p.isOnline()) {
            return false;
        }
        Window w = Window.craftingTable(inv.lastWindowId % 100 + 1, x, y, z, inv);
        if (!inReach(p, w)) {
            return false;
        }
        if (inv.open.table) {
            close(p, true);
        }
        if (!events.mayOpen(p, w)) {
            return false;
        }
        inv.lastWindowId = w.id;
        opened(p, w);
        return true;
    }

    /** The one place a window opens, after the plugins let it. */
    private void opened(OnlinePlayer p, Window w) {
        PlayerInventory inv = p.inventory();
        inv.open = w;
        inv.awaitingConfirm = false;
        inv.dragStage = 0;
        inv.dragSlots.clear();
        if (w.isContainer()) {
            // the game's own names ("container.chest") the client translates; a given name it shows as it is
            boolean given = !(w.container instanceof ChestSlots || w.container instanceof net.cubeworks.world.game.item.FurnaceSlots
                    || w.container instanceof net.cubeworks.world.game.item.BlockSlots)
                    || !w.title.startsWith("container.");
            p.connection().send(PlayPackets.openWindow(w.id, w.containerType, w.title, w.container.size(), given));
        } else {
            p.connection().send(PlayPackets.openWindow(w.id, Window.TYPE_CRAFTING, "Crafting", 9, true));
        }
        sendWindow(p, w);
    }

    /**
     * Closes the open window (the player's own grid and cursor count as one), handing what
     * lies in its grid and on the cursor back to the inventory; tellClient sends Close Window.
     */
    public void close(OnlinePlayer p, boolean tellClient) {
        PlayerInventory inv = p.inventory();
        Window w = inv.open;
        if (tellClient && (w.table || w.isContainer())) {
            p.connection().send(PlayPackets.closeWindow(w.id));
        }
        closing(p, w);
        inv.open = inv.own;
        inv.awaitingConfirm = false;
        if (w.container instanceof ChestSlots) {
            chests.showLid((ChestSlots) w.container);
        }
        p.sendInventory();
        p.connection().send(cursorPacket(inv));
        p.showHeldItem();
    }

    /** The one place a window closes: the plugins are told, then the grid and cursor are handed back. */
    private void closing(OnlinePlayer p, Window w) {
        events.closing(p, w);
        PlayerInventory inv = p.inventory();
        inv.dragStage = 0;
        inv.dragSlots.clear();
        inv.handBack(w);
        fallAtFeet(p);
    }

    /** What did not fit back into the inventory falls at the player's feet, as in the game. */
    private void fallAtFeet(OnlinePlayer p) {
        PlayerInventory inv = p.inventory();
        for (PlayerInventory.Waiting item : inv.waiting) {
            items.fallAtFeet(p, p.getName(), item.id, item.count, item.data, item.tag);
        }
        inv.waiting.clear();
    }

    /**
     * Opens a container's window for the player (the open one closed first), once the plugins
     * let it; false when the player cannot have one now or a plugin kept it shut.
     */
    public boolean openContainer(OnlinePlayer p, ContainerSlots slots, int type, String title, Object apiInventory) {
        PlayerInventory inv = p.inventory();
        if (p.dead || !p.isOnline()) {
            return false;
        }
        if (inv.open != inv.own) {
            close(p, true);
        }
        String shown = title == null ? "" : title.length() > 32 ? title.substring(0, 32) : title;
        Window w = Window.container(inv.lastWindowId % 100 + 1, slots, type, shown, apiInventory, inv);
        if (!events.mayOpen(p, w)) {
            return false;
        }
        inv.lastWindowId = w.id;
        opened(p, w);
        return true;
    }

    /** Opens a crafting table's window at the place; anywhere: one that needs no table near. */
    public boolean openWorkbench(OnlinePlayer p, int x, int y, int z, boolean anywhere) {
        if (!anywhere) {
            return openTable(p, x, y, z);
        }
        PlayerInventory inv = p.inventory();
        if (p.dead || !p.isOnline()) {
            return false;
        }
        if (inv.open != inv.own) {
            close(p, true);
        }
        Window w = Window.craftingTable(inv.lastWindowId % 100 + 1, x, Window.ANYWHERE, z, inv);
        if (!events.mayOpen(p, w)) {
            return false;
        }
        inv.lastWindowId = w.id;
        opened(p, w);
        return true;
    }

    /** Sends the open window whole again (another viewer changed what it shows). */
    void resend(OnlinePlayer p) {
        sendWindow(p, p.inventory().open);
    }

    /** What the player has open, for the plugin API. */
    public org.bukkit.inventory.InventoryView view(OnlinePlayer p) {
        return events.view(p, p.inventory().open);
    }

    /**
     * The player leaves: his window is closed, and his own crafting grid emptied too when another
     * window was open; what lay in a grid or on the cursor goes back into the inventory, and what
     * does not fit falls at his feet.
     */
    public void leave(OnlinePlayer p) {
        PlayerInventory inv = p.inventory();
        Window was = inv.open;
        closing(p, was);
        inv.open = inv.own;
        if (was.container instanceof ChestSlots) {
            chests.showLid((ChestSlots) was.container);
        }
        if (was != inv.own) {
            inv.handBack(inv.own);
            fallAtFeet(p);
        }
    }

    private boolean inReach(OnlinePlayer p, Window w) {
        if (w.container instanceof OtherPlayerSlots) {
            // another player's inventory stays open while its owner is online
            return ((OtherPlayerSlots) w.container).owner.isOnline();
        }
        if (w.container instanceof ChestSlots) {
            // a chest stays open while it is there (both halves) and the player within 8 blocks
            for (int[] at : ((ChestSlots) w.container).places) {
                int id = blocks.blockAt(at[0], at[1], at[2]);
                if (id != BlockIds.CHEST && id != BlockIds.TRAPPED_CHEST) {
                    return false;
                }
            }
            int[] at = ((ChestSlots) w.container).places[0];
            double dx = p.x - (at[0] + 0.5);
            double dy = p.y - (at[1] + 0.5);
            double dz = p.z - (at[2] + 0.5);
            return dx * dx + dy * dy + dz * dz <= REACH_SQUARED;
        }
        if (!w.table || w.tableY == Window.ANYWHERE) {
            return true;
        }
        if (w.tableY < 0 || w.tableY > 255 || blocks.blockAt(w.tableX, w.tableY, w.tableZ) != BlockIds.CRAFTING_TABLE) {
            return false;
        }
        double dx = p.x - (w.tableX + 0.5);
        double dy = p.y - (w.tableY + 0.5);
        double dz = p.z - (w.tableZ + 0.5);
        return dx * dx + dy * dy + dz * dz <= REACH_SQUARED;
    }

    private static int handItem(OnlinePlayer p) {
        int s = p.handSlot();
        return p.inventory().item(s) << 16 ^ p.inventory().count(s) << 8 ^ p.inventory().data(s);
    }

    /** Each slot and then the cursor as {id, count, damage}, one after another. */
    private static int[] snapshot(Window w) {
        int n = w.size();
        int[] s = new int[(n + 1) * 3];
        for (int i = 0; i <= n; i++) {
            int slot = i == n ? Window.CURSOR : i;
            s[i * 3] = w.item(slot);
            s[i * 3 + 1] = w.count(slot);
            s[i * 3 + 2] = w.data(slot);
        }
        return s;
    }

    /** Set Slot for every slot (and the cursor) that changed since the snapshot. */
    private static void sendChanges(OnlinePlayer p, Window w, int[] before) {
        int[] after = snapshot(w);
        int n = w.size();
        for (int i = 0; i <= n; i++) {
            if (before[i * 3] == after[i * 3] && before[i * 3 + 1] == after[i * 3 + 1]
                    && before[i * 3 + 2] == after[i * 3 + 2]) {
                continue;
            }
            if (i == n) {
                p.connection().send(cursorPacket(w.inventory()));
            } else {
                p.connection().send(PlayPackets.setSlot(w.id, i, w.item(i), w.count(i), w.data(i),
                        ItemTagValues.gzipped(w.tag(i))));
            }
        }
    }

    /** Window Items for the whole window, then the cursor. */
    private static void sendWindow(OnlinePlayer p, Window w) {
        int n = w.size();
        int[] ids = new int[n];
        int[] counts = new int[n];
        int[] damages = new int[n];
        byte[][] tags = new byte[n][];
        for (int i = 0; i < n; i++) {
            ids[i] = w.item(i);
            counts[i] = w.count(i);
            damages[i] = w.data(i);
            tags[i] = ItemTagValues.gzipped(w.tag(i));
        }
        p.connection().send(PlayPackets.windowItems(w.id, ids, counts, damages, tags));
        p.connection().send(cursorPacket(w.inventory()));
    }

    private static net.cubeworks.world.protocol.PacketOut cursorPacket(PlayerInventory inv) {
        int c = PlayerInventory.CURSOR;
        return PlayPackets.setSlot(-1, -1, inv.item(c), inv.count(c), inv.data(c), ItemTagValues.gzipped(inv.tag(c)));
    }
}
