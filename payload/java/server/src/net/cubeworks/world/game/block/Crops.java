package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.GrowthEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Wheat, carrots and potatoes, and the stems of melons and pumpkins: they stand on farmland and,
 * picked at random with light of 9 or more above them, grow a stage (0 to 7) with a chance that
 * rises with the farmland around (wet counts three times dry, the block under them four times the
 * others) and halves where plants of their kind crowd them. A grown stem puts its fruit on a free
 * side. Bone meal grows them 2 to 5 stages at once. Without farmland under them they break,
 * giving their items.
 */
final class Crops extends BlockBehaviour {
    /** The fruit a stem grows, or 0 for a crop. */
    private final int fruit;

    Crops(int fruit) {
        this.fruit = fruit;
    }

    @Override
    public boolean ticksRandomly() {
        return true;
    }

    static boolean mayStay(BlockWorld w, int x, int y, int z) {
        return w.blockAt(x, y - 1, z) == BlockIds.FARMLAND
                && (w.lightAt(x, y, z) >= 8 || w.skyLightAt(x, y, z) >= 15);
    }

    /** A plant that may not stay where it is breaks, giving its items; true when it did. */
    static boolean breakIfUnheld(BlockWorld w, int x, int y, int z, boolean held) {
        if (held) {
            return false;
        }
        int id = w.blockAt(x, y, z);
        Drops.ofBlock(w, x, y, z, id, w.metaAt(x, y, z));
        w.setBlock(x, y, z, BlockIds.AIR, 0);
        return true;
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        breakIfUnheld(w, x, y, z, mayStay(w, x, y, z));
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        if (breakIfUnheld(w, x, y, z, mayStay(w, x, y, z)) || w.lightAt(x, y + 1, z) < 9) {
            return;
        }
        float rate = growthRate(w, x, y, z);
        if (random.nextInt((int) (25.0f / rate) + 1) != 0) {
            return;
        }
        int stage = w.metaAt(x, y, z);
        if (stage < 7) {
            grow(w, x, y, z, stage + 1);
        } else if (fruit != 0) {
            bearFruit(w, x, y, z, random);
        }
    }

    /** Bone meal: 2 to 5 stages at once, to 7 at most; false when already grown. */
    boolean fertilise(BlockWorld w, int x, int y, int z, Random random) {
        int stage = w.metaAt(x, y, z);
        if (stage >= 7) {
            return false;
        }
        grow(w, x, y, z, Math.min(7, stage + 2 + random.nextInt(4)));
        return true;
    }

    private static void grow(BlockWorld w, int x, int y, int z, int stage) {
        int[] to = GrowthEvents.grow(w.host(), w.api(), x, y, z, w.blockAt(x, y, z), stage);
        if (to != null) {
            w.setBlockQuietly(x, y, z, to[0], to[1]);
        }
    }

    private void bearFruit(BlockWorld w, int x, int y, int z, Random random) {
        for (int[] s : Liquid.SIDES) {
            if (w.blockAt(x + s[0], y, z + s[1]) == fruit) {
                return;
            }
        }
        int[] s = Liquid.SIDES[random.nextInt(4)];
        int fx = x + s[0];
        int fz = z + s[1];
        if (!w.loaded(fx, fz)) {
            return;
        }
        int under = w.blockAt(fx, y - 1, fz);
        if (w.blockAt(fx, y, fz) == BlockIds.AIR
                && (under == BlockIds.FARMLAND || under == BlockIds.DIRT || under == BlockIds.GRASS)) {
            int[] to = GrowthEvents.grow(w.host(), w.api(), fx, y, fz, fruit, 0);
            if (to != null) {
                w.setBlock(fx, y, fz, to[0], to[1]);
            }
        }
    }

    /** The game's growth rate: 1, plus the farmland of the nine places under and around, halved where crowded. */
    static float growthRate(BlockWorld w, int x, int y, int z) {
        int self = w.blockAt(x, y, z);
        boolean alongX = at(w, x - 1, y, z, self) || at(w, x + 1, y, z, self);
        boolean alongZ = at(w, x, y, z - 1, self) || at(w, x, y, z + 1, self);
        boolean diagonal = at(w, x - 1, y, z - 1, self) || at(w, x + 1, y, z - 1, self)
                || at(w, x + 1, y, z + 1, self) || at(w, x - 1, y, z + 1, self);
        float rate = 1.0f;
        for (int dx = -1; dx <= 1; dx++) {
            for (int dz = -1; dz <= 1; dz++) {
                float f = 0;
                if (at(w, x + dx, y - 1, z + dz, BlockIds.FARMLAND)) {
                    f = w.metaAt(x + dx, y - 1, z + dz) > 0 ? 3 : 1;
                }
                if (dx != 0 || dz != 0) {
                    f /= 4;
                }
                rate += f;
            }
        }
        if (diagonal || alongX && alongZ) {
            rate /= 2;
        }
        return rate;
    }

    private static boolean at(BlockWorld w, int x, int y, int z, int id) {
        return w.loaded(x, z) && w.blockAt(x, y, z) == id;
    }
}
