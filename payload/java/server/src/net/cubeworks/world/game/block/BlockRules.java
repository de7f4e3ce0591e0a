package net.cubeworks.world.game.block;

import net.cubeworks.world.level.BlockTable;

/**
 * What the game knows of each block id of 1.7 for placing and moving: whether its item can be
 * placed as a block, whether its item's damage is the block's variant (colour, wood, stone
 * kind), and whether it is solid: a whole cube a player's box may not be in. Whether a survival
 * player breaks it at the first hit (no hardness: the client sends no "finished") comes from
 * {@link BlockTable}, which also says how it digs and what breaking it gives. Items 256 and up
 * are not blocks.
 */
public final class BlockRules {
    /** One block id's rules. */
    public static final class Rule {
        public final boolean placeable;
        public final boolean instant;
        public final boolean keepsData;
        /** The block fills its whole cell as far as a player's box goes. */
        public final boolean solid;

        Rule(boolean placeable, boolean instant, boolean keepsData, boolean solid) {
            this.placeable = placeable;
            this.instant = instant;
            this.keepsData = keepsData;
            this.solid = solid;
        }
    }

    private static final Rule NONE = new Rule(false, false, false, false);
    private static final Rule[] TABLE = new Rule[256];

    /** The blocks that exist only in the world, not as items (liquids, crops, door and bed halves, wires, lit variants, ...). */
    private static final int[] WORLD_ONLY = {8, 9, 10, 11, 26, 34, 36, 51, 55, 59, 62, 63, 64, 68, 71, 74, 75, 83, 90,
        92, 93, 94, 104, 105, 115, 117, 118, 119, 124, 127, 132, 140, 141, 142, 144, 149, 150};
    private static final int[] VARIANTS = {1, 3, 5, 6, 12, 17, 18, 19, 24, 31, 35, 38, 43, 44, 95, 97, 98, 125, 126,
        139, 155, 159, 160, 161, 162, 168, 171, 175};
    /**
     * The whole cubes: a move that puts a player's box into one is refused. Everything else
     * is not solid here: air, liquids, plants and crops, torches, wires, rails, signs,
     * buttons, levers, plates, snow layers, vines, portals, fire, and the blocks a player
     * stands in part of (slabs, stairs, fences, panes, doors, ladders, chests, farmland,
     * soul sand, cactus, beds, cake, carpets, ...), whose shape depends on more than the id.
     * Pistons are left out too: an extended one is shorter than its cell.
     */
    private static final int[] SOLID = {1, 2, 3, 4, 5, 7, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 35,
        41, 42, 43, 45, 46, 47, 48, 49, 52, 56, 57, 58, 61, 62, 73, 74, 79, 80, 82, 84, 86, 87, 89, 91, 95, 97, 98, 99,
        100, 103, 110, 112, 121, 123, 124, 125, 129, 133, 137, 138, 152, 153, 155, 158, 159, 161, 162, 170, 172, 173,
        174};

    static {
        for (int id = 1; id <= 175; id++) {
            BlockTable.Block b = BlockTable.of(id);
            // 165 to 169 are no blocks in 1.7: the table has no row for them
            boolean placeable = b.id == id && !contains(WORLD_ONLY, id);
            TABLE[id] = new Rule(placeable, b.instant() && !b.unbreakable(), contains(VARIANTS, id), contains(SOLID, id));
        }
        for (int id = 0; id < 256; id++) {
            if (TABLE[id] == null) {
                TABLE[id] = NONE;
            }
        }
    }

    private BlockRules() {
    }

    private static boolean contains(int[] ids, int id) {
        for (int i : ids) {
            if (i == id) {
                return true;
            }
        }
        return false;
    }

    /** The rules of a block id; ids outside 0..255 have none. */
    public static Rule of(int id) {
        return id >= 0 && id < 256 ? TABLE[id] : NONE;
    }

    public static boolean placeable(int item) {
        return of(item).placeable;
    }

    public static boolean keepsData(int item) {
        return of(item).keepsData;
    }

    public static boolean solid(int block) {
        return of(block).solid;
    }

    /**
     * Item ids of 1.7: blocks, items 256 to 422 and the records. A 1.7 client shown an item it
     * does not have fails, so no other id may reach a slot.
     */
    public static boolean known(int item) {
        return placeable(item) || (item >= 256 && item <= 422) || (item >= 2256 && item <= 2267);
    }
}
