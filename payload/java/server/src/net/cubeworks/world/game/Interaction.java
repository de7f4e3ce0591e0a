package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.GameMode;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.block.BlockBehaviours;
import net.cubeworks.world.game.block.BlockRules;
import net.cubeworks.world.game.event.ActionEvents;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.BlockTable;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.SlotRow;
import net.cubeworks.world.level.Tools;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;

/** What players do to blocks and to their inventory: digging, placing, the item in hand, creative slots. */
final class Interaction {
    /** Digs and placements one player may make in one tick; more are refused. */
    static final int ACTIONS_PER_TICK = 8;
    /**
     * Arm swings and held item changes one player may send in one tick before it is kicked.
     * A 1.7 client sends at most one swing in each of its own ticks while it digs, one for
     * each click of its player, and a held item change only when its slot changed, which it
     * checks once a tick: well under a hundred a second. Packets that were held up on the
     * way arrive together, so the bound leaves room for twenty seconds of them at once; a
     * client that sends more in 50 ms is flooding. What the viewers get of these is one
     * swing and one held item a tick whatever is sent, so this bound only spares the game
     * thread the flood.
     */
    static final int RELAYED_PER_TICK = 2000;
    static final String FLOOD_REASON = "Kicked for flooding: too many arm swings or item changes";
    /** How far from a block others see its cracks, and its break. */
    static final double CRACKS_DISTANCE = 32;
    static final double EFFECT_DISTANCE = 64;
    /** The helmet's slot in the inventory window. */
    private static final int HELMET = 5;
    private static final int[][] FACE = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

    private final Game game;
    private final GameWorld world;
    private final java.util.Random random = new java.util.Random();
    /** The players digging now, so the cracks of one who leaves mid-dig are taken away. */
    private final java.util.Set<OnlinePlayer> diggers = new java.util.LinkedHashSet<OnlinePlayer>();
    private final Windows windows;
    private final BlockBehaviours blocks = new BlockBehaviours();

    Interaction(Game game, GameWorld world) {
        this.game = game;
        this.world = world;
        this.windows = new Windows(game, world, this);
    }

    /** The players' windows: clicks, crafting tables, closing. */
    Windows windows() {
        return windows;
    }

    private boolean protectedAt(OnlinePlayer p, int x, int z) {
        int radius = game.properties().spawnProtection();
        if (radius <= 0 || game.access().opNames().isEmpty() || p.isOp()) {
            return false;
        }
        LevelState level = world.level();
        return Math.max(Math.abs(x - level.spawnX), Math.abs(z - level.spawnZ)) <= radius;
    }

    private static boolean knows(OnlinePlayer p, int x, int z) {
        return p.known.contains(ColumnKey.of(x >> 4, z >> 4));
    }

    private void refuseBlock(OnlinePlayer p, int x, int y, int z) {
        if (y >= 0 && y <= 255 && knows(p, x, z)) {
            p.connection().send(PlayPackets.blockChange(x, y, z, world.blockAt(x, y, z), world.metaAt(x, y, z)));
        }
    }

    /**
     * Player Digging. Creative players break a block on the start (status 0). Survival players
     * break a block without hardness on the start, and any other when they finish (status 2)
     * after digging it long enough (see {@link Digging}); a cancel (status 1) stops the dig. A
     * refused start or finish sends the block back.
     */
    void dig(OnlinePlayer p, PlayReads.BlockAction a) {
        int status = a.kind;
        int x = a.x;
        int y = a.y;
        int z = a.z;
        boolean creative = p.getGameMode() == GameMode.CREATIVE;
        if (status == 3 || status == 4) {
            // dropping items is not modelled: the plugins hear of it, the client gets its slot back
            ActionEvents.drop(game.host(), p, status == 3);
            p.sendSlot(p.handSlot());
            return;
        }
        if (status == 1) {
            stopDigging(p);
            return;
        }
        if (status == 5) {
            world.eating().release(p); // the client let go of the item it was using
            return;
        }
        if (status == 0 && !world.blockEvents().leftClick(p, x, y, z, a.face)) {
            stopDigging(p);
            return;
        }
        if (status != 0 && status != 2 || creative && status == 2) {
            return;
        }
        if (p.dead || p.getGameMode() == GameMode.ADVENTURE || ++p.actionsThisTick > ACTIONS_PER_TICK
                || y < 0 || y > 255 || !knows(p, x, z)) {
            refuseDig(p, x, y, z);
            return;
        }
        double dx = p.x - (x + 0.5);
        double dy = p.y - (y + 0.5) + 1.5;
        double dz = p.z - (z + 0.5);
        int id = world.blockAt(x, y, z);
        BlockTable.Block block = BlockTable.of(id);
        if (dx * dx + dy * dy + dz * dz > 36 || protectedAt(p, x, z) || id == 0) {
            refuseDig(p, x, y, z);
            return;
        }
        // a hit on a block with fire on the face hit puts the fire out; a creative player breaks nothing else
        if (status == 0 && putOutFire(p, x, y, z, a.face) && creative) {
            return;
        }
        if (block.unbreakable() && !creative) {
            refuseDig(p, x, y, z);
            return;
        }
        if (creative) {
            if (!world.blockEvents().mayBreak(p, x, y, z)) {
                return;
            }
            int meta = world.metaAt(x, y, z);
            takeAway(p, x, y, z, id, meta, otherHalf(p, id, meta, x, y, z), 0);
            return;
        }
        float perTick = atBest(p, block);
        long now = world.currentTick();
        if (status == 0) {
            stopDigging(p);
            int answer = ActionEvents.digStart(game.host(), p, x, y, z, perTick >= 1f);
            if (answer == ActionEvents.DIG_REFUSED) {
                refuseBlock(p, x, y, z);
                return;
            }
            if (perTick >= 1f || answer == ActionEvents.DIG_AT_ONCE) {
                breakBlock(p, x, y, z, id, block);
                return;
            }
            p.digging.start(x, y, z, now);
            diggers.add(p);
            showCracks(p, Digging.stage(Digging.dug(perTick, 0)));
            return;
        }
        // the finish: on the block started on, once enough of it is dug
        boolean enough = p.digging.at(x, y, z) && Digging.dug(perTick, p.digging.ticksSince(now)) >= Digging.FINISH_AT;
        if (!enough) {
            refuseDig(p, x, y, z);
            return;
        }
        stopDigging(p);
        breakBlock(p, x, y, z, id, block);
    }

    /**
     * The share of the block a tick of the player's digging takes, at the most it can be: an
     * item or helmet with data of its own may be enchanted (Efficiency, Aqua Affinity), which
     * is not read, so it is judged as if it were at its best. A client that breaks the block
     * at the first hit or finishes early with such an item is believed.
     */
    private float atBest(OnlinePlayer p, BlockTable.Block block) {
        int hand = p.handSlot();
        boolean helmet = p.inventory().tag(HELMET) != null;
        float efficiency = p.inventory().tag(hand) != null ? Digging.MOST_EFFICIENCY : 0f;
        return Digging.perTick(p.inventory().item(hand), block, p.onGround, inWater(p) && !helmet, efficiency);
    }

    /** A start or finish that is not taken: the dig is over, the block goes back to the client. */
    private void refuseDig(OnlinePlayer p, int x, int y, int z) {
        stopDigging(p);
        refuseBlock(p, x, y, z);
    }

    /** The player's eyes are in water: digging goes at a fifth of the speed. */
    private boolean inWater(OnlinePlayer p) {
        int ey = (int) Math.floor(p.y + GameWorld.EYE_HEIGHT);
        if (ey < 0 || ey > 255) {
            return false;
        }
        int bx = (int) Math.floor(p.x);
        int bz = (int) Math.floor(p.z);
        if (!knows(p, bx, bz)) {
            return false;
        }
        return "water".equals(BlockTable.of(world.blockAt(bx, ey, bz)).material);
    }

    /** Ends the player's dig, if any, and takes its cracks away from the viewers. */
    void stopDigging(OnlinePlayer p) {
        if (p.digging.active()) {
            showCracks(p, Digging.NO_CRACKS);
            p.digging.stop();
        }
        diggers.remove(p);
    }

    /** Shows the cracks of the player's dig at the stage to the others within 32 blocks, when it changed. */
    private void showCracks(OnlinePlayer p, int stage) {
        Digging d = p.digging;
        if (stage == d.shownStage()) {
            return;
        }
        d.shown(stage);
        toOthersNear(p, d.x(), d.y(), d.z(), CRACKS_DISTANCE,
                PlayPackets.blockBreakAnimation(p.getEntityId(), d.x(), d.y(), d.z(), stage).frame());
    }

    private void toOthersNear(OnlinePlayer p, int x, int y, int z, double distance, byte[] frame) {
        long column = ColumnKey.of(x >> 4, z >> 4);
        for (OnlinePlayer q : game.players().inJoinOrder()) {
            if (q == p || !q.known.contains(column)) {
                continue;
            }
            double dx = q.x - (x + 0.5);
            double dy = q.y - (y + 0.5);
            double dz = q.z - (z + 0.5);
            if (dx * dx + dy * dy + dz * dz < distance * distance) {
                q.connection().sendFrame(frame);
            }
        }
    }

    /** In the tick: the cracks of every dig as far as it has gone, to the viewers. */
    private void growCracks(OnlinePlayer p) {
        Digging d = p.digging;
        if (!d.active()) {
            return;
        }
        int id = world.blockAt(d.x(), d.y(), d.z());
        if (id == 0 || p.dead) {
            stopDigging(p);
            return;
        }
        float perTick = Digging.perTick(p.inventory().item(p.handSlot()), BlockTable.of(id), p.onGround, inWater(p));
        showCracks(p, Digging.stage(Digging.dug(perTick, d.ticksSince(world.currentTick()))));
    }

    /**
     * A survival player breaks the block: what the item in hand harvests of it, and what a
     * container held, goes into the inventory, the item wears, the others see the block break. What does not fit keeps the
     * block where it is (items on the ground do not exist here), so nothing is lost.
     */
    private void breakBlock(OnlinePlayer p, int x, int y, int z, int id, BlockTable.Block block) {
        int slot = p.handSlot();
        int held = p.inventory().item(slot);
        int meta = world.metaAt(x, y, z);
        // a door, bed or tall flower goes whole; its lower half (the foot) says what it gives
        int[] other = otherHalf(p, id, meta, x, y, z);
        int dropMeta = other != null && !BlockTable.mainHalf(meta) ? world.metaAt(other[0], other[1], other[2]) : meta;
        List<BlockTable.Stack> drops = Tools.harvests(held, block)
                ? block.roll(dropMeta, held == Tools.SHEARS_ITEM, random)
                : java.util.Collections.<BlockTable.Stack>emptyList();
        PlayerInventory trial = p.inventory().copy();
        for (BlockTable.Stack s : drops) {
            if (!trial.give(s.item, s.count, s.data, new ArrayList<Integer>())) {
                refuseBlock(p, x, y, z);
                return;
            }
        }
        SlotRow contents = BlockEntities.contents(world, x, y, z); // a container's items come along
        if (!BlockEntities.give(contents, trial, new ArrayList<Integer>())) {
            refuseBlock(p, x, y, z);
            return;
        }
        if (!world.blockEvents().mayBreak(p, x, y, z)) {
            return; // a plugin kept the block: nothing taken, nothing dropped, nothing worn
        }
        takeAway(p, x, y, z, id, meta, other, blocks.of(id).leftAfterBreak(world, x, y, z));
        world.hunger().exhaust(p, Hunger.BREAK);
        List<Integer> changed = new ArrayList<Integer>();
        for (BlockTable.Stack s : drops) {
            p.inventory().give(s.item, s.count, s.data, changed);
        }
        BlockEntities.give(contents, p.inventory(), changed);
        Tools.Tool tool = Tools.of(held);
        int wear = Tools.wear(held, block);
        if (tool != null && wear > 0) {
            int heldData = p.inventory().data(slot);
            p.inventory().wear(slot, wear, tool.maxDamage); // a tool worn out is gone from the hand
            changed.add(slot);
            if (p.inventory().item(slot) != held) {
                ActionEvents.itemBroke(game.host(), p, new ItemStack(held, 1, (short) heldData));
            }
        }
        for (int s : new java.util.LinkedHashSet<Integer>(changed)) {
            p.sendSlot(s);
        }
        if (p.inventory().item(slot) != held) {
            showHeldItem(p);
        }
    }

    /**
     * Takes a broken block away, with the other half of a two-piece one, leaving the block
     * left (air, or water for ice); the others near see it break.
     */
    private void takeAway(OnlinePlayer p, int x, int y, int z, int id, int meta, int[] other, int left) {
        world.setBlock(x, y, z, left, 0);
        if (other != null) {
            world.setBlock(other[0], other[1], other[2], 0, 0);
        }
        toOthersNear(p, x, y, z, EFFECT_DISTANCE,
                PlayPackets.effect(PlayPackets.EFFECT_BLOCK_BREAK, x, y, z, id | meta << 12, false).frame());
    }

    /**
     * A hit on a block's face may put out what is on that face (a fire); true when it did, and
     * everybody near hears it.
     */
    private boolean putOutFire(OnlinePlayer p, int x, int y, int z, int face) {
        if (face < 0 || face > 5) {
            return false;
        }
        int fx = x + FACE[face][0];
        int fy = y + FACE[face][1];
        int fz = z + FACE[face][2];
        if (fy < 0 || fy > 255 || !knows(p, fx, fz) || protectedAt(p, fx, fz)
                || !blocks.of(world.blockAt(fx, fy, fz)).hitBeside(p, world, fx, fy, fz)) {
            return false;
        }
        toOthersNear(null, fx, fy, fz, EFFECT_DISTANCE,
                PlayPackets.effect(PlayPackets.EFFECT_FIRE_OUT, fx, fy, fz, 0, false).frame());
        return true;
    }

    /** The other half of a two-piece block, where the player's client has it and it is there; else null. */
    private int[] otherHalf(OnlinePlayer p, int id, int meta, int x, int y, int z) {
        int[] o = BlockTable.otherHalf(id, meta, x, y, z);
        if (o == null || o[1] < 0 || o[1] > 255 || !knows(p, o[0], o[2]) || world.blockAt(o[0], o[1], o[2]) != id
                || BlockTable.mainHalf(world.metaAt(o[0], o[1], o[2])) == BlockTable.mainHalf(meta)) {
            return null;
        }
        return o;
    }

    /** Player Block Placement against the face of the clicked block. */
    void place(OnlinePlayer p, PlayReads.BlockAction a) {
        int face = a.kind;
        if (!world.blockEvents().rightClick(p, a.x, a.y, a.z, face)) {
            return; // denied by a plugin
        }
        if (face < 0 || face > 5) {
            world.eating().use(p); // "use item" in the air: food in hand is eaten
            return;
        }
        int x = a.x;
        int y = a.y;
        int z = a.z;
        int slot = p.handSlot();
        if (opensWindow(p, x, y, z)) {
            return;
        }
        int tx = x + FACE[face][0];
        int ty = y + FACE[face][1];
        int tz = z + FACE[face][2];
        int limit = game.properties().maxBuildHeight();
        if (ty >= limit && ty <= 255 && BlockRules.placeable(p.inventory().item(slot))) {
            p.sendMessage("\u00a7cHeight limit for building is " + limit + " blocks");
        }
        boolean ok = ty < limit && !p.dead && p.getGameMode() != GameMode.ADVENTURE && ++p.actionsThisTick <= ACTIONS_PER_TICK
                && ty >= 0 && ty <= 255 && knows(p, x, z) && knows(p, tx, tz);
        int item = p.inventory().item(slot);
        if (ok) {
            double dx = p.x - (x + 0.5);
            double dy = p.y - (y + 0.5);
            double dz = p.z - (z + 0.5);
            ok = dx * dx + dy * dy + dz * dz < 64 && BlockRules.placeable(item) && world.blockAt(tx, ty, tz) == 0
                    && !protectedAt(p, tx, tz)
                    && ActionEvents.canBuild(game.host(), world.api(), tx, ty, tz, item, !occupied(tx, ty, tz));
        }
        if (!ok) {
            refuseBlock(p, x, y, z);
            refuseBlock(p, tx, ty, tz);
            p.sendSlot(slot);
            return;
        }
        int data = BlockRules.keepsData(item) ? p.inventory().data(slot) & 15 : 0;
        if (!world.blockEvents().place(p, x, y, z, tx, ty, tz, item, data)) {
            return;
        }
        if (p.getGameMode() != GameMode.CREATIVE) {
            p.inventory().takeOne(slot);
            p.sendSlot(slot);
            if (p.inventory().count(slot) == 0) {
                showHeldItem(p);
            }
        }
    }

    /** A right click the block itself takes (a crafting table opens), within reach of what the client has. */
    private boolean opensWindow(OnlinePlayer p, int x, int y, int z) {
        return y >= 0 && y <= 255 && knows(p, x, z) && blocks.of(world.blockAt(x, y, z)).rightClicked(p, world, x, y, z);
    }

    /** True when a living player's box (0.6 wide, 1.8 high) takes part of the cell. */
    private boolean occupied(int x, int y, int z) {
        for (OnlinePlayer q : game.players().inJoinOrder()) {
            if (q.dead) {
                continue;
            }
            if (q.x + 0.3 > x && q.x - 0.3 < x + 1 && q.y + 1.8 > y && q.y < y + 1 && q.z + 0.3 > z
                    && q.z - 0.3 < z + 1) {
                return true;
            }
        }
        return false;
    }

    /**
     * Counts one packet of the player that its viewers are shown; false (and the player
     * kicked) once it has sent more of them this tick than a client does.
     */
    private boolean countRelayed(OnlinePlayer p) {
        if (!p.isOnline()) {
            return false;
        }
        if (++p.relayedThisTick > RELAYED_PER_TICK) {
            game.logger().info(p.getName() + " sent " + p.relayedThisTick
                    + " arm swings and held item changes in one tick: kicked");
            game.players().kick(p, FLOOD_REASON);
            return false;
        }
        return true;
    }

    /** Held Item Change from the client: 0 to 8. */
    void holdSlot(OnlinePlayer p, int slot) {
        if (countRelayed(p) && slot >= 0 && slot < 9 && slot != p.heldSlot) {
            if (!ActionEvents.heldSlot(game.host(), p, p.heldSlot, slot)) {
                p.connection().send(PlayPackets.heldItemChange(p.heldSlot)); // back to the slot he had
                return;
            }
            p.heldSlot = slot;
            showHeldItem(p);
        }
    }

    /** The item in the player's hand changed: its viewers are shown the newest in the next tick. */
    void showHeldItem(OnlinePlayer p) {
        p.heldItemChanged = true;
    }

    /** An arm swing: its viewers are shown one in the next tick, however many came. */
    void swing(OnlinePlayer p, int animation) {
        if (countRelayed(p) && animation == PlayReads.ANIMATION_SWING_ARM && ActionEvents.swing(game.host(), p)) {
            p.swung = true;
        }
    }

    /**
     * In the tick, after who sees whom is settled: each player's swing and newest held item
     * since the last tick, to the clients that show it, into the tick's output; the cracks of
     * each dig as far as it has gone; and a table's window closed when its player is no longer
     * at the table.
     */
    void relay(List<OnlinePlayer> all) {
        for (OnlinePlayer gone : new ArrayList<OnlinePlayer>(diggers)) {
            if (!gone.isOnline()) {
                stopDigging(gone);
            }
        }
        for (OnlinePlayer p : all) {
            p.relayedThisTick = 0;
            growCracks(p);
            windows.checkOpen(p);
            if (p.heldItemChanged) {
                p.heldItemChanged = false;
                int slot = p.handSlot();
                world.visibility().toViewers(p, PlayPackets.entityEquipment(p.getEntityId(), 0,
                        p.inventory().item(slot), p.inventory().count(slot), p.inventory().data(slot)));
            }
            if (p.swung) {
                p.swung = false;
                if (!p.dead) {
                    world.visibility().toViewers(p,
                            PlayPackets.animation(p.getEntityId(), PlayPackets.ANIMATION_SWING_ARM));
                }
            }
        }
    }

    /**
     * Use Entity: a click on another player the clicker's client shows, within reach (6 blocks,
     * as the game allows a client that lags a little). A right click asks the plugins; a left
     * click is a hit, judged by {@link Combat}.
     */
    void useEntity(OnlinePlayer p, PlayReads.UseEntity u) {
        if (p.dead || !p.isOnline()) {
            return;
        }
        OnlinePlayer target = null;
        for (net.cubeworks.world.game.entity.WorldEntity q : p.shown) {
            if (q.getEntityId() == u.target && q instanceof OnlinePlayer) {
                target = (OnlinePlayer) q;
                break;
            }
        }
        if (target == null || target.dead) {
            return;
        }
        double dx = target.x - p.x;
        double dy = target.y - p.y;
        double dz = target.z - p.z;
        if (dx * dx + dy * dy + dz * dz > 36) {
            return;
        }
        if (u.attack) {
            world.combat().hit(p, target);
        } else {
            ActionEvents.interactEntity(game.host(), p, target);
        }
    }

    /** Creative Inventory Action: the client sets a slot of its inventory. */
    void creativeSet(OnlinePlayer p, PlayReads.CreativeSlot c) {
        int slot = c.slot;
        if (p.getGameMode() != GameMode.CREATIVE) {
            p.sendInventory();
            return;
        }
        if (slot < 1 || slot >= PlayerInventory.SLOTS) {
            return; // -1: dropped out of the window; items on the ground are not modelled
        }
        int held = p.inventory().item(slot);
        int item = c.item.id;
        int count = c.item.count;
        int damage = c.item.damage;
        ItemStack[] asked = {item <= 0 ? null : new ItemStack(item, count, (short) damage)};
        if (!InventoryEvents.mayCreativeSet(game, p, slot, asked)) {
            p.sendSlot(slot); // refused: the client is shown what the slot holds
            return;
        }
        ItemStack put = asked[0];
        item = put == null ? 0 : put.getTypeId();
        count = put == null ? 0 : put.getAmount();
        damage = put == null ? 0 : put.getDurability();
        if (item <= 0) {
            p.inventory().set(slot, 0, 0, 0, null);
        } else if (BlockRules.known(item) && count >= 1 && count <= 64) {
            p.inventory().set(slot, item, count, damage, null);
        } else {
            p.sendSlot(slot);
        }
        if (slot >= 1 && slot <= 4) {
            p.inventory().own.updateResult();
            p.sendSlot(Window.RESULT);
        }
        if (slot == p.handSlot() && p.inventory().item(slot) != held) {
            showHeldItem(p);
        }
    }
}
