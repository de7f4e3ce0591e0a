package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.List;
import java.util.Random;

import org.bukkit.TreeType;
import org.bukkit.entity.Player;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.generation.TreeShapes;
import net.cubeworks.world.level.BlockIds;

/**
 * A sapling on grass, dirt or farmland: picked at random in light of 9 or more, one time in seven
 * it ripens (bit 8 of its data), and ripe it grows into a tree of its wood in the natural world's
 * shapes where its trunk has room, as the plugins' StructureGrowEvent lets it. Bone meal ripens or
 * grows it, 45 times in a hundred. Dark oak, which needs four saplings, does not grow.
 */
final class Sapling extends BlockBehaviour {
    static final int RIPE = 8;

    @Override
    public boolean ticksRandomly() {
        return true;
    }

    static boolean mayStay(BlockWorld w, int x, int y, int z) {
        int under = w.blockAt(x, y - 1, z);
        return (under == BlockIds.GRASS || under == BlockIds.DIRT || under == BlockIds.FARMLAND)
                && (w.lightAt(x, y, z) >= 8 || w.skyLightAt(x, y, z) >= 15);
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        Crops.breakIfUnheld(w, x, y, z, mayStay(w, x, y, z));
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        if (Crops.breakIfUnheld(w, x, y, z, mayStay(w, x, y, z))) {
            return;
        }
        if (w.lightAt(x, y + 1, z) >= 9 && random.nextInt(7) == 0) {
            ripenOrGrow(w, x, y, z, random, false, null);
        }
    }

    /** Bone meal on the sapling: ripens or grows it 45 times in a hundred. */
    void fertilise(BlockWorld w, int x, int y, int z, Random random, Player by) {
        if (random.nextFloat() < 0.45f) {
            ripenOrGrow(w, x, y, z, random, true, by);
        }
    }

    private void ripenOrGrow(BlockWorld w, int x, int y, int z, Random random, boolean bonemeal, Player by) {
        int data = w.metaAt(x, y, z);
        if ((data & RIPE) == 0) {
            w.setBlockQuietly(x, y, z, BlockIds.SAPLING, data | RIPE);
        } else {
            grow(w, x, y, z, data & 7, random, bonemeal, by);
        }
    }

    /** What each wood grows: shape, least height, height range, log id and data, leaves id and data, the API's kind. */
    private static final Object[][] PLANS = {
        {TreeShapes.ROUND, 4, 3, BlockIds.LOG, 0, BlockIds.LEAVES, 0, TreeType.TREE},
        {TreeShapes.CONE, 6, 4, BlockIds.LOG, 1, BlockIds.LEAVES, 1, TreeType.REDWOOD},
        {TreeShapes.ROUND, 5, 3, BlockIds.LOG, 2, BlockIds.LEAVES, 2, TreeType.BIRCH},
        {TreeShapes.ROUND, 4, 7, BlockIds.LOG, 3, BlockIds.LEAVES, 3, TreeType.SMALL_JUNGLE},
        {TreeShapes.ROUND, 5, 3, BlockIds.LOG_2, 0, BlockIds.LEAVES_2, 0, TreeType.ACACIA},
    };

    /** Grows the tree of the wood at the sapling's place; false (the sapling stays) where there is no room. */
    static boolean grow(BlockWorld w, int x, int y, int z, int wood, Random random, boolean bonemeal, Player by) {
        if (wood >= PLANS.length) {
            return false;
        }
        Object[] p = PLANS[wood];
        int height = (Integer) p[1] + random.nextInt((Integer) p[2]);
        if (y < 1 || y + height + 2 > 255) {
            return false;
        }
        for (int dy = 0; dy <= height + 1; dy++) {
            int r = dy == 0 ? 0 : dy >= height - 1 ? 2 : 1;
            for (int dx = -r; dx <= r; dx++) {
                for (int dz = -r; dz <= r; dz++) {
                    if (!w.loaded(x + dx, z + dz)) {
                        return false;
                    }
                    int there = w.blockAt(x + dx, y + dy, z + dz);
                    boolean free = there == BlockIds.AIR || there == BlockIds.LEAVES || there == BlockIds.LEAVES_2
                            || dy == 0 && dx == 0 && dz == 0;
                    if (!free && (dx == 0 && dz == 0 || dy > 0 && Liquid.solid(there))) {
                        return false;
                    }
                }
            }
        }
        List<TreeShapes.Part> parts = TreeShapes.grow((Integer) p[0], x, y, z, height, (Integer) p[3], (Integer) p[4],
                (Integer) p[5], (Integer) p[6], random);
        List<int[]> blocks = new ArrayList<int[]>();
        for (TreeShapes.Part part : parts) {
            if (!part.leaves || w.blockAt(part.x, part.y, part.z) == BlockIds.AIR) {
                blocks.add(new int[] {part.x, part.y, part.z, part.id, part.data});
            }
        }
        if (w.blockAt(x, y - 1, z) == BlockIds.GRASS) {
            blocks.add(new int[] {x, y - 1, z, BlockIds.DIRT, 0});
        }
        List<int[]> placed = GrowthEvents.structureGrow(w.host(), w.api(), x, y, z, (TreeType) p[7], bonemeal, by, blocks);
        if (placed == null) {
            return false;
        }
        for (int[] b : placed) {
            if (b[1] >= 0 && b[1] <= 255 && w.loaded(b[0], b[2])) {
                w.setBlock(b[0], b[1], b[2], b[3], b[4]);
            }
        }
        return true;
    }
}
