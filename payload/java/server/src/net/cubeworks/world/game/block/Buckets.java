package net.cubeworks.world.game.block;

import java.util.List;

import org.bukkit.block.BlockFace;
import org.bukkit.entity.Player;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.entity.Sight;
import net.cubeworks.world.game.event.BlockChangeEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * A bucket used in the air, as the game does it: along the player's look (as far as a hand
 * reaches), an empty bucket takes the first liquid source it meets (passing flows) and a full one
 * pours its liquid, as a new source, in front of the first block the look meets, washing away
 * what a liquid washes away, unless that place holds something solid.
 */
public final class Buckets {
    public static final int BUCKET = 325;
    public static final int WATER_BUCKET = 326;
    public static final int LAVA_BUCKET = 327;
    /** How far a look reaches for a bucket, in blocks. */
    static final int REACH = 5;
    private static final int[][] FACES = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};
    private static final BlockFace[] API_FACES = {BlockFace.DOWN, BlockFace.UP, BlockFace.NORTH, BlockFace.SOUTH,
        BlockFace.WEST, BlockFace.EAST};

    /** Whether the player may change a block there (spawn protection, a column he has). */
    public interface Edit {
        boolean may(int x, int y, int z);
    }

    /** What a use did: the item the hand holds now (null: as it was), or the place whose block the client must be sent again. */
    public static final class Use {
        public final ItemStack hand;
        public final int[] refused;

        Use(ItemStack hand, int[] refused) {
            this.hand = hand;
            this.refused = refused;
        }
    }

    private Buckets() {
    }

    public static boolean isBucket(int item) {
        return item == BUCKET || item == WATER_BUCKET || item == LAVA_BUCKET;
    }

    /**
     * The bucket in hand (item) used along a look from the eyes; null when the look meets nothing
     * it could act on (nothing happens).
     */
    public static Use use(final BlockWorld w, Player who, double ex, double ey, double ez, float yaw, float pitch,
            int item, Edit edit) {
        final boolean empty = item == BUCKET;
        List<int[]> line = Sight.trace(new Sight.Blocks() {
            public int idAt(int x, int y, int z) {
                if (!w.loaded(x, z)) {
                    return 1;
                }
                int id = w.blockAt(x, y, z);
                if (id == BlockIds.AIR || id == BlockIds.FIRE) {
                    return 0;
                }
                if (Liquid.WATER.is(id) || Liquid.LAVA.is(id)) {
                    return empty && w.metaAt(x, y, z) == 0 ? 1 : 0;
                }
                return 1;
            }
        }, ex, ey, ez, yaw, pitch, REACH, null, 2);
        if (line.size() < 2) {
            return null;
        }
        int[] hit = line.get(line.size() - 1);
        int[] before = line.get(line.size() - 2);
        int x = hit[0];
        int y = hit[1];
        int z = hit[2];
        int id = w.loaded(x, z) ? w.blockAt(x, y, z) : BlockIds.AIR;
        if (id == BlockIds.AIR || id == BlockIds.FIRE) {
            return null; // the look reached nothing within reach
        }
        int face = face(before[0] - x, before[1] - y, before[2] - z);
        if (face < 0) {
            return null;
        }
        if (empty) {
            Liquid.Kind k = Liquid.WATER.is(id) ? Liquid.WATER : Liquid.LAVA.is(id) ? Liquid.LAVA : null;
            if (k == null || w.metaAt(x, y, z) != 0) {
                return null;
            }
            if (!edit.may(x, y, z)) {
                return new Use(null, hit);
            }
            ItemStack result = BlockChangeEvents.fill(w.host(), w.api(), who, x, y, z, API_FACES[face], item,
                    k.lava ? LAVA_BUCKET : WATER_BUCKET);
            if (result == null) {
                return new Use(null, hit);
            }
            w.setBlock(x, y, z, BlockIds.AIR, 0);
            return new Use(result, null);
        }
        Liquid.Kind k = item == LAVA_BUCKET ? Liquid.LAVA : Liquid.WATER;
        int tx = x + FACES[face][0];
        int ty = y + FACES[face][1];
        int tz = z + FACES[face][2];
        int[] target = {tx, ty, tz};
        if (ty < 0 || ty > 255 || !w.loaded(tx, tz)) {
            return null;
        }
        int there = w.blockAt(tx, ty, tz);
        if (Liquid.solid(there)) {
            return null;
        }
        if (!edit.may(tx, ty, tz)) {
            return new Use(null, target);
        }
        ItemStack result = BlockChangeEvents.empty(w.host(), w.api(), who, x, y, z, API_FACES[face], item, BUCKET);
        if (result == null) {
            return new Use(null, target);
        }
        if (there != BlockIds.AIR && !Liquid.WATER.is(there) && !Liquid.LAVA.is(there)) {
            w.playEffect(2001, tx, ty, tz, there | w.metaAt(tx, ty, tz) << 12);
            Drops.ofBlock(w, tx, ty, tz, there, w.metaAt(tx, ty, tz));
        }
        w.setBlock(tx, ty, tz, k.flowing, 0);
        return new Use(result, null);
    }

    private static int face(int dx, int dy, int dz) {
        for (int i = 0; i < 6; i++) {
            if (FACES[i][0] == dx && FACES[i][1] == dy && FACES[i][2] == dz) {
                return i;
            }
        }
        return -1;
    }
}
