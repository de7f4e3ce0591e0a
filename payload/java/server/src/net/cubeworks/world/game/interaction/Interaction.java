package net.cubeworks.world.game.interaction;

import java.util.List;

import org.bukkit.GameMode;

import net.cubeworks.world.game.block.BlockBehaviours;
import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.Buckets;
import net.cubeworks.world.game.block.Farming;
import net.cubeworks.world.game.block.Lighters;
import net.cubeworks.world.game.block.Placement;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.event.ActionEvents;
import net.cubeworks.world.game.player.Eating;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;

/**
 * What players do to blocks: digging and breaking ({@link BlockBreaking}), placing, and the right
 * clicks a block or the item in hand takes (a bucket, a hoe, seeds, a lighter, a thrown snowball,
 * food); which blocks he may reach is {@link BlockReach}'s.
 */
public final class Interaction {
    /** Digs and placements one player may make in one tick; more are refused. */
    static final int ACTIONS_PER_TICK = 8;
    /** How far from a block others see its break. */
    static final double EFFECT_DISTANCE = 64;
    static final int[][] FACE = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

    private final WorldBlocks world;
    private final BlockBehaviours blocks;
    private final BlockReach reach;
    private final BlockBreaking breaking;
    private final ServerProperties properties;
    private final GameHost host;
    private final org.bukkit.World api;
    private final BlockAsks asks;
    private final Eating eating;
    private final Throwing throwing;
    private final BlockEntities blockEntities;

    public Interaction(WorldBlocks world, BlockBehaviours blocks, BlockReach reach, BlockBreaking breaking,
            ServerProperties properties, GameHost host, org.bukkit.World api, BlockAsks asks, Eating eating,
            Throwing throwing, BlockEntities blockEntities) {
        this.world = world;
        this.blocks = blocks;
        this.reach = reach;
        this.breaking = breaking;
        this.properties = properties;
        this.host = host;
        this.api = api;
        this.asks = asks;
        this.eating = eating;
        this.throwing = throwing;
        this.blockEntities = blockEntities;
    }

    /** Player Digging: see {@link BlockBreaking#dig}. */
    public void dig(OnlinePlayer p, PlayReads.BlockAction a) {
        breaking.dig(p, a);
    }

    /** Ends the player's dig, if any, and takes its cracks away from the viewers. */
    public void stopDigging(OnlinePlayer p) {
        breaking.stopDigging(p);
    }

    /** In the tick, after who sees whom is settled: the cracks of each dig as far as it has gone. */
    public void showDigs(List<OnlinePlayer> all) {
        breaking.tick(all);
    }

    private boolean protectedAt(OnlinePlayer p, int x, int z) {
        return reach.protectedAt(p, x, z);
    }

    private static boolean knows(OnlinePlayer p, int x, int z) {
        return BlockReach.knows(p, x, z);
    }

    private void refuseBlock(OnlinePlayer p, int x, int y, int z) {
        reach.refuseBlock(p, x, y, z);
    }

    /** Player Block Placement against the face of the clicked block. */
    public void place(OnlinePlayer p, PlayReads.BlockAction a) {
        int face = a.kind;
        if (!asks.rightClick(p, a.x, a.y, a.z, face)) {
            return; // denied by a plugin
        }
        if (face < 0 || face > 5) {
            if (!useBucket(p) && !throwing.use(p)) {
                eating.use(p); // "use item" in the air: food in hand is eaten
            }
            return;
        }
        int x = a.x;
        int y = a.y;
        int z = a.z;
        int slot = p.handSlot();
        if (opensWindow(p, x, y, z) || farm(p, x, y, z, face)) {
            return;
        }
        int item = p.inventory().item(slot);
        boolean ok = !p.dead && p.getGameMode() != GameMode.ADVENTURE && ++p.actionsThisTick <= ACTIONS_PER_TICK
                && y >= 0 && y <= 255 && knows(p, x, z);
        Placement.Plan plan = null;
        if (ok) {
            double dx = p.x - (x + 0.5);
            double dy = p.y - (y + 0.5);
            double dz = p.z - (z + 0.5);
            plan = dx * dx + dy * dy + dz * dz < 64 ? Placement.plan(world, item, p.inventory().data(slot), x, y, z, face,
                    a.cursorX, a.cursorY, a.cursorZ, new Placement.Placer(p.yaw, p.x, p.y, p.z)) : null;
        }
        // a block at or over the limit is refused with the game's words, wherever the player is
        int limit = properties.maxBuildHeight();
        int ty = y + FACE[face][1];
        int top = plan == null ? -1 : plan.second != null ? Math.max(plan.block.y, plan.second.y) : plan.block.y;
        if (top >= limit || ty >= limit && ty <= 255 && Placement.blockOf(item) != 0) {
            p.sendMessage("\u00a7cHeight limit for building is " + limit + " blocks");
            plan = null;
        }
        if (plan == null || !mayBuild(p, plan.block) || plan.second != null && !(mayBuild(p, plan.second)
                && (!Placement.collides(plan.second.id) || !occupied(plan.second.x, plan.second.y, plan.second.z)))
                || plan.turned != null && !knows(p, plan.turned.x, plan.turned.z)
                || !ActionEvents.canBuild(host, api, plan.block.x, plan.block.y, plan.block.z,
                        plan.block.id, !Placement.collides(plan.block.id) || !occupied(plan.block.x, plan.block.y, plan.block.z))) {
            refuseBlock(p, x, y, z);
            if (face >= 0 && face <= 5) {
                refuseBlock(p, x + FACE[face][0], y + FACE[face][1], z + FACE[face][2]);
            }
            if (plan != null) {
                refuseBlock(p, plan.block.x, plan.block.y, plan.block.z);
                if (plan.second != null) {
                    refuseBlock(p, plan.second.x, plan.second.y, plan.second.z);
                }
            }
            p.sendSlot(slot);
            return;
        }
        Placement.Cell b = plan.block;
        if (!asks.place(p, x, y, z, b.x, b.y, b.z, b.id, b.data)) {
            if (plan.second != null) {
                refuseBlock(p, plan.second.x, plan.second.y, plan.second.z);
            }
            return;
        }
        for (Placement.Cell c : new Placement.Cell[] {plan.second, plan.turned}) {
            if (c != null) {
                world.setBlock(c.x, c.y, c.z, c.id, c.data);
            }
        }
        if (plan.sign) {
            BlockEntity e = blockEntities.at(b.x, b.y, b.z);
            if (e instanceof BlockEntity.Sign) {
                ((BlockEntity.Sign) e).editor = p; // the placer may write its text, once
                p.connection().send(PlayPackets.openSignEditor(b.x, b.y, b.z));
            }
        }
        if (p.getGameMode() != GameMode.CREATIVE) {
            p.inventory().takeOne(slot);
            p.sendSlot(slot);
            if (p.inventory().count(slot) == 0) {
                p.showHeldItem();
            }
        }
    }

    /** Whether the player may put a block into the cell: his client has its column, and the spawn is not protected from him there. */
    private boolean mayBuild(OnlinePlayer p, Placement.Cell c) {
        return knows(p, c.x, c.z) && !protectedAt(p, c.x, c.z);
    }

    /**
     * A bucket in hand used in the air (see {@link Buckets}); false when the hand holds none. A
     * use the player may not make there is undone on his screen. In survival the bucket in hand
     * is swapped for the filled or emptied one; a stack of empty buckets fills one only when the
     * filled one has a slot to go to (there are no items on the ground to drop it as).
     */
    private boolean useBucket(final OnlinePlayer p) {
        int slot = p.handSlot();
        int item = p.inventory().item(slot);
        if (!Buckets.isBucket(item)) {
            return false;
        }
        boolean creative = p.getGameMode() == GameMode.CREATIVE;
        if (p.dead || p.getGameMode() == GameMode.ADVENTURE || ++p.actionsThisTick > ACTIONS_PER_TICK
                || !creative && p.inventory().count(slot) > 1
                        && !p.inventory().copy().give(Buckets.WATER_BUCKET, 1, 0, new java.util.ArrayList<Integer>())) {
            p.sendSlot(slot);
            return true;
        }
        Buckets.Use use = Buckets.use(world, p, p.x, p.y + PlayerBody.EYE_HEIGHT, p.z, p.yaw, p.pitch, item,
                new Buckets.Edit() {
                    public boolean may(int x, int y, int z) {
                        return knows(p, x, z) && !protectedAt(p, x, z);
                    }
                });
        if (use == null) {
            return true;
        }
        if (use.refused != null) {
            refuseBlock(p, use.refused[0], use.refused[1], use.refused[2]);
            p.sendSlot(slot);
            return true;
        }
        if (!creative && use.hand != null) {
            int id = use.hand.getTypeId();
            int amount = Math.max(0, use.hand.getAmount());
            if (p.inventory().count(slot) > 1 && item == Buckets.BUCKET) {
                p.inventory().takeOne(slot);
                java.util.List<Integer> changed = new java.util.ArrayList<Integer>();
                p.inventory().give(id, amount, use.hand.getDurability(), changed);
                for (int c : changed) {
                    p.sendSlot(c);
                }
            } else {
                p.inventory().set(slot, id, amount, use.hand.getDurability(), null);
            }
        }
        p.sendSlot(slot);
        return true;
    }

    /**
     * A hoe, seeds or bone meal (see {@link Farming}), flint and steel or a fire charge (see
     * {@link Lighters}) used on the clicked block; false when the hand holds none of them. In
     * survival seeds, bone meal and charges are used up, a hoe and flint and steel wear.
     */
    private boolean farm(OnlinePlayer p, int x, int y, int z, int face) {
        int slot = p.handSlot();
        int item = p.inventory().item(slot);
        int data = p.inventory().data(slot);
        if (!Farming.isFarming(item, data) && !Lighters.isLighter(item)) {
            return false;
        }
        double dx = p.x - (x + 0.5);
        double dy = p.y - (y + 0.5);
        double dz = p.z - (z + 0.5);
        if (p.dead || p.getGameMode() == GameMode.ADVENTURE || ++p.actionsThisTick > ACTIONS_PER_TICK || y < 0 || y > 255
                || !knows(p, x, z) || dx * dx + dy * dy + dz * dz >= 64 || protectedAt(p, x, z)) {
            refuseBlock(p, x, y, z);
            p.sendSlot(slot);
            return true;
        }
        int r = Farming.use(world, blocks, p, item, data, x, y, z, face);
        if (r == Farming.NOT_FARMING) {
            r = Lighters.use(world, p, item, x, y, z, face);
        }
        if (p.getGameMode() != GameMode.CREATIVE) {
            if (r == Farming.USED_UP) {
                p.inventory().takeOne(slot);
            } else if (r == Farming.WORN) {
                net.cubeworks.world.level.Tools.Tool tool = net.cubeworks.world.level.Tools.of(item);
                p.inventory().wear(slot, 1, tool != null ? tool.maxDamage : item == Lighters.FLINT_AND_STEEL ? 64 : 0);
            }
        }
        p.sendSlot(slot);
        return true;
    }

    /** A right click the block itself takes (a crafting table opens), within reach of what the client has. */
    private boolean opensWindow(OnlinePlayer p, int x, int y, int z) {
        return y >= 0 && y <= 255 && knows(p, x, z) && blocks.of(world.blockAt(x, y, z)).rightClicked(p, world, x, y, z);
    }
    private boolean occupied(int x, int y, int z) {
        return reach.occupied(x, y, z);
    }
}
