package net.cubeworks.world.game.api;

import org.bukkit.block.PistonMoveReaction;

/** How the game's pistons treat each block id, for Block.getPistonMoveReaction. */
public final class ApiPistons {
    /** Blocks that stop a piston: unbreakable ones, and those with contents or a tile of their own. */
    private static final int[] STOP = {7, 23, 25, 49, 52, 54, 61, 62, 63, 68, 84, 90, 116, 117, 119, 120, 130, 137, 138,
        140, 144, 146, 149, 150, 151, 154, 158, 34, 36};
    /** Blocks a piston breaks: plants, fluids, fire, torches, redstone parts, doors, gourds, leaves, ... */
    private static final int[] BREAK = {6, 8, 9, 10, 11, 18, 26, 27, 28, 30, 31, 32, 37, 38, 39, 40, 50, 51, 55, 59, 64,
        65, 66, 69, 70, 71, 72, 75, 76, 77, 78, 81, 83, 86, 91, 92, 93, 94, 103, 104, 105, 106, 111, 115, 122, 127, 131,
        132, 141, 142, 143, 147, 148, 157, 161, 171, 175};
    private static final PistonMoveReaction[] BY_ID = new PistonMoveReaction[256];

    static {
        java.util.Arrays.fill(BY_ID, PistonMoveReaction.MOVE);
        for (int id : STOP) {
            BY_ID[id] = PistonMoveReaction.BLOCK;
        }
        for (int id : BREAK) {
            BY_ID[id] = PistonMoveReaction.BREAK;
        }
    }

    private ApiPistons() {
    }

    /** A piston (sticky or not) stops another while it is pushed out (data bit 8). */
    public static PistonMoveReaction reaction(int id, int data) {
        if ((id == 29 || id == 33) && (data & 8) != 0) {
            return PistonMoveReaction.BLOCK;
        }
        return id >= 0 && id < 256 ? BY_ID[id] : PistonMoveReaction.MOVE;
    }
}
