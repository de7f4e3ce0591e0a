package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;

import org.bukkit.block.DoubleChest;
import org.bukkit.entity.HumanEntity;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.item.ApiSlots;

/**
 * Two chests side by side as the plugin API sees them from either half: one inventory of 54
 * slots, the western or northern half's 27 first (as the game's window shows them), each slot
 * read from and written to that half's own slots.
 */
public final class ApiDoubleChest extends ApiSlots implements org.bukkit.inventory.DoubleChestInventory {
    private final Inventory left;
    private final Inventory right;

    public ApiDoubleChest(Inventory left, Inventory right) {
        this.left = left;
        this.right = right;
    }

    private Inventory half(int index) {
        if (index < 0 || index >= 54) {
            throw new ArrayIndexOutOfBoundsException("a double chest has slots 0 to 53, not " + index);
        }
        return index < 27 ? left : right;
    }

    protected ItemStack read(int index) {
        return half(index).getItem(index % 27);
    }

    protected void write(int index, ItemStack stack) {
        half(index).setItem(index % 27, stack);
    }

    public int getSize() {
        return 54;
    }

    public String getName() {
        return "Large chest";
    }

    public String getTitle() {
        return getName();
    }

    public InventoryType getType() {
        return InventoryType.CHEST;
    }

    public List<HumanEntity> getViewers() {
        Set<HumanEntity> all = new LinkedHashSet<HumanEntity>(left.getViewers());
        all.addAll(right.getViewers());
        return new ArrayList<HumanEntity>(all);
    }

    public Inventory getLeftSide() {
        return left;
    }

    public Inventory getRightSide() {
        return right;
    }

    public DoubleChest getHolder() {
        return new DoubleChest(this);
    }
}
