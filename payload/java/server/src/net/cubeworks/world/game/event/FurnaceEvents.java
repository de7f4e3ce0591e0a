package net.cubeworks.world.game.event;

import org.bukkit.Material;
import org.bukkit.block.Block;
import org.bukkit.entity.Player;
import org.bukkit.event.inventory.FurnaceBurnEvent;
import org.bukkit.event.inventory.FurnaceExtractEvent;
import org.bukkit.event.inventory.FurnaceSmeltEvent;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.thread.GameHost;

/**
 * The plugins' say in a furnace's work: a fuel lit (FurnaceBurnEvent), an item smelted
 * (FurnaceSmeltEvent), results taken out (FurnaceExtractEvent, the experience they give). Each
 * is asked only while a plugin listens.
 */
public final class FurnaceEvents {
    private FurnaceEvents() {
    }

    /** The fuel is about to burn for ticks: {ticks, 1 when the fuel is used up}, or null when a plugin cancelled it. */
    public static int[] burn(GameHost host, Block furnace, int fuelId, int fuelData, int ticks) {
        if (FurnaceBurnEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new int[] {ticks, 1};
        }
        FurnaceBurnEvent e = new FurnaceBurnEvent(furnace, new ItemStack(fuelId, 1, (short) fuelData), ticks);
        host.callEvent(e);
        if (e.isCancelled()) {
            return null;
        }
        return new int[] {e.getBurnTime(), e.isBurning() ? 1 : 0};
    }

    /**
     * The input is about to smelt into the result {id, count, data}: the result a plugin leaves,
     * or null when it cancelled the smelting (an empty result smelts the input into nothing).
     */
    public static int[] smelt(GameHost host, Block furnace, int inputId, int inputData, int[] result) {
        if (FurnaceSmeltEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return result;
        }
        FurnaceSmeltEvent e = new FurnaceSmeltEvent(furnace, new ItemStack(inputId, 1, (short) inputData),
                new ItemStack(result[0], result[1], (short) result[2]));
        host.callEvent(e);
        if (e.isCancelled()) {
            return null;
        }
        ItemStack r = e.getResult();
        if (r == null || r.getTypeId() <= 0 || r.getAmount() <= 0) {
            return new int[] {0, 0, 0};
        }
        return new int[] {r.getTypeId(), Math.min(64, r.getAmount()), r.getDurability()};
    }

    /** The player took count of the item out of the furnace's result: the experience it gives, as a plugin leaves it. */
    public static int extract(GameHost host, Player player, Block furnace, int itemId, int count, int exp) {
        if (FurnaceExtractEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return exp;
        }
        FurnaceExtractEvent e = new FurnaceExtractEvent(player, furnace, Material.getMaterial(itemId), count, exp);
        host.callEvent(e);
        return Math.max(0, e.getExpToDrop());
    }
}
