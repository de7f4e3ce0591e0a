package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.RedstoneEvents;
import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;

/**
 * Levers and buttons: a right click turns a lever on or off, and presses a button, which springs
 * back after 20 ticks (stone) or 30 (wood). While on they give power 15 to every side, and strong
 * power to the block they are on (bit 8 of their data is on; the rest says which side they are on).
 */
final class Switches extends BlockBehaviour {
    static final int ON = 8;
    /** How long a button stays pressed, in ticks; 0 for a lever. */
    private final int pressed;

    Switches(int pressed) {
        this.pressed = pressed;
    }

    /** The direction from a lever or button to the block it is on, by its data. */
    static int[] attached(int meta) {
        switch (meta & 7) {
            case 1:
                return new int[] {-1, 0, 0};
            case 2:
                return new int[] {1, 0, 0};
            case 3:
                return new int[] {0, 0, -1};
            case 4:
                return new int[] {0, 0, 1};
            case 5:
            case 6:
                return new int[] {0, -1, 0};
            default:
                return new int[] {0, 1, 0};
        }
    }

    /** The direction from a torch to the block it is on, by its data (1 to 4 on a side, 5 on the ground). */
    static int[] torchAttached(int meta) {
        switch (meta & 7) {
            case 1:
                return new int[] {-1, 0, 0};
            case 2:
                return new int[] {1, 0, 0};
            case 3:
                return new int[] {0, 0, -1};
            case 4:
                return new int[] {0, 0, 1};
            default:
                return new int[] {0, -1, 0};
        }
    }

    /**
     * Placed, a button hangs on the side of the block clicked; a lever too, or stands on the
     * ground or hangs from the ceiling pointing along the player's look.
     */
    @Override
    int placedData(PlacedBlock b) {
        if (pressed > 0) {
            return b.onWall() ? PlacedData.WALL_FACING[b.face] : -1;
        }
        boolean northSouth = (b.quarter() & 1) == 0;
        if (b.face == 0) {
            return b.world.normal(b.x, b.y + 1, b.z) ? (northSouth ? 7 : 0) : -1;
        }
        if (b.face == 1) {
            return b.onSolidTop() ? (northSouth ? 5 : 6) : -1;
        }
        return b.onWall() ? PlacedData.WALL_FACING[b.face] : -1;
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (!(terrain instanceof BlockWorld)) {
            return false;
        }
        BlockWorld w = (BlockWorld) terrain;
        int id = w.blockAt(x, y, z);
        int meta = w.metaAt(x, y, z);
        boolean on = (meta & ON) != 0;
        if (pressed > 0 && on) {
            return true; // a pressed button stays pressed until it springs back
        }
        int current = RedstoneEvents.change(w.host(), w.api(), x, y, z, on ? 15 : 0, on ? 0 : 15);
        if (current > 0 == on) {
            return true;
        }
        w.setBlockQuietly(x, y, z, id, meta ^ ON);
        w.playSound("random.click", x + 0.5, y + 0.5, z + 0.5, 0.3f, on ? 0.5f : 0.6f);
        Redstone.tellAround(w, x, y, z);
        int[] a = attached(meta);
        Redstone.tellAround(w, x + a[0], y + a[1], z + a[2]);
        if (pressed > 0) {
            w.scheduleTick(x, y, z, id, pressed, 0);
        }
        return true;
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        int meta = w.metaAt(x, y, z);
        if (pressed == 0 || (meta & ON) == 0) {
            return;
        }
        RedstoneEvents.change(w.host(), w.api(), x, y, z, 15, 0);
        w.setBlockQuietly(x, y, z, w.blockAt(x, y, z), meta & ~ON);
        w.playSound("random.click", x + 0.5, y + 0.5, z + 0.5, 0.3f, 0.5f);
        Redstone.tellAround(w, x, y, z);
        int[] a = attached(meta);
        Redstone.tellAround(w, x + a[0], y + a[1], z + a[2]);
    }

    @Override
    public void removed(BlockWorld w, int x, int y, int z, int oldMeta) {
        if ((oldMeta & ON) != 0) {
            Redstone.tellAround(w, x, y, z);
            int[] a = attached(oldMeta);
            Redstone.tellAround(w, x + a[0], y + a[1], z + a[2]);
        }
    }
}
