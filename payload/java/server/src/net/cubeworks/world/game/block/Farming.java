package net.cubeworks.world.game.block;

import java.util.Random;

import org.bukkit.entity.Player;

import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * What a player's farming items do to the block clicked: a hoe makes farmland of grass or dirt with
 * air above (on any face but the bottom); seeds, carrots and potatoes are planted on the top of
 * farmland; bone meal grows a crop or a stem, a sapling (45 times in a hundred) or tall grass and
 * flowers around grass.
 */
public final class Farming {
    /** The item is not a farming item: the click goes on as any other. */
    public static final int NOT_FARMING = -1;
    /** A farming item that did nothing here. */
    public static final int NOTHING = 0;
    /** One of the items was used up. */
    public static final int USED_UP = 1;
    /** The tool wore by one. */
    public static final int WORN = 2;

    public static final int WOODEN_HOE = 290;
    public static final int GOLDEN_HOE = 294;
    public static final int BONE_MEAL = 351;
    public static final int BONE_MEAL_DATA = 15;
    private static final int[][] SEEDS = {{295, BlockIds.WHEAT}, {361, BlockIds.PUMPKIN_STEM},
        {362, BlockIds.MELON_STEM}, {391, BlockIds.CARROTS}, {392, BlockIds.POTATOES}};

    private Farming() {
    }

    /** True for the items {@link #use} acts with. */
    public static boolean isFarming(int item, int data) {
        return item >= WOODEN_HOE && item <= GOLDEN_HOE || item == BONE_MEAL && data == BONE_MEAL_DATA
                || crop(item) != 0;
    }

    private static int crop(int item) {
        for (int[] s : SEEDS) {
            if (s[0] == item) {
                return s[1];
            }
        }
        return 0;
    }

    /** Uses the item on the block at x, y, z clicked on face (0 bottom .. 5); one of the results above. */
    public static int use(BlockWorld w, BlockBehaviours behaviours, Player who, int item, int data, int x, int y, int z,
            int face) {
        if (!isFarming(item, data)) {
            return NOT_FARMING;
        }
        int id = w.blockAt(x, y, z);
        boolean airAbove = y < 255 && w.blockAt(x, y + 1, z) == BlockIds.AIR;
        if (item >= WOODEN_HOE && item <= GOLDEN_HOE) {
            if (face == 0 || !airAbove || id != BlockIds.GRASS && id != BlockIds.DIRT) {
                return NOTHING;
            }
            w.playSound("step.gravel", x + 0.5, y + 0.5, z + 0.5, 1.0f, 0.8f);
            w.setBlock(x, y, z, BlockIds.FARMLAND, 0);
            return WORN;
        }
        int crop = crop(item);
        if (crop != 0) {
            if (face != 1 || !airAbove || id != BlockIds.FARMLAND) {
                return NOTHING;
            }
            w.setBlock(x, y + 1, z, crop, 0);
            return USED_UP;
        }
        Random random = w.random();
        BlockBehaviour b = behaviours.of(id);
        boolean used;
        if (b instanceof Crops) {
            used = ((Crops) b).fertilise(w, x, y, z, random);
        } else if (b instanceof Sapling) {
            ((Sapling) b).fertilise(w, x, y, z, random, who);
            used = true;
        } else if (id == BlockIds.GRASS) {
            grassy(w, x, y, z, random);
            used = true;
        } else {
            used = false;
        }
        if (used) {
            w.playEffect(2005, x, y, z, 0);
        }
        return used ? USED_UP : NOTHING;
    }

    /** Bone meal on grass: tall grass, and now and then a flower, on the grass around, as the game scatters them. */
    private static void grassy(BlockWorld w, int x, int y, int z, Random random) {
        attempts: for (int i = 0; i < 128; i++) {
            int px = x;
            int py = y + 1;
            int pz = z;
            for (int step = 0; step < i / 16; step++) {
                px += random.nextInt(3) - 1;
                py += (random.nextInt(3) - 1) * random.nextInt(3) / 2;
                pz += random.nextInt(3) - 1;
                if (py < 1 || py > 255 || !w.loaded(px, pz) || w.blockAt(px, py - 1, pz) != BlockIds.GRASS
                        || Liquid.solid(w.blockAt(px, py, pz))) {
                    continue attempts;
                }
            }
            if (py < 1 || py > 255 || !w.loaded(px, pz) || w.blockAt(px, py, pz) != BlockIds.AIR
                    || w.blockAt(px, py - 1, pz) != BlockIds.GRASS) {
                continue;
            }
            if (random.nextInt(10) != 0) {
                w.setBlock(px, py, pz, BlockIds.TALL_GRASS, 1);
            } else {
                w.setBlock(px, py, pz, random.nextInt(3) == 0 ? BlockIds.POPPY : BlockIds.DANDELION, 0);
            }
        }
    }
}
