package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.GameMode;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
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
    private static final int[][] FACE = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

    private final Game game;
    private final GameWorld world;

    Interaction(Game game, GameWorld world) {
        this.game = game;
        this.world = world;
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
     * Player Digging: creative breaks on start (status 0), survival on finish (status 2), or
     * on start for the blocks without hardness.
     */
    void dig(OnlinePlayer p, PlayReads.BlockAction a) {
        int status = a.kind;
        int x = a.x;
        int y = a.y;
        int z = a.z;
        boolean creative = p.getGameMode() == GameMode.CREATIVE;
        if (status == 3 || status == 4) {
            // dropping items is not modelled: the client gets its slot back
            p.sendSlot(p.handSlot());
            return;
        }
        boolean instant = status == 0 && !creative && y >= 0 && y <= 255 && knows(p, x, z)
                && BlockRules.breaksAtOnce(world.blockAt(x, y, z));
        if (status == 0 && !world.blockEvents().leftClick(p, x, y, z, -1)) {
            return;
        }
        if (!(status == 0 && (creative || instant)) && !(status == 2 && !creative)) {
            return;
        }
        if (p.dead || p.getGameMode() == GameMode.ADVENTURE || ++p.actionsThisTick > ACTIONS_PER_TICK
                || y < 0 || y > 255 || !knows(p, x, z)) {
            refuseBlock(p, x, y, z);
            return;
        }
        double dx = p.x - (x + 0.5);
        double dy = p.y - (y + 0.5) + 1.5;
        double dz = p.z - (z + 0.5);
        int id = world.blockAt(x, y, z);
        if (dx * dx + dy * dy + dz * dz > 36 || protectedAt(p, x, z) || id == 0
                || (id == Column.BEDROCK && !creative)) {
            refuseBlock(p, x, y, z);
            return;
        }
        if (!world.blockEvents().mayBreak(p, x, y, z)) {
            return;
        }
        int data = world.metaAt(x, y, z);
        world.setBlock(x, y, z, 0, 0);
        if (!creative) {
            int drop = BlockRules.drop(id);
            int held = p.inventory().item(p.handSlot());
            if (drop > 0) {
                List<Integer> changed = new ArrayList<Integer>();
                p.inventory().give(drop, 1, BlockRules.keepsData(drop) ? data : 0, changed);
                for (int slot : changed) {
                    p.sendSlot(slot);
                }
            }
            if (p.inventory().item(p.handSlot()) != held) {
                showHeldItem(p);
            }
        }
    }

    /** Player Block Placement against the face of the clicked block. */
    void place(OnlinePlayer p, PlayReads.BlockAction a) {
        int face = a.kind;
        if (!world.blockEvents().rightClick(p, a.x, a.y, a.z, face) || face < 0 || face > 5) {
            return; // denied by a plugin, or "use item" in the air
        }
        int x = a.x;
        int y = a.y;
        int z = a.z;
        int slot = p.handSlot();
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
                    && !protectedAt(p, tx, tz) && !occupied(tx, ty, tz);
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
        if (countRelayed(p) && animation == PlayReads.ANIMATION_SWING_ARM) {
            p.swung = true;
        }
    }

    /**
     * In the tick, after who sees whom is settled: each player's swing and newest held item
     * since the last tick, to the clients that show it, into the tick's output.
     */
    void relay(List<OnlinePlayer> all) {
        for (OnlinePlayer p : all) {
            p.relayedThisTick = 0;
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
        if (item <= 0) {
            p.inventory().set(slot, 0, 0, 0, null);
        } else if (BlockRules.known(item) && count >= 1 && count <= 64) {
            p.inventory().set(slot, item, count, c.item.damage, null);
        } else {
            p.sendSlot(slot);
        }
        if (slot == p.handSlot() && p.inventory().item(slot) != held) {
            showHeldItem(p);
        }
    }

    /** A window click we do not model: not accepted, and the whole inventory again. */
    void refuseClick(OnlinePlayer p, PlayReads.Click c) {
        p.connection().send(PlayPackets.confirmTransaction(c.window, c.action, false));
        p.sendInventory();
    }
}
