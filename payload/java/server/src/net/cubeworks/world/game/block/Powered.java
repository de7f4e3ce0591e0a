package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * What power works on. A redstone lamp lights at once when powered and goes out 4 ticks after its
 * power goes. TNT powered is lit. Doors (iron ones only so), trapdoors and fence gates open while
 * powered and shut when the power goes, when the change beside them is a redstone component's.
 */
final class Powered {
    private Powered() {
    }

    static final class Lamp extends BlockBehaviour {
        static final int OFF_DELAY = 4;
        private final boolean lit;

        Lamp(boolean lit) {
            this.lit = lit;
        }

        @Override
        public void added(BlockWorld w, int x, int y, int z) {
            neighbourChanged(w, x, y, z, BlockIds.AIR);
        }

        @Override
        public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
            boolean powered = Redstone.powered(w, x, y, z);
            if (!lit && powered) {
                w.setBlockQuietly(x, y, z, BlockIds.LIT_REDSTONE_LAMP, 0);
            } else if (lit && !powered) {
                w.scheduleTick(x, y, z, BlockIds.LIT_REDSTONE_LAMP, OFF_DELAY, 0);
            }
        }

        @Override
        public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
            if (lit && !Redstone.powered(w, x, y, z)) {
                w.setBlockQuietly(x, y, z, BlockIds.REDSTONE_LAMP, 0);
            }
        }
    }

    static final class TntBlock extends BlockBehaviour {
        @Override
        public void added(BlockWorld w, int x, int y, int z) {
            neighbourChanged(w, x, y, z, BlockIds.AIR);
        }

        @Override
        public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
            if (Redstone.powered(w, x, y, z)) {
                Tnt.prime(w, x, y, z, Tnt.FUSE);
            }
        }
    }

    /** Opens or shuts a door (both halves looked at for power), trapdoor or gate by the power now. */
    static void follow(BlockWorld w, int x, int y, int z, int changedId, boolean door) {
        if (!Redstone.component(changedId)) {
            return;
        }
        int id = w.blockAt(x, y, z);
        int ly = y;
        boolean powered = Redstone.powered(w, x, y, z);
        if (door) {
            boolean upper = (w.metaAt(x, y, z) & Openings.UPPER) != 0;
            ly = upper ? y - 1 : y;
            int other = upper ? y - 1 : y + 1;
            if (other >= 0 && other <= 255 && w.blockAt(x, other, z) == id) {
                powered |= Redstone.powered(w, x, other, z);
            }
            if (w.blockAt(x, ly, z) != id) {
                return;
            }
        }
        int meta = w.metaAt(x, ly, z);
        boolean open = (meta & Openings.OPEN) != 0;
        if (open != powered) {
            w.setBlockQuietly(x, ly, z, id, meta ^ Openings.OPEN);
            w.playEffect(Openings.DOOR_SOUND, x, y, z, 0);
        }
    }
}
