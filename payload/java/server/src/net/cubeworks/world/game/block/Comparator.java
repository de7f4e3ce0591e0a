package net.cubeworks.world.game.block;

import java.util.HashMap;
import java.util.Map;
import java.util.Random;
import java.util.WeakHashMap;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.Items;
import net.cubeworks.world.level.SlotRow;

/**
 * A redstone comparator. Bits 0 and 1 of its data face it as a repeater's do, bit 2 is subtract
 * mode (a right click turns it), bit 3 says it gives power. Its rear input is the power from
 * behind, or the fill level of a container behind it (or behind the solid block behind it); its
 * side input the most a wire, repeater, comparator or block of redstone beside it gives. It gives
 * forward, one redstone tick (2 game ticks) after a change, the rear input when no side is
 * stronger (compare) or the rear less the side (subtract). The level it gives is kept while the
 * server runs; after a restart it is reckoned again from its inputs.
 */
final class Comparator extends BlockBehaviour {
    static final int SUBTRACT = 4;
    static final int POWERED = 8;
    static final int DELAY = 2;
    private static final int[][] OFFSET = {{0, 1}, {-1, 0}, {0, -1}, {1, 0}};

    /** The level each comparator gives, by world and place; a world's record goes with the world. */
    private static final Map<BlockWorld, Map<Long, Integer>> OUTPUTS = new WeakHashMap<BlockWorld, Map<Long, Integer>>();

    private static Map<Long, Integer> outputs(BlockWorld w) {
        Map<Long, Integer> m = OUTPUTS.get(w);
        if (m == null) {
            m = new HashMap<Long, Integer>();
            OUTPUTS.put(w, m);
        }
        return m;
    }

    private static long key(int x, int y, int z) {
        return ((long) x & 0x3FFFFFF) << 38 | ((long) z & 0x3FFFFFF) << 12 | y & 0xFFF;
    }

    static boolean isComparator(int id) {
        return id == BlockIds.COMPARATOR || id == BlockIds.POWERED_COMPARATOR;
    }

    /** The level the comparator at the place gives now. */
    static int output(BlockWorld w, int x, int y, int z) {
        Integer o = outputs(w).get(key(x, y, z));
        return o != null ? o : (w.metaAt(x, y, z) & POWERED) != 0 ? reckon(w, x, y, z) : 0;
    }

    /** The game's fill level of a container: 0 empty, else 1 + 14 × (how full its slots are, each against its stack size). */
    static int fillLevel(BlockEntity e) {
        if (!(e instanceof BlockEntity.Container)) {
            return -1;
        }
        SlotRow slots = ((BlockEntity.Container) e).slots;
        if (slots.size() == 0) {
            return 0;
        }
        double full = 0;
        boolean any = false;
        for (int i = 0; i < slots.size(); i++) {
            if (slots.item(i) != 0 && slots.count(i) > 0) {
                full += slots.count(i) / (double) Math.max(1, Math.min(Items.maxStack(slots.item(i)), 64));
                any = true;
            }
        }
        return any ? (int) Math.floor(full / slots.size() * 14) + 1 : 0;
    }

    static int rear(BlockWorld w, int x, int y, int z) {
        int[] o = OFFSET[w.metaAt(x, y, z) & 3];
        int bx = x + o[0];
        int bz = z + o[1];
        if (!w.loaded(bx, bz)) {
            return 0;
        }
        int fill = fillLevel(w.blockEntityAt(bx, y, bz));
        if (fill >= 0) {
            return fill;
        }
        int power = Repeater.input(w, x, y, z);
        if (power < 15 && Redstone.conductor(w.blockAt(bx, y, bz)) && w.loaded(bx + o[0], bz + o[1])) {
            int further = fillLevel(w.blockEntityAt(bx + o[0], y, bz + o[1]));
            if (further >= 0) {
                return further;
            }
        }
        return power;
    }

    /** What the block at the place gives a diode beside it toward (dx, dz): only wire, diodes and redstone blocks count. */
    static int sidePower(BlockWorld w, int x, int y, int z, int dx, int dz) {
        if (!w.loaded(x, z)) {
            return 0;
        }
        int id = w.blockAt(x, y, z);
        if (id == BlockIds.REDSTONE_WIRE) {
            return w.metaAt(x, y, z);
        }
        if (id == BlockIds.REDSTONE_BLOCK) {
            return 15;
        }
        int[] f = Repeater.front(w.metaAt(x, y, z));
        if (f[0] != dx || f[1] != dz) {
            return 0;
        }
        if (id == BlockIds.POWERED_REPEATER) {
            return 15;
        }
        return isComparator(id) ? output(w, x, y, z) : 0;
    }

    static int side(BlockWorld w, int x, int y, int z) {
        int[] o = OFFSET[w.metaAt(x, y, z) & 3];
        // the two sides: the rear's direction turned a quarter each way
        int a = sidePower(w, x + o[1], y, z - o[0], -o[1], o[0]);
        int b = sidePower(w, x - o[1], y, z + o[0], o[1], -o[0]);
        return Math.max(a, b);
    }

    static int reckon(BlockWorld w, int x, int y, int z) {
        int rear = rear(w, x, y, z);
        int side = side(w, x, y, z);
        if ((w.metaAt(x, y, z) & SUBTRACT) != 0) {
            return Math.max(rear - side, 0);
        }
        return side > rear ? 0 : rear;
    }

    /** Placed on a solid top, its back toward the player. */
    @Override
    int placedData(PlacedBlock b) {
        return b.onSolidTop() ? (b.quarter() + 2) & 3 : -1;
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        int meta = terrain.metaAt(x, y, z) ^ SUBTRACT;
        if (terrain instanceof BlockWorld) {
            BlockWorld w = (BlockWorld) terrain;
            w.setBlockQuietly(x, y, z, terrain.blockAt(x, y, z), meta);
            w.playSound("random.click", x + 0.5, y + 0.5, z + 0.5, 0.3f, (meta & SUBTRACT) != 0 ? 0.55f : 0.5f);
            neighbourChanged(w, x, y, z, BlockIds.AIR);
        } else {
            terrain.setBlock(x, y, z, terrain.blockAt(x, y, z), meta);
        }
        return true;
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        neighbourChanged(w, x, y, z, BlockIds.AIR);
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        int id = w.blockAt(x, y, z);
        if (reckon(w, x, y, z) != output(w, x, y, z) && !w.tickPending(x, y, z, id)) {
            w.scheduleTick(x, y, z, id, DELAY, 0);
        }
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        int now = reckon(w, x, y, z);
        int was = output(w, x, y, z);
        outputs(w).put(key(x, y, z), now);
        int meta = w.metaAt(x, y, z);
        int id = now > 0 ? BlockIds.POWERED_COMPARATOR : BlockIds.COMPARATOR;
        int nextMeta = now > 0 ? meta | POWERED : meta & ~POWERED;
        if (id != w.blockAt(x, y, z) || nextMeta != meta) {
            w.setBlockQuietly(x, y, z, id, nextMeta);
        }
        if (now != was) {
            int[] f = Repeater.front(meta);
            w.tellNeighbours(x, y, z);
            Redstone.tellAround(w, x + f[0], y, z + f[1]);
        }
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        Integer was = outputs(w).remove(key(x, y, z));
        if (was != null && was > 0) {
            int[] f = Repeater.front(oldMeta);
            Redstone.tellAround(w, x + f[0], y, z + f[1]);
        }
    }
}
