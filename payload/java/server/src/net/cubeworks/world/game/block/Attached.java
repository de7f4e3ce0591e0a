package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;

/**
 * The blocks something else holds in place (a torch its wall, a flower its ground, a door its
 * other half): when a block beside one changes and what held it is gone, it breaks and its items
 * fall where it was, as the game's own doings drop them (a door or tall flower left without its
 * other half goes without: the pair's item went with that half). Wraps the kind's own behaviour, which
 * runs as before while the block is held. Crops, saplings, sugar cane and cactus look after
 * themselves.
 */
final class Attached extends BlockBehaviour {
    static final int NETHER_WART = 115;
    private static final int SOUL_SAND = 88;

    /** The ids held by something beside them. */
    static final int[] HELD = {BlockIds.TORCH, BlockIds.REDSTONE_TORCH, BlockIds.UNLIT_REDSTONE_TORCH, BlockIds.LEVER,
        BlockIds.STONE_BUTTON, BlockIds.WOODEN_BUTTON, BlockIds.LADDER, BlockIds.WALL_SIGN, BlockIds.STANDING_SIGN,
        BlockIds.WOODEN_DOOR, BlockIds.IRON_DOOR, BlockIds.REDSTONE_WIRE, BlockIds.REPEATER, BlockIds.POWERED_REPEATER,
        BlockIds.COMPARATOR, BlockIds.POWERED_COMPARATOR, BlockIds.STONE_PLATE, BlockIds.WOODEN_PLATE,
        BlockIds.GOLD_PLATE, BlockIds.IRON_PLATE, BlockIds.RAIL, BlockIds.GOLDEN_RAIL, BlockIds.DETECTOR_RAIL,
        BlockIds.ACTIVATOR_RAIL, BlockIds.DANDELION, BlockIds.POPPY, BlockIds.TALL_GRASS, BlockIds.DEAD_BUSH,
        PlacingIds.BROWN_MUSHROOM, PlacingIds.RED_MUSHROOM, PlacingIds.CARPET, BlockIds.SNOW_LAYER, NETHER_WART,
        PlacingIds.DOUBLE_PLANT, BlockIds.TRAPDOOR, PlacingIds.FLOWER_POT};

    private final BlockBehaviour own;

    Attached(BlockBehaviour own) {
        this.own = own;
    }

    /** Wraps the behaviour of every held id in the table. */
    static void wrap(BlockBehaviour[] byId) {
        for (int id : HELD) {
            byId[id] = new Attached(byId[id]);
        }
    }

    /** The kind's own behaviour inside a wrapped one. */
    static BlockBehaviour own(BlockBehaviour b) {
        return b instanceof Attached ? ((Attached) b).own : b;
    }

    private static int id(BlockWorld w, int x, int y, int z) {
        return y < 0 || y > 255 ? BlockIds.AIR : w.blockAt(x, y, z);
    }

    private static int meta(BlockWorld w, int x, int y, int z) {
        return y < 0 || y > 255 ? 0 : w.metaAt(x, y, z);
    }

    private static boolean top(BlockWorld w, int x, int y, int z) {
        return Footing.solidTop(id(w, x, y, z), meta(w, x, y, z));
    }

    private static boolean wall(BlockWorld w, int x, int y, int z, int[] d) {
        return Footing.normalCube(id(w, x + d[0], y + d[1], z + d[2]));
    }

    /** The side a ladder or wall sign (2 to 5) or a trapdoor (0 to 3, as 2 to 5) hangs on. */
    private static int[] hangs(int side) {
        switch (side) {
            case 2:
                return new int[] {0, 0, 1};
            case 3:
                return new int[] {0, 0, -1};
            case 4:
                return new int[] {1, 0, 0};
            default:
                return new int[] {-1, 0, 0};
        }
    }

    private static boolean ground(int below) {
        return below == BlockIds.GRASS || below == BlockIds.DIRT || below == BlockIds.FARMLAND;
    }

    /**
     * True while what holds the block (id, meta) at x, y, z is there. Where the world's held land
     * ends nothing is known, so the block is held.
     */
    static boolean holds(BlockWorld w, int id, int meta, int x, int y, int z) {
        for (int[] d : BlockUpdates.NEIGHBOURS) {
            if (!w.loaded(x + d[0], z + d[2])) {
                return true;
            }
        }
        int below = id(w, x, y - 1, z);
        switch (id) {
            case BlockIds.TORCH:
            case BlockIds.REDSTONE_TORCH:
            case BlockIds.UNLIT_REDSTONE_TORCH: {
                int[] a = Switches.torchAttached(meta);
                if (a[1] == -1) {
                    return top(w, x, y - 1, z) || below == PlacingIds.FENCE || below == PlacingIds.NETHER_FENCE
                            || below == PlacingIds.GLASS || below == PlacingIds.COBBLESTONE_WALL;
                }
                return wall(w, x, y, z, a);
            }
            case BlockIds.LEVER:
            case BlockIds.STONE_BUTTON:
            case BlockIds.WOODEN_BUTTON: {
                int[] a = Switches.attached(meta);
                return a[1] == -1 ? top(w, x, y - 1, z) : wall(w, x, y, z, a);
            }
            case BlockIds.LADDER:
                return wall(w, x, y, z, hangs(meta));
            case BlockIds.WALL_SIGN: {
                int[] a = hangs(meta);
                return Footing.solidMaterial(id(w, x + a[0], y, z + a[2]));
            }
            case BlockIds.STANDING_SIGN:
                return Footing.solidMaterial(below);
            case BlockIds.TRAPDOOR: {
                int[] a = hangs((meta & 3) + 2);
                int on = id(w, x + a[0], y, z + a[2]);
                return Footing.opaqueCube(on) || on == PlacingIds.GLOWSTONE;
            }
            case BlockIds.WOODEN_DOOR:
            case BlockIds.IRON_DOOR:
                if ((meta & Openings.UPPER) != 0) {
                    return below == id;
                }
                return id(w, x, y + 1, z) == id && top(w, x, y - 1, z);
            case PlacingIds.DOUBLE_PLANT:
                if ((meta & 8) != 0) {
                    return below == id;
                }
                return id(w, x, y + 1, z) == id && ground(below);
            case BlockIds.REDSTONE_WIRE:
                return top(w, x, y - 1, z) || below == PlacingIds.GLOWSTONE;
            case BlockIds.REPEATER:
            case BlockIds.POWERED_REPEATER:
            case BlockIds.COMPARATOR:
            case BlockIds.POWERED_COMPARATOR:
            case PlacingIds.FLOWER_POT:
                return top(w, x, y - 1, z);
            case BlockIds.STONE_PLATE:
            case BlockIds.WOODEN_PLATE:
            case BlockIds.GOLD_PLATE:
            case BlockIds.IRON_PLATE:
                return top(w, x, y - 1, z) || below == PlacingIds.FENCE || below == PlacingIds.NETHER_FENCE;
            case BlockIds.RAIL:
            case BlockIds.GOLDEN_RAIL:
            case BlockIds.DETECTOR_RAIL:
            case BlockIds.ACTIVATOR_RAIL:
                return Rails.held(w, id, meta, x, y, z);
            case BlockIds.DANDELION:
            case BlockIds.POPPY:
            case BlockIds.TALL_GRASS:
                return ground(below);
            case BlockIds.DEAD_BUSH:
                return below == BlockIds.SAND || below == PlacingIds.HARDENED_CLAY || below == PlacingIds.STAINED_CLAY
                        || below == BlockIds.DIRT;
            case PlacingIds.BROWN_MUSHROOM:
            case PlacingIds.RED_MUSHROOM:
                return below == PlacingIds.MYCELIUM || Footing.opaqueCube(below);
            case PlacingIds.CARPET:
                return below != BlockIds.AIR;
            case BlockIds.SNOW_LAYER:
                return below == BlockIds.LEAVES || below == BlockIds.LEAVES_2 || below != BlockIds.ICE
                        && below != BlockIds.PACKED_ICE && Footing.opaqueCube(below)
                        || below == BlockIds.SNOW_LAYER && (meta(w, x, y - 1, z) & 7) == 7;
            case NETHER_WART:
                return below == SOUL_SAND;
            default:
                return true;
        }
    }

    /**
     * True for one half of a door or tall flower whose other half went: it goes without an item,
     * as the pair's one item went with whoever took the other half (a player's dig, a piston).
     */
    private static boolean halfLeftAlone(BlockWorld w, int id, int meta, int x, int y, int z) {
        if (id != BlockIds.WOODEN_DOOR && id != BlockIds.IRON_DOOR && id != PlacingIds.DOUBLE_PLANT) {
            return false;
        }
        int other = (meta & 8) != 0 ? y - 1 : y + 1;
        return id(w, x, other, z) != id;
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        int id = w.blockAt(x, y, z);
        int meta = w.metaAt(x, y, z);
        if (!holds(w, id, meta, x, y, z)) {
            if (!halfLeftAlone(w, id, meta, x, y, z)) {
                Drops.ofBlock(w, x, y, z, id, meta);
            }
            w.setBlock(x, y, z, BlockIds.AIR, 0);
            return;
        }
        own.neighbourChanged(w, x, y, z, changedId);
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        return own.rightClicked(user, terrain, x, y, z);
    }

    @Override
    public boolean hitBeside(BlockUser user, Terrain terrain, int x, int y, int z) {
        return own.hitBeside(user, terrain, x, y, z);
    }

    @Override
    int placedData(PlacedBlock b) {
        return own.placedData(b);
    }

    @Override
    public int leftAfterBreak(Terrain terrain, int x, int y, int z) {
        return own.leftAfterBreak(terrain, x, y, z);
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        own.added(w, x, y, z);
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        own.removed(w, x, y, z, oldMeta);
    }

    @Override
    public boolean ticksRandomly() {
        return own.ticksRandomly();
    }

    @Override
    public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
        own.randomTick(w, x, y, z, random);
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        own.scheduledTick(w, x, y, z, random);
    }
}
