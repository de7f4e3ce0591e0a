package net.cubeworks.world.game.interaction;

import java.util.ArrayList;
import java.util.List;
import java.util.function.LongSupplier;
import java.util.function.Supplier;

import org.bukkit.GameMode;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.block.BlockBehaviours;
import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.event.ActionEvents;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.player.Digging;
import net.cubeworks.world.game.player.Eating;
import net.cubeworks.world.game.player.Hunger;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerCollectors;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.BlockTable;
import net.cubeworks.world.level.SlotRow;
import net.cubeworks.world.level.Tools;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;

/**
 * Players digging and breaking blocks: a creative player's break at the first hit, a survival
 * player's dig timed by the game's rules with its cracks shown to the others, what the break
 * gives and wears, and what is left where the block was.
 */
public final class BlockBreaking {
    /** How far from a block others see its cracks. */
    static final double CRACKS_DISTANCE = 32;
    /** The helmet's slot in the inventory window. */
    private static final int HELMET = 5;

    private final WorldBlocks world;
    private final BlockBehaviours blocks;
    private final BlockReach reach;
    private final GroundItems items;
    /** The level, read anew each time: loading the world replaces it. */
    private final Supplier<LevelState> levels;
    private final LongSupplier currentTick;
    private final GameHost host;
    private final BlockAsks asks;
    private final Eating eating;
    private final Hunger hunger;
    private final BlockEntities contents;
    private final java.util.Random random = new java.util.Random();
    /** The players digging now, so the cracks of one who leaves mid-dig are taken away. */
    private final java.util.Set<OnlinePlayer> diggers = new java.util.LinkedHashSet<OnlinePlayer>();

    public BlockBreaking(WorldBlocks world, BlockBehaviours blocks, BlockReach reach, GroundItems items,
            Supplier<LevelState> levels, LongSupplier currentTick, GameHost host, BlockAsks asks, Eating eating,
            Hunger hunger, BlockEntities contents) {
        this.world = world;
        this.blocks = blocks;
        this.reach = reach;
        this.items = items;
        this.levels = levels;
        this.currentTick = currentTick;
        this.host = host;
        this.asks = asks;
        this.eating = eating;
        this.hunger = hunger;
        this.contents = contents;
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
            throwFromHand(p, status == 3);
            return;
        }
        if (status == 1) {
            stopDigging(p);
            return;
        }
        if (status == 5) {
            eating.release(p); // the client let go of the item it was using
            return;
        }
        if (status == 0 && !asks.leftClick(p, x, y, z, a.face)) {
            stopDigging(p);
            return;
        }
        if (status != 0 && status != 2 || creative && status == 2) {
            return;
        }
        if (p.dead || p.getGameMode() == GameMode.ADVENTURE || ++p.actionsThisTick > Interaction.ACTIONS_PER_TICK
                || y < 0 || y > 255 || !BlockReach.knows(p, x, z)) {
            refuseDig(p, x, y, z);
            return;
        }
        double dx = p.x - (x + 0.5);
        double dy = p.y - (y + 0.5) + 1.5;
        double dz = p.z - (z + 0.5);
        int id = world.blockAt(x, y, z);
        BlockTable.Block block = BlockTable.of(id);
        if (dx * dx + dy * dy + dz * dz > 36 || reach.protectedAt(p, x, z) || id == 0) {
            refuseDig(p, x, y, z);
            return;
        }
        if (status == 0) { // a hit the block itself answers (a note block plays)
            blocks.of(id).hit(p, world, x, y, z);
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
            if (!asks.mayBreak(p, x, y, z)) {
                return;
            }
            int meta = world.metaAt(x, y, z);
            SlotRow contents = this.contents.contents(x, y, z);
            takeAway(p, x, y, z, id, meta, otherHalf(p, id, meta, x, y, z), 0);
            dropContents(contents, x, y, z); // a container's items fall even from a creative player's break
            return;
        }
        float perTick = atBest(p, block);
        long now = currentTick.getAsLong();
        if (status == 0) {
            stopDigging(p);
            int answer = ActionEvents.digStart(host, p, x, y, z, perTick >= 1f);
            if (answer == ActionEvents.DIG_REFUSED) {
                reach.refuseBlock(p, x, y, z);
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
        reach.refuseBlock(p, x, y, z);
    }

    /** The player's eyes are in water: digging goes at a fifth of the speed. */
    private boolean inWater(OnlinePlayer p) {
        int ey = (int) Math.floor(p.y + PlayerBody.EYE_HEIGHT);
        if (ey < 0 || ey > 255) {
            return false;
        }
        int bx = (int) Math.floor(p.x);
        int bz = (int) Math.floor(p.z);
        if (!BlockReach.knows(p, bx, bz)) {
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
        reach.toOthersNear(p, d.x(), d.y(), d.z(), CRACKS_DISTANCE,
                PlayPackets.blockBreakAnimation(p.getEntityId(), d.x(), d.y(), d.z(), stage).frame());
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
        showCracks(p, Digging.stage(Digging.dug(perTick, d.ticksSince(currentTick.getAsLong()))));
    }

    /**
     * Q (one) or ctrl-Q (the whole stack): the player throws from the slot in his hand. A throw
     * refused (by a plugin, or beyond the throws a second allow) goes back to him.
     */
    private void throwFromHand(OnlinePlayer p, boolean wholeStack) {
        int slot = p.handSlot();
        PlayerInventory inv = p.inventory();
        int count = inv.count(slot);
        if (count <= 0 || p.dead) {
            p.sendSlot(slot);
            return;
        }
        int id = inv.item(slot);
        int data = inv.data(slot);
        Object tag = inv.tag(slot);
        int take = wholeStack ? count : 1;
        inv.set(slot, id, count - take, data, tag);
        items.playerThrow(PlayerCollectors.of(p), id, take, data, tag, currentTick.getAsLong());
        p.sendSlot(slot);
        p.showHeldItem();
    }

    /** Whether broken blocks leave their drops (the game rule doTileDrops). */
    private boolean tileDrops() {
        return !"false".equals(levels.get().gameRules.get("doTileDrops"));
    }

    /** A broken container's items fall where it stood. */
    private void dropContents(SlotRow contents, int x, int y, int z) {
        for (int i = 0; contents != null && i < contents.size(); i++) {
            if (contents.count(i) > 0 && contents.item(i) > 0) {
                items.dropItemNaturally(x + 0.5, y + 0.5, z + 0.5, contents.item(i), contents.count(i),
                        contents.data(i), contents.tag(i));
            }
        }
    }

    /**
     * A survival player breaks the block: what the item in hand harvests of it falls where it
     * was (unless the rule doTileDrops is off), and what a container held; the item wears, the
     * others see the block break.
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
        SlotRow contents = this.contents.contents(x, y, z); // a container's items fall too
        if (!asks.mayBreak(p, x, y, z)) {
            return; // a plugin kept the block: nothing taken, nothing dropped, nothing worn
        }
        takeAway(p, x, y, z, id, meta, other, blocks.of(id).leftAfterBreak(world, x, y, z));
        hunger.exhaust(p, Hunger.BREAK);
        if (tileDrops()) {
            for (BlockTable.Stack s : drops) {
                items.dropItemNaturally(x + 0.5, y + 0.5, z + 0.5, s.item, s.count, s.data, null);
            }
        }
        if (!drops.isEmpty() && drops.get(0).item != id) { // an ore mined for what it holds
            int xp = net.cubeworks.world.game.block.OreExperience.of(id, random);
            if (xp > 0) {
                items.dropExperience(x + 0.5, y + 0.5, z + 0.5, xp);
            }
        }
        dropContents(contents, x, y, z);
        List<Integer> changed = new ArrayList<Integer>();
        Tools.Tool tool = Tools.of(held);
        int wear = Tools.wear(held, block);
        if (tool != null && wear > 0) {
            int heldData = p.inventory().data(slot);
            p.inventory().wear(slot, wear, tool.maxDamage); // a tool worn out is gone from the hand
            changed.add(slot);
            if (p.inventory().item(slot) != held) {
                ActionEvents.itemBroke(host, p, new ItemStack(held, 1, (short) heldData));
            }
        }
        for (int s : new java.util.LinkedHashSet<Integer>(changed)) {
            p.sendSlot(s);
        }
        if (p.inventory().item(slot) != held) {
            p.showHeldItem();
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
        reach.toOthersNear(p, x, y, z, Interaction.EFFECT_DISTANCE,
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
        int fx = x + Interaction.FACE[face][0];
        int fy = y + Interaction.FACE[face][1];
        int fz = z + Interaction.FACE[face][2];
        if (fy < 0 || fy > 255 || !BlockReach.knows(p, fx, fz) || reach.protectedAt(p, fx, fz)
                || !blocks.of(world.blockAt(fx, fy, fz)).hitBeside(p, world, fx, fy, fz)) {
            return false;
        }
        reach.toOthersNear(null, fx, fy, fz, Interaction.EFFECT_DISTANCE,
                PlayPackets.effect(PlayPackets.EFFECT_FIRE_OUT, fx, fy, fz, 0, false).frame());
        return true;
    }

    /** The other half of a two-piece block, where the player's client has it and it is there; else null. */
    private int[] otherHalf(OnlinePlayer p, int id, int meta, int x, int y, int z) {
        int[] o = BlockTable.otherHalf(id, meta, x, y, z);
        if (o == null || o[1] < 0 || o[1] > 255 || !BlockReach.knows(p, o[0], o[2]) || world.blockAt(o[0], o[1], o[2]) != id
                || BlockTable.mainHalf(world.metaAt(o[0], o[1], o[2])) == BlockTable.mainHalf(meta)) {
            return null;
        }
        return o;
    }

    /** In the tick: the cracks of every dig as far as it has gone; a player gone mid-dig has his taken away. */
    void tick(List<OnlinePlayer> all) {
        for (OnlinePlayer gone : new ArrayList<OnlinePlayer>(diggers)) {
            if (!gone.isOnline()) {
                stopDigging(gone);
            }
        }
        for (OnlinePlayer p : all) {
            growCracks(p);
        }
    }
}
