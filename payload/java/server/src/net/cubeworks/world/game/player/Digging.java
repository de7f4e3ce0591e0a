package net.cubeworks.world.game.player;

import net.cubeworks.world.level.BlockTable;
import net.cubeworks.world.level.Tools;

/**
 * One survival player's digging: the block it started on and the tick it started, and the
 * crack stage its viewers were last shown. Digging takes its time as the game counts it: each
 * tick adds the block's share (the hand's speed over the hardness, over 30 where the item
 * harvests the block and over 100 where it does not, a fifth of it in water and again a fifth
 * off the ground), and a finish is taken once 0.7 of the block is dug, as the game allows a
 * client whose ticks run a little ahead.
 */
public final class Digging {
    /** The share of the block a finish needs. */
    public static final float FINISH_AT = 0.7f;
    /** Crack stages run 0 to 9; another value takes the cracks away. */
    static final int LAST_STAGE = 9;
    public static final int NO_CRACKS = -1;

    private boolean active;
    private int x;
    private int y;
    private int z;
    private long startTick;
    private int shownStage = NO_CRACKS;

    /**
     * The most an enchantment adds to the speed of a tool that suits the block: Efficiency V,
     * 5 * 5 + 1. Enchantments are kept unread in the item's data, so a dig with an item that has
     * data of its own is judged as if it had this one: a real dig is never refused.
     */
    public static final float MOST_EFFICIENCY = 26f;

    /** The share of the block one tick of digging takes; at least 1 breaks it at the first hit. */
    public static float perTick(int heldItem, BlockTable.Block b, boolean onGround, boolean inWater) {
        return perTick(heldItem, b, onGround, inWater, 0f);
    }

    /** The same, with an enchantment's bonus to the speed of a tool that suits the block. */
    public static float perTick(int heldItem, BlockTable.Block b, boolean onGround, boolean inWater, float efficiency) {
        if (b.unbreakable()) {
            return 0f;
        }
        if (b.instant()) {
            return 1f;
        }
        float speed = Tools.speed(heldItem, b);
        if (speed > 1f) {
            speed += efficiency;
        }
        if (inWater) {
            speed /= 5f;
        }
        if (!onGround) {
            speed /= 5f;
        }
        return speed / b.hardness / (Tools.harvests(heldItem, b) ? 30f : 100f);
    }

    /** How much of the block is dug after the ticks since the start: the start's tick counts too. */
    public static float dug(float perTick, long ticks) {
        return perTick * (ticks + 1);
    }

    /** Ticks a dig takes to its end, for a share per tick (the float's rounding aside); what the client waits. */
    public static int ticksToBreak(float perTick) {
        return perTick <= 0f ? Integer.MAX_VALUE : (int) Math.ceil(1.0 / perTick - 1e-3);
    }

    public void start(int bx, int by, int bz, long tick) {
        active = true;
        x = bx;
        y = by;
        z = bz;
        startTick = tick;
    }

    /** Whether the player is digging that block now. */
    public boolean at(int bx, int by, int bz) {
        return active && x == bx && y == by && z == bz;
    }

    public boolean active() {
        return active;
    }

    public int x() {
        return x;
    }

    public int y() {
        return y;
    }

    public int z() {
        return z;
    }

    public long ticksSince(long now) {
        return now - startTick;
    }

    public void stop() {
        active = false;
    }

    /** The stage viewers were last shown; NO_CRACKS when none. */
    public int shownStage() {
        return shownStage;
    }

    public void shown(int stage) {
        shownStage = stage;
    }

    /** The crack stage for a share dug: 0 to 9. */
    public static int stage(float dug) {
        return Math.max(0, Math.min(LAST_STAGE, (int) (dug * 10f)));
    }
}
