package net.cubeworks.world.game.item;

import org.bukkit.entity.HumanEntity;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.SlotRow;

/**
 * The slots of a dispenser, dropper, hopper or brewing stand (or a player's ender chest) as one
 * player's window shows them, over the block entity's own slots, so every viewer and the world's
 * own doings (a hopper's moves) share one state. A brewing stand's bottle slots (0 to 2) take
 * potions and glass bottles only, its top slot (3) what brews; shift-click sorts into them so.
 * What the window last showed is kept, so that only changes made by others are sent.
 */
public final class BlockSlots implements ContainerSlots {
    /** What the world does after a click of the viewer changed the slots. */
    public interface Changes {
        void changed(BlockSlots slots, HumanEntity by);
    }

    private static final int POTION = 373;
    private static final int GLASS_BOTTLE = 374;

    /** The block's entity (null for an ender chest, which is the player's). */
    public final BlockEntity.Container block;
    /** The kind of the player's ender chest, which has no block entity of its own here. */
    public static final String ENDER_CHEST = "EnderChest";
    /** Its kind, by the game's name ("Trap", "Dropper", "Hopper", "Cauldron", or "EnderChest"). */
    public final String kind;
    private final SlotRow row;
    private final Changes changes;
    private final int[] shown;
    /** The block an ender chest's window was opened at, {x, y, z}; null for the others. */
    public int[] at;

    public BlockSlots(BlockEntity.Container block, String kind, SlotRow row, Changes changes) {
        this.block = block;
        this.kind = kind;
        this.row = row;
        this.changes = changes;
        this.shown = new int[row.size() * 3];
        java.util.Arrays.fill(shown, -1);
    }

    /** The slots themselves (the block entity's, or the player's ender chest's). */
    public SlotRow row() {
        return row;
    }

    public int size() {
        return row.size();
    }

    public int item(int slot) {
        return row.item(slot);
    }

    public int count(int slot) {
        return row.count(slot);
    }

    public int data(int slot) {
        return row.data(slot);
    }

    public Object tag(int slot) {
        return row.tag(slot);
    }

    public void set(int slot, int itemId, int amount, int itemData, Object itemTag) {
        row.set(slot, itemId, amount, itemData, itemTag);
    }

    public void changedBy(HumanEntity viewer) {
        changes.changed(this, viewer);
    }

    private boolean brewing() {
        return BlockEntity.BREWING_STAND.equals(kind);
    }

    /** Whether the item brews (the brewing stand's top slot takes it): the game's potion ingredients. */
    public static boolean brews(int itemId) {
        switch (itemId) {
            case 372: // nether wart
            case 331: // redstone
            case 348: // glowstone dust
            case 376: // fermented spider eye
            case 375: // spider eye
            case 353: // sugar
            case 370: // ghast tear
            case 377: // blaze powder
            case 378: // magma cream
            case 382: // glistering melon
            case 396: // golden carrot
            case 289: // gunpowder
            case 349: // pufferfish, by its data in the game
                return true;
            default:
                return false;
        }
    }

    @Override
    public int limit(int slot) {
        return brewing() && slot < 3 ? 1 : 64;
    }

    @Override
    public boolean accepts(int slot, int itemId) {
        if (!brewing()) {
            return true;
        }
        return slot == 3 ? brews(itemId) : itemId == POTION || itemId == GLASS_BOTTLE;
    }

    @Override
    public int[] shiftInto(int itemId, int itemData) {
        if (!brewing()) {
            return null;
        }
        if (brews(itemId)) {
            return new int[] {3, 4};
        }
        if (itemId == POTION || itemId == GLASS_BOTTLE) {
            return new int[] {0, 3};
        }
        return new int[0];
    }

    /** The slots whose stacks differ from what the window last showed, marking them shown. */
    public java.util.List<Integer> slotsToShow() {
        java.util.List<Integer> out = new java.util.ArrayList<Integer>();
        for (int i = 0; i < row.size(); i++) {
            if (shown[i * 3] != item(i) || shown[i * 3 + 1] != count(i) || shown[i * 3 + 2] != data(i)) {
                shown[i * 3] = item(i);
                shown[i * 3 + 1] = count(i);
                shown[i * 3 + 2] = data(i);
                out.add(i);
            }
        }
        return out;
    }
}
