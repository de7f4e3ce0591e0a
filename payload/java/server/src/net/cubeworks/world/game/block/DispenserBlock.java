package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.crafting.SmeltingBook;
import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.SlotRow;

/**
 * A dispenser or a dropper: a right click opens its window; when power comes (to it, or to the
 * block above it, as in the game) it fires 4 ticks later, once, one item of a slot picked at
 * random: thrown out of its face (a dispenser throws every item so for now), or by a dropper into
 * the container its face touches. The 8 of its data says it is powered, so that it fires only
 * when the power comes, not while it stays.
 */
public final class DispenserBlock extends BlockBehaviour {
    private static final int DELAY = 4;
    private static final int CLICK = 1000;
    private static final int CLICK_FAILED = 1001;
    private static final int SMOKE = 2000;
    private final boolean dropper;

    public DispenserBlock(boolean dropper) {
        this.dropper = dropper;
    }

    /** Placed, it faces the player: see {@link PlacedData#facingPlayer}. */
    @Override
    int placedData(PlacedBlock b) {
        return PlacedData.facingPlayer(b.x, b.y, b.z, b.placer);
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (user.isSneaking() && user.heldItem() != 0) {
            return false;
        }
        user.openContainer(x, y, z);
        return true;
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        int data = w.metaAt(x, y, z);
        boolean powered = Redstone.powered(w, x, y, z) || y < 255 && Redstone.powered(w, x, y + 1, z);
        boolean triggered = (data & 8) != 0;
        if (powered && !triggered) {
            w.setBlockQuietly(x, y, z, w.blockAt(x, y, z), data | 8);
            w.scheduleTick(x, y, z, w.blockAt(x, y, z), DELAY, 0);
        } else if (!powered && triggered) {
            w.setBlockQuietly(x, y, z, w.blockAt(x, y, z), data & 7);
        }
    }

    /** The face's direction of the data: {dx, dy, dz}. */
    static int[] facing(int data) {
        switch (data & 7) {
            case 0:
                return new int[] {0, -1, 0};
            case 1:
                return new int[] {0, 1, 0};
            case 2:
                return new int[] {0, 0, -1};
            case 3:
                return new int[] {0, 0, 1};
            case 4:
                return new int[] {-1, 0, 0};
            default:
                return new int[] {1, 0, 0};
        }
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        BlockEntity e = w.blockEntityAt(x, y, z);
        if (!(e instanceof BlockEntity.Container)) {
            return;
        }
        SlotRow s = ((BlockEntity.Container) e).slots;
        int slot = pick(s, random);
        if (slot < 0) {
            w.playEffect(CLICK_FAILED, x, y, z, 0);
            return;
        }
        int[] f = facing(w.metaAt(x, y, z));
        keep(w, x, y, z);
        if (dropper && intoContainer(w, x + f[0], y + f[1], z + f[2], f[1] < 0, s, slot)) {
            return;
        }
        int id = s.item(slot);
        int data = s.data(slot);
        Object tag = s.tag(slot);
        s.set(slot, id, s.count(slot) - 1, data, tag);
        double px = x + 0.5 + 0.7 * f[0];
        double py = y + 0.5 + 0.7 * f[1] - (f[1] == 0 ? 0.15625 : 0.125);
        double pz = z + 0.5 + 0.7 * f[2];
        double speed = random.nextDouble() * 0.1 + 0.2;
        double[] motion = {f[0] * speed + random.nextGaussian() * 0.045, f[1] == 0 ? 0.2 + random.nextGaussian() * 0.045
                : f[1] * speed + random.nextGaussian() * 0.045, f[2] * speed + random.nextGaussian() * 0.045};
        w.throwItem(px, py, pz, id, 1, data, tag, motion);
        w.playEffect(CLICK, x, y, z, 0);
        w.playEffect(SMOKE, x, y, z, (f[0] + 1) + (f[2] + 1) * 3);
    }

    /** The block's slots changed: its column is saved with the next save (the block set again as it is). */
    private static void keep(BlockWorld w, int x, int y, int z) {
        w.setBlockQuietly(x, y, z, w.blockAt(x, y, z), w.metaAt(x, y, z));
    }

    /** A slot with items, each as likely as the others (the game's pick); -1 when all are empty. */
    static int pick(SlotRow s, Random random) {
        int found = -1;
        int seen = 1;
        for (int i = 0; i < s.size(); i++) {
            if (s.count(i) > 0 && random.nextInt(seen++) == 0) {
                found = i;
            }
        }
        return found;
    }

    /** A dropper's item into the container before it; false when there is none (the item is thrown). */
    private static boolean intoContainer(BlockWorld w, int x, int y, int z, boolean fromAbove, SlotRow from, int slot) {
        BlockEntity target = y < 0 || y > 255 || !w.loaded(x, z) ? null : w.blockEntityAt(x, y, z);
        if (!(target instanceof BlockEntity.Container)) {
            return false;
        }
        BlockEntity.Container c = (BlockEntity.Container) target;
        int[] slots = HopperMoves.slotsInto(c.id, c.slots.size(), fromAbove);
        if (HopperMoves.put(new SlotRow[] {c.slots}, c.id, slots, from.item(slot), 1, from.data(slot), from.tag(slot),
                SmeltingBook.standard()) == 1) {
            from.set(slot, from.item(slot), from.count(slot) - 1, from.data(slot), from.tag(slot));
            keep(w, x, y, z);
        }
        return true;
    }
}
