package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.FallingBlockEntity;
import net.cubeworks.world.game.world.BlockWorld;

/**
 * Sand and gravel: two ticks after they are put where nothing holds them up, or after the block
 * under them goes, they fall as a falling block (see {@link FallingBlockEntity}), which becomes
 * the block again where it comes to rest. Air, fire, water and lava do not hold them up.
 */
final class Falling extends BlockBehaviour {
    static final int TICK_RATE = 2;

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        w.scheduleTick(x, y, z, w.blockAt(x, y, z), TICK_RATE, 0);
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        w.scheduleTick(x, y, z, w.blockAt(x, y, z), TICK_RATE, 0);
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        if (y <= 0 || !FallingBlockEntity.fallsThrough(w.blockAt(x, y - 1, z)) || !(w instanceof EntityWorld)) {
            return;
        }
        EntityWorld ew = (EntityWorld) w;
        ew.entities().add(new FallingBlockEntity(ew, x + 0.5, y + 0.5, z + 0.5, w.blockAt(x, y, z), w.metaAt(x, y, z)));
    }
}
