package net.cubeworks.world.game.block;

import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockLight;

/**
 * Redstone power as the game reckons it. A component gives weak power to the blocks beside it and
 * strong power to some (a lever to the block it is on, a torch to the block above it, a repeater
 * to the block before it, wire to the block under it and those it points at). A solid opaque
 * block is powered by the strong power it receives and passes it on, weakly, to what is beside it.
 * A block is powered by the most power it receives from its six sides that way.
 */
final class Redstone {
    /** The six directions, in the game's order: down, up, -z, +z, -x, +x. */
    static final int[][] DIRS = {{0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}, {-1, 0, 0}, {1, 0, 0}};

    private Redstone() {
    }

    /** True for the blocks that carry strong power through them: solid, opaque, whole, not a component. */
    static boolean conductor(int id) {
        return Liquid.solid(id) && BlockLight.opacity(id) >= 15 && BlockRules.solid(id) && !component(id);
    }

    /** True for the blocks that give power. */
    static boolean component(int id) {
        return id == BlockIds.REDSTONE_WIRE || id == BlockIds.LEVER || id == BlockIds.STONE_BUTTON
                || id == BlockIds.WOODEN_BUTTON || id == BlockIds.REDSTONE_TORCH || id == BlockIds.UNLIT_REDSTONE_TORCH
                || id == BlockIds.REPEATER || id == BlockIds.POWERED_REPEATER || Plates.isPlate(id)
                || Comparator.isComparator(id) || id == BlockIds.REDSTONE_BLOCK || id == BlockIds.DAYLIGHT_SENSOR;
    }

    private static int at(BlockWorld w, int x, int y, int z) {
        return y < 0 || y > 255 || !w.loaded(x, z) ? BlockIds.AIR : w.blockAt(x, y, z);
    }

    /** The weak power the block at x, y, z gives toward (x+dx, y+dy, z+dz); wires counted only when withWire. */
    static int weak(BlockWorld w, int x, int y, int z, int dx, int dy, int dz, boolean withWire) {
        int id = at(w, x, y, z);
        switch (id) {
            case BlockIds.LEVER:
            case BlockIds.STONE_BUTTON:
            case BlockIds.WOODEN_BUTTON:
                return (w.metaAt(x, y, z) & 8) != 0 ? 15 : 0;
            case BlockIds.REDSTONE_TORCH: {
                int[] a = Switches.torchAttached(w.metaAt(x, y, z));
                return dx == a[0] && dy == a[1] && dz == a[2] ? 0 : 15;
            }
            case BlockIds.POWERED_REPEATER: {
                int[] f = Repeater.front(w.metaAt(x, y, z));
                return dx == f[0] && dz == f[1] && dy == 0 ? 15 : 0;
            }
            case BlockIds.REDSTONE_WIRE:
                return withWire ? Wire.weak(w, x, y, z, dx, dy, dz) : 0;
            case BlockIds.COMPARATOR:
            case BlockIds.POWERED_COMPARATOR: {
                int[] f = Repeater.front(w.metaAt(x, y, z));
                return dx == f[0] && dz == f[1] && dy == 0 ? Comparator.output(w, x, y, z) : 0;
            }
            case BlockIds.REDSTONE_BLOCK:
                return 15;
            case BlockIds.DAYLIGHT_SENSOR:
                return w.metaAt(x, y, z);
            case BlockIds.STONE_PLATE:
            case BlockIds.WOODEN_PLATE:
            case BlockIds.GOLD_PLATE:
            case BlockIds.IRON_PLATE:
                return Plates.power(id, w.metaAt(x, y, z));
            default:
                return 0;
        }
    }

    /** The strong power the block at x, y, z gives toward (x+dx, y+dy, z+dz). */
    static int strong(BlockWorld w, int x, int y, int z, int dx, int dy, int dz, boolean withWire) {
        int id = at(w, x, y, z);
        switch (id) {
            case BlockIds.LEVER:
            case BlockIds.STONE_BUTTON:
            case BlockIds.WOODEN_BUTTON: {
                int m = w.metaAt(x, y, z);
                int[] a = Switches.attached(m);
                return (m & 8) != 0 && dx == a[0] && dy == a[1] && dz == a[2] ? 15 : 0;
            }
            case BlockIds.REDSTONE_TORCH:
                return dy == 1 ? 15 : 0;
            case BlockIds.STONE_PLATE:
            case BlockIds.WOODEN_PLATE:
            case BlockIds.GOLD_PLATE:
            case BlockIds.IRON_PLATE:
                return dy == -1 ? Plates.power(id, w.metaAt(x, y, z)) : 0;
            case BlockIds.POWERED_REPEATER:
            case BlockIds.COMPARATOR:
            case BlockIds.POWERED_COMPARATOR:
            case BlockIds.REDSTONE_WIRE:
                return weak(w, x, y, z, dx, dy, dz, withWire);
            default:
                return 0;
        }
    }

    /** The strong power a block receives from its six sides. */
    static int strongInto(BlockWorld w, int x, int y, int z, boolean withWire) {
        int most = 0;
        for (int[] d : DIRS) {
            most = Math.max(most, strong(w, x + d[0], y + d[1], z + d[2], -d[0], -d[1], -d[2], withWire));
            if (most >= 15) {
                break;
            }
        }
        return most;
    }

    /** The power the block beside x, y, z in direction d gives it: weak power, or through a conductor its strong power received. */
    static int from(BlockWorld w, int x, int y, int z, int[] d, boolean withWire) {
        int nx = x + d[0];
        int ny = y + d[1];
        int nz = z + d[2];
        if (conductor(at(w, nx, ny, nz))) {
            return strongInto(w, nx, ny, nz, withWire);
        }
        return weak(w, nx, ny, nz, -d[0], -d[1], -d[2], withWire);
    }

    /** The most power the block at x, y, z receives from its six sides. */
    static int received(BlockWorld w, int x, int y, int z, boolean withWire) {
        int most = 0;
        for (int[] d : DIRS) {
            most = Math.max(most, from(w, x, y, z, d, withWire));
            if (most >= 15) {
                break;
            }
        }
        return most;
    }

    static boolean powered(BlockWorld w, int x, int y, int z) {
        return received(w, x, y, z, true) > 0;
    }

    /** After a component changed: the blocks beside it, and the blocks beside those, are told. */
    static void tellAround(BlockWorld w, int x, int y, int z) {
        w.tellNeighbours(x, y, z);
        for (int[] d : DIRS) {
            int ny = y + d[1];
            if (ny >= 0 && ny <= 255 && w.loaded(x + d[0], z + d[2])) {
                w.tellNeighbours(x + d[0], ny, z + d[2]);
            }
        }
    }
}
