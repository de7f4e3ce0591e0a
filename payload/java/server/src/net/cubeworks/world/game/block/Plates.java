package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.EntityBlockEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;

/**
 * Pressure plates: pressed by what stands on them (a stone plate only by players and other living
 * things, the others by anything), they give power to every side and strongly to the block under
 * them, and look again every 20 ticks (the weighted ones every 10) until nothing is left on them.
 * A stone or wooden plate gives 15 (data 1 while pressed); a weighted one by how many stand on it
 * (gold: one a point up to 15; iron: a point for each ten up to 150), its data being its power.
 */
final class Plates extends BlockBehaviour {
    private final int id;

    Plates(int id) {
        this.id = id;
    }

    static boolean isPlate(int id) {
        return id == BlockIds.STONE_PLATE || id == BlockIds.WOODEN_PLATE || id == BlockIds.GOLD_PLATE
                || id == BlockIds.IRON_PLATE;
    }

    static boolean weighted(int id) {
        return id == BlockIds.GOLD_PLATE || id == BlockIds.IRON_PLATE;
    }

    /** The power a plate gives, by its id and data. */
    static int power(int id, int meta) {
        return weighted(id) ? meta & 15 : (meta & 1) != 0 ? 15 : 0;
    }

    private int tickRate() {
        return weighted(id) ? 10 : 20;
    }

    /**
     * How many things are on the plate, by its rule. While it is up, each thing's step asks the
     * plugins (a refused one does not press it), as the game's Bukkit server asks them.
     */
    private int count(EntityWorld w, int x, int y, int z) {
        boolean up = power(id, w.metaAt(x, y, z)) == 0;
        int n = 0;
        for (WorldEntity e : w.entities().all()) {
            if (e.isRemoved() || id == BlockIds.STONE_PLATE && !(e instanceof Living)
                    || e instanceof Living && ((Living) e).dead) {
                continue;
            }
            double half = e instanceof Living ? 0.3 : 0.49;
            double height = e instanceof Living ? 1.8 : 0.98;
            if (e.x + half > x + 0.125 && e.x - half < x + 0.875 && e.z + half > z + 0.125 && e.z - half < z + 0.875
                    && e.y < y + 0.25 && e.y + height > y
                    && (!up || EntityBlockEvents.steppedOn(w.host(), w.api(), e, x, y, z))) {
                n++;
            }
        }
        return n;
    }

    /** The power the things on the plate give. */
    private int wanted(EntityWorld w, int x, int y, int z) {
        int n = count(w, x, y, z);
        if (n == 0) {
            return 0;
        }
        if (id == BlockIds.GOLD_PLATE) {
            return Math.min(n, 15);
        }
        if (id == BlockIds.IRON_PLATE) {
            return (int) Math.ceil(Math.min(150, n) / 150.0 * 15.0);
        }
        return 15;
    }

    /** Something is at the plate's place: it may go down. */
    static void touched(EntityWorld w, BlockBehaviours behaviours, int x, int y, int z) {
        BlockBehaviour b = Attached.own(behaviours.of(w.blockAt(x, y, z)));
        if (b instanceof Plates && power(w.blockAt(x, y, z), w.metaAt(x, y, z)) == 0) {
            ((Plates) b).refresh(w, x, y, z);
        }
    }

    private void refresh(EntityWorld w, int x, int y, int z) {
        int meta = w.metaAt(x, y, z);
        int old = power(id, meta);
        int now = wanted(w, x, y, z);
        if (now != old) {
            w.setBlockQuietly(x, y, z, id, weighted(id) ? now : now > 0 ? 1 : 0);
            float pitch = weighted(id) ? now > 0 ? 0.9f : 0.75f : now > 0 ? 0.6f : 0.5f;
            if (old == 0 || now == 0) {
                w.playSound("random.click", x + 0.5, y + 0.1, z + 0.5, 0.3f, pitch);
            }
            Redstone.tellAround(w, x, y, z);
            Redstone.tellAround(w, x, y - 1, z);
        }
        if (now > 0) {
            w.scheduleTick(x, y, z, id, tickRate(), 0);
        }
    }

    /** Placed on a solid top or a fence. */
    @Override
    int placedData(PlacedBlock b) {
        int below = b.below();
        return b.onSolidTop() || below == PlacingIds.FENCE || below == PlacingIds.NETHER_FENCE ? b.variant() : -1;
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        if (w instanceof EntityWorld && power(id, w.metaAt(x, y, z)) > 0) {
            refresh((EntityWorld) w, x, y, z);
        }
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        if (power(id, oldMeta) > 0) {
            Redstone.tellAround(w, x, y, z);
            Redstone.tellAround(w, x, y - 1, z);
        }
    }
}
