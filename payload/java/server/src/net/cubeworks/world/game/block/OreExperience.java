package net.cubeworks.world.game.block;

import java.util.Random;

/**
 * The experience the game's ores give when they are mined for what they hold (not taken whole):
 * coal 0 to 2, diamond and emerald 3 to 7, lapis and nether quartz 2 to 5, redstone 1 to 5.
 */
public final class OreExperience {
    private OreExperience() {
    }

    /** The points the block gives broken for its drops; 0 for a block that gives none. */
    public static int of(int blockId, Random random) {
        switch (blockId) {
            case 16:
                return random.nextInt(3);
            case 56:
            case 129:
                return 3 + random.nextInt(5);
            case 21:
            case 153:
                return 2 + random.nextInt(4);
            case 73:
            case 74:
                return 1 + random.nextInt(5);
            default:
                return 0;
        }
    }
}
