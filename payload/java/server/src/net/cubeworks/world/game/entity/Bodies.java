package net.cubeworks.world.game.entity;

import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * Which blocks have a body that stops a thing moving into them: not air, liquids, plants, torches,
 * redstone and rails, fire, cobweb, portals, signs, pressure plates or a thin layer of snow.
 */
final class Bodies {
    private static final boolean[] SOLID = new boolean[4096];

    static {
        for (int id = 1; id < 256; id++) {
            String m = BlockTable.of(id).material;
            SOLID[id] = !(m.equals("air") || m.equals("water") || m.equals("lava") || m.equals("plants")
                    || m.equals("vine") || m.equals("circuits") || m.equals("fire") || m.equals("web")
                    || m.equals("portal"));
        }
        SOLID[BlockIds.LADDER] = true;
        SOLID[BlockIds.STANDING_SIGN] = false;
        SOLID[BlockIds.WALL_SIGN] = false;
        SOLID[BlockIds.SNOW_LAYER] = false;
        for (int plate : new int[] {70, 72, 147, 148}) {
            SOLID[plate] = false;
        }
    }

    private Bodies() {
    }

    static boolean solid(int id) {
        return id > 0 && id < 4096 && SOLID[id];
    }
}
