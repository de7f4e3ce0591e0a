package net.cubeworks.world.game.block;

import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.game.event.PistonEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * A piston or sticky piston. Bits 0 to 2 of its data say where it faces (the game's order: down,
 * up, -z, +z, -x, +x), bit 3 that it is out. Powered from any side but its front, or at the block
 * above it (the game's quasi-connectivity: the block over the piston counts as if it were the
 * piston), it pushes the line of blocks before it one block on (at most 12; the block after them
 * must be air or one that breaks) and puts its head (block 34, facing the same way, bit 3 for a
 * sticky one) in front; when the power goes the head goes and a sticky piston draws the block
 * beyond it back. The clients are shown the move with a Block Action (0 out, 1 in, and the facing)
 * and draw it themselves; the blocks are in their new places at once.
 */
final class Piston extends BlockBehaviour {
    static final int EXTENDED = 8;
    static final int MAX_PUSH = 12;
    /** How a block takes a push: it moves, it breaks (dropping its items), or it stops the piston. */
    static final int MOVES = 0;
    static final int BREAKS = 1;
    static final int STOPS = 2;
    /** The blocks that keep state of their own (a block entity): a piston never moves them. */
    private static final int[] WITH_STATE = {23, 25, 36, 52, 54, 61, 62, 63, 68, 84, 116, 117, 119, 130, 137, 138,
        140, 144, 146, 149, 150, 151, 154, 158};

    private final boolean sticky;

    Piston(boolean sticky) {
        this.sticky = sticky;
    }

    static int[] dir(int facing) {
        return Redstone.DIRS[facing];
    }

    /** How the block takes a piston's push. */
    static int mobility(int id, int meta) {
        if (id == BlockIds.AIR) {
            return MOVES;
        }
        if (id == BlockIds.OBSIDIAN || id == BlockIds.BEDROCK) {
            return STOPS;
        }
        if (id == BlockIds.PISTON || id == BlockIds.STICKY_PISTON) {
            return (meta & EXTENDED) != 0 ? STOPS : MOVES;
        }
        for (int s : WITH_STATE) {
            if (s == id) {
                return STOPS;
            }
        }
        if (id == BlockIds.WOODEN_DOOR || id == BlockIds.IRON_DOOR || id == BlockIds.BED || id == BlockIds.SNOW_LAYER) {
            return BREAKS;
        }
        BlockTable.Block b = BlockTable.of(id);
        if (b.hardness < 0) {
            return STOPS;
        }
        switch (b.material) {
            case "piston":
            case "anvil":
            case "portal":
                return STOPS;
            case "plants":
            case "vine":
            case "circuits":
            case "fire":
            case "water":
            case "lava":
            case "leaves":
            case "gourd":
            case "cactus":
            case "cake":
            case "egg":
            case "web":
                return BREAKS;
            default:
                return MOVES;
        }
    }

    /**
     * Powered from a side other than its front, or the block above it powered from a side other
     * than its bottom.
     */
    static boolean powered(BlockWorld w, int x, int y, int z, int facing) {
        for (int i = 0; i < 6; i++) {
            if (i != facing && Redstone.from(w, x, y, z, Redstone.DIRS[i], true) > 0) {
                return true;
            }
        }
        if (y + 1 > 255) {
            return false;
        }
        for (int i = 1; i < 6; i++) {
            if (Redstone.from(w, x, y + 1, z, Redstone.DIRS[i], true) > 0) {
                return true;
            }
        }
        return false;
    }

    /**
     * The places (x, y, z) of the blocks a push toward facing moves, nearest first, then as the
     * last entry the place beyond them (air, or a block that breaks); null when the push is refused
     * (more than 12 blocks, one that stops it, the edge of the world or of the columns held).
     */
    static List<int[]> line(BlockWorld w, int x, int y, int z, int facing) {
        int[] d = dir(facing);
        List<int[]> line = new ArrayList<int[]>();
        for (int i = 1; i <= MAX_PUSH + 1; i++) {
            int px = x + d[0] * i;
            int py = y + d[1] * i;
            int pz = z + d[2] * i;
            if (py < 0 || py > 255 || !w.loaded(px, pz)) {
                return null;
            }
            int id = w.blockAt(px, py, pz);
            int m = mobility(id, w.metaAt(px, py, pz));
            if (id == BlockIds.AIR || m == BREAKS) {
                line.add(new int[] {px, py, pz});
                return line;
            }
            if (m == STOPS || i == MAX_PUSH + 1) {
                return null;
            }
            line.add(new int[] {px, py, pz});
        }
        return null;
    }

    /** Placed, it faces the player: see {@link PlacedData#facingPlayer}. */
    @Override
    int placedData(PlacedBlock b) {
        return PlacedData.facingPlayer(b.x, b.y, b.z, b.placer);
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        neighbourChanged(w, x, y, z, BlockIds.AIR);
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        int meta = w.metaAt(x, y, z);
        int facing = meta & 7;
        if (facing > 5) {
            return;
        }
        boolean out = (meta & EXTENDED) != 0;
        boolean on = powered(w, x, y, z, facing);
        if (on && !out) {
            extend(w, x, y, z, meta);
        } else if (!on && out) {
            retract(w, x, y, z, meta);
        }
    }

    /** Pushes the line before the piston on and puts the head out; false when refused or cancelled. */
    boolean extend(BlockWorld w, int x, int y, int z, int meta) {
        int facing = meta & 7;
        int[] d = dir(facing);
        List<int[]> line = line(w, x, y, z, facing);
        if (line == null || !PistonEvents.extend(w.host(), w.api(), x, y, z, facing, line.size() - 1)) {
            return false;
        }
        int id = w.blockAt(x, y, z);
        w.setBlockQuietly(x, y, z, id, meta | EXTENDED);
        w.blockAction(x, y, z, id, 0, facing);
        w.playSound("tile.piston.out", x + 0.5, y + 0.5, z + 0.5, 0.5f, w.random().nextFloat() * 0.25f + 0.6f);
        int[] end = line.get(line.size() - 1);
        int endId = w.blockAt(end[0], end[1], end[2]);
        if (endId != BlockIds.AIR) {
            int endMeta = w.metaAt(end[0], end[1], end[2]);
            Drops.ofBlock(w, end[0], end[1], end[2], endId, endMeta);
            // a door or bed breaks whole: its other half goes too, and the one item the pair gives drops once
            int[] other = BlockTable.otherHalf(endId, endMeta, end[0], end[1], end[2]);
            if (other != null && other[1] >= 0 && other[1] <= 255 && w.loaded(other[0], other[2])
                    && w.blockAt(other[0], other[1], other[2]) == endId) {
                Drops.ofBlock(w, other[0], other[1], other[2], endId, w.metaAt(other[0], other[1], other[2]));
                w.setBlockQuietly(other[0], other[1], other[2], BlockIds.AIR, 0);
                w.tellNeighbours(other[0], other[1], other[2]);
            }
        }
        for (int i = line.size() - 2; i >= 0; i--) {
            int[] from = line.get(i);
            w.setBlockQuietly(from[0] + d[0], from[1] + d[1], from[2] + d[2], w.blockAt(from[0], from[1], from[2]),
                    w.metaAt(from[0], from[1], from[2]));
        }
        w.setBlockQuietly(x + d[0], y + d[1], z + d[2], BlockIds.PISTON_HEAD, facing | (sticky ? EXTENDED : 0));
        w.tellNeighbours(x, y, z);
        for (int[] p : line) {
            w.tellNeighbours(p[0], p[1], p[2]);
        }
        return true;
    }

    /** Takes the head in and, for a sticky piston, draws back the block beyond it; false when cancelled. */
    boolean retract(BlockWorld w, int x, int y, int z, int meta) {
        int facing = meta & 7;
        int[] d = dir(facing);
        if (!PistonEvents.retract(w.host(), w.api(), x, y, z, facing)) {
            return false;
        }
        int id = w.blockAt(x, y, z);
        w.setBlockQuietly(x, y, z, id, meta & ~EXTENDED);
        w.blockAction(x, y, z, id, 1, facing);
        w.playSound("tile.piston.in", x + 0.5, y + 0.5, z + 0.5, 0.5f, w.random().nextFloat() * 0.15f + 0.6f);
        int hx = x + d[0];
        int hy = y + d[1];
        int hz = z + d[2];
        if (hy < 0 || hy > 255 || !w.loaded(hx, hz)) {
            w.tellNeighbours(x, y, z);
            return true;
        }
        if (w.blockAt(hx, hy, hz) == BlockIds.PISTON_HEAD) {
            w.setBlockQuietly(hx, hy, hz, BlockIds.AIR, 0);
        }
        int bx = hx + d[0];
        int by = hy + d[1];
        int bz = hz + d[2];
        boolean pulled = false;
        if (sticky && by >= 0 && by <= 255 && w.loaded(bx, bz) && w.blockAt(hx, hy, hz) == BlockIds.AIR) {
            int pid = w.blockAt(bx, by, bz);
            int pmeta = w.metaAt(bx, by, bz);
            if (pid != BlockIds.AIR && mobility(pid, pmeta) == MOVES) {
                w.setBlockQuietly(hx, hy, hz, pid, pmeta);
                w.setBlockQuietly(bx, by, bz, BlockIds.AIR, 0);
                pulled = true;
            }
        }
        w.tellNeighbours(x, y, z);
        w.tellNeighbours(hx, hy, hz);
        if (pulled) {
            w.tellNeighbours(bx, by, bz);
        }
        return true;
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        int facing = oldMeta & 7;
        if ((oldMeta & EXTENDED) == 0 || facing > 5) {
            return;
        }
        int[] d = dir(facing);
        int hy = y + d[1];
        if (hy >= 0 && hy <= 255 && w.loaded(x + d[0], z + d[2])
                && w.blockAt(x + d[0], hy, z + d[2]) == BlockIds.PISTON_HEAD) {
            w.setBlock(x + d[0], hy, z + d[2], BlockIds.AIR, 0);
        }
    }

    /** The head: taken away, it takes its piston with it (which drops as an item). */
    static final class Head extends BlockBehaviour {
        @Override
        public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
            int facing = oldMeta & 7;
            if (facing > 5) {
                return;
            }
            int[] d = dir(facing);
            int bx = x - d[0];
            int by = y - d[1];
            int bz = z - d[2];
            if (by < 0 || by > 255 || !w.loaded(bx, bz)) {
                return;
            }
            int id = w.blockAt(bx, by, bz);
            int meta = w.metaAt(bx, by, bz);
            if ((id == BlockIds.PISTON || id == BlockIds.STICKY_PISTON) && (meta & EXTENDED) != 0 && (meta & 7) == facing) {
                Drops.ofBlock(w, bx, by, bz, id, meta);
                w.setBlock(bx, by, bz, BlockIds.AIR, 0);
            }
        }
    }
}
