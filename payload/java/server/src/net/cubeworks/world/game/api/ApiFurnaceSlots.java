package net.cubeworks.world.game.api;

import org.bukkit.block.BrewingStand;
import org.bukkit.block.Furnace;
import org.bukkit.event.inventory.InventoryType;
import org.bukkit.inventory.BrewerInventory;
import org.bukkit.inventory.FurnaceInventory;
import org.bukkit.inventory.InventoryHolder;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.level.SlotRow;

/** The slots of a furnace (what smelts, fuel, result) and of a brewing stand (three bottles, ingredient). */
public final class ApiFurnaceSlots {
    private ApiFurnaceSlots() {
    }

    public static final class Smelting extends ApiContainer implements FurnaceInventory {
        Smelting(Object lock, GameThread thread, Players players, InventoryHolder holder, SlotRow slots,
                String title, Runnable changed) {
            super(lock, thread, players, holder, InventoryType.FURNACE, slots, title, changed);
        }

        public ItemStack getResult() {
            return getItem(2);
        }

        public ItemStack getFuel() {
            return getItem(1);
        }

        public ItemStack getSmelting() {
            return getItem(0);
        }

        public void setFuel(ItemStack stack) {
            setItem(1, stack);
        }

        public void setResult(ItemStack stack) {
            setItem(2, stack);
        }

        public void setSmelting(ItemStack stack) {
            setItem(0, stack);
        }

        @Override
        public Furnace getHolder() {
            return (Furnace) super.getHolder();
        }
    }

    public static final class Brewing extends ApiContainer implements BrewerInventory {
        Brewing(Object lock, GameThread thread, Players players, InventoryHolder holder, SlotRow slots,
                String title, Runnable changed) {
            super(lock, thread, players, holder, InventoryType.BREWING, slots, title, changed);
        }

        public ItemStack getIngredient() {
            return getItem(3);
        }

        public void setIngredient(ItemStack ingredient) {
            setItem(3, ingredient);
        }

        @Override
        public BrewingStand getHolder() {
            return (BrewingStand) super.getHolder();
        }
    }
}
