package net.cubeworks.world.game;

import java.util.List;

import org.bukkit.GameMode;

import net.cubeworks.world.game.block.BlockBehaviours;
import net.cubeworks.world.game.block.Buckets;
import net.cubeworks.world.game.block.Farming;
import net.cubeworks.world.game.block.Lighters;
import net.cubeworks.world.game.block.Placement;
import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.event.ActionEvents;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;

/**
 * What players do to blocks: digging and breaking ({@link BlockBreaking}), placing, and the right
 * clicks a block takes; their hands ({@link Hands}) and windows ({@link Windows}).
 */
public final class Interaction {
    /** Digs and placements one player may make in one tick; more are refused. */
    static final int ACTIONS_PER_TICK = 8;
    /** How far from a block others see its break. */
    static final double EFFECT_DISTANCE = 64;
    static final int[][] FACE = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

    private final Game game;
    private final GameWorld world;
    private final Windows windows;
    private final BlockBehaviours blocks = new BlockBehaviours();
    private final BlockBreaking breaking;
    private final Hands hands;

    Interaction(Game game, GameWorld world, Windows windows) {
        this.game = game;
        this.world = world;
        this.windows = windows;
        this.breaking = new BlockBreaking(game, world, this, blocks);
        this.hands = new Hands(game, world);
    }

    /** What players do with their hands: the slot in hand, swings, clicks on others, creative slots. */
    public Hands hands() {
        return hands;
    }

    /** Player Digging: see {@link BlockBreaking#dig}. */
    public void dig(OnlinePlayer p, PlayReads.BlockAction a) {
        breaking.dig(p, a);
    }

    /** Ends the player's dig, if any, and takes its cracks away from the viewers. */
    void stopDigging(OnlinePlayer p) {
        breaking.stopDigging(p);
    }

    /**
     * In the tick, after who sees whom is settled: the cracks of each dig as far as it has gone,
     * a table's window closed when its player is no longer at the table, and each player's swing
     * and newest held item since the last tick, to the clients that show him.
     */
    void relay(List<OnlinePlayer> all) {
        breaking.tick(all);
        for (OnlinePlayer p : all) {
            windows.checkOpen(p);
            hands.relay(p);
        }
    }

    /** The players' windows: clicks, crafting tables, closing. */
    public Windows windows() {
        return windows;
    }

    boolean protectedAt(OnlinePlayer p, int x, int z) {
        int radius = game.properties().spawnProtection();
        if (radius <= 0 || game.access().opNames().isEmpty() || p.isOp()) {
            return false;
        }
        LevelState level = world.level();
        return Math.max(Math.abs(x - level.spawnX), Math.abs(z - level.spawnZ)) <= radius;
    }

    static boolean knows(OnlinePlayer p, int x, int z) {
        return p.known.contains(ColumnKey.of(x >> 4, z >> 4));
    }

    void refuseBlock(OnlinePlayer p, int x, int y, int z) {
        if (y >= 0 && y <= 255 && knows(p, x, z)) {
            p.connection().send(PlayPackets.blockChange(x, y, z, world.blocks().blockAt(x, y, z), world.blocks().metaAt(x, y, z)));
        }
    }

    void toOthersNear(OnlinePlayer p, int x, int y, int z, double distance, byte[] frame) {
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

    /** Player Block Placement against the face of the clicked block. */
    public void place(OnlinePlayer p, PlayReads.BlockAction a) {
        int face = a.kind;
        if (!world.blockEvents().rightClick(p, a.x, a.y, a.z, face)) {
            return; // denied by a plugin
        }
        if (face < 0 || face > 5) {
            if (!useBucket(p) && !Throwing.use(world, p)) {
                world.eating().use(p); // "use item" in the air: food in hand is eaten
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
            plan = dx * dx + dy * dy + dz * dz < 64 ? Placement.plan(world.blocks(), item, p.inventory().data(slot), x, y, z, face,
                    a.cursorX, a.cursorY, a.cursorZ, new Placement.Placer(p.yaw, p.x, p.y, p.z)) : null;
        }
        // a block at or over the limit is refused with the game's words, wherever the player is
        int limit = game.properties().maxBuildHeight();
        int ty = y + FACE[face][1];
        int top = plan == null ? -1 : plan.second != null ? Math.max(plan.block.y, plan.second.y) : plan.block.y;
        if (top >= limit || ty >= limit && ty <= 255 && Placement.blockOf(item) != 0) {
            p.sendMessage("\u00a7cHeight limit for building is " + limit + " blocks");
            plan = null;
        }
        if (plan == null || !mayBuild(p, plan.block) || plan.second != null && !(mayBuild(p, plan.second)
                && (!Placement.collides(plan.second.id) || !occupied(plan.second.x, plan.second.y, plan.second.z)))
                || plan.turned != null && !knows(p, plan.turned.x, plan.turned.z)
                || !ActionEvents.canBuild(game.host(), world.api(), plan.block.x, plan.block.y, plan.block.z,
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
        if (!world.blockEvents().place(p, x, y, z, b.x, b.y, b.z, b.id, b.data)) {
            if (plan.second != null) {
                refuseBlock(p, plan.second.x, plan.second.y, plan.second.z);
            }
            return;
        }
        for (Placement.Cell c : new Placement.Cell[] {plan.second, plan.turned}) {
            if (c != null) {
                world.blocks().setBlock(c.x, c.y, c.z, c.id, c.data);
            }
        }
        if (plan.sign) {
            BlockEntity e = world.blockEntities().at(b.x, b.y, b.z);
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
        Buckets.Use use = Buckets.use(world.blocks(), p, p.x, p.y + PlayerBody.EYE_HEIGHT, p.z, p.yaw, p.pitch, item,
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
        int r = Farming.use(world.blocks(), blocks, p, item, data, x, y, z, face);
        if (r == Farming.NOT_FARMING) {
            r = Lighters.use(world.blocks(), p, item, x, y, z, face);
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
        return y >= 0 && y <= 255 && knows(p, x, z) && blocks.of(world.blocks().blockAt(x, y, z)).rightClicked(p, world.blocks(), x, y, z);
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

}
