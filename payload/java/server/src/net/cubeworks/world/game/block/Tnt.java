package net.cubeworks.world.game.block;

import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.TntEntity;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * TNT: lit by flint and steel, fire or an explosion it becomes primed TNT (see {@link TntEntity}),
 * which explodes when its fuse has burnt: 80 ticks when lit, 10 to 29 when another blast lit it.
 */
public final class Tnt {
    public static final int FUSE = 80;

    private Tnt() {
    }

    /** Takes the TNT block away and puts primed TNT with the fuse in its place. */
    public static void prime(BlockWorld w, int x, int y, int z, int fuse) {
        if (w.blockAt(x, y, z) == Fire.TNT) {
            w.setBlock(x, y, z, BlockIds.AIR, 0);
        }
        if (w instanceof EntityWorld) {
            EntityWorld ew = (EntityWorld) w;
            ew.entities().add(new TntEntity(ew, x + 0.5, y + 0.5, z + 0.5, fuse));
            w.playSound("game.tnt.primed", x + 0.5, y + 0.5, z + 0.5, 1.0f, 1.0f);
        }
    }

    /** The fuse of TNT lit by another blast: a quarter to three eighths of the usual, at random. */
    public static int chainFuse(java.util.Random random) {
        return random.nextInt(FUSE / 4) + FUSE / 8;
    }
}
