package org.bukkit.event.enchantment;

import java.util.HashMap;
import java.util.Map;

import org.bukkit.block.Block;
import org.bukkit.enchantments.Enchantment;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;
import org.bukkit.event.inventory.InventoryEvent;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;

/**
 * A player enchants an item at an enchanting table; the cost and the enchantments may be changed.
 */
public class EnchantItemEvent extends InventoryEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final Block table;
    private final ItemStack item;
    private int level;
    private final Map<Enchantment, Integer> enchants;
    private final Player enchanter;
    private final int button;
    private boolean cancelled;

    public EnchantItemEvent(final Player enchanter, final InventoryView view, final Block table, final ItemStack item, final int level, final Map<Enchantment, Integer> enchants, final int i) {
        super(view);
        this.enchanter = enchanter;
        this.table = table;
        this.item = item;
        this.level = level;
        this.enchants = new HashMap<Enchantment, Integer>(enchants);
        button = i;
    }

    public Block getEnchantBlock() {
        return table;
    }

    public ItemStack getItem() {
        return item;
    }

    public int getExpLevelCost() {
        return level;
    }

    public void setExpLevelCost(final int level) {
        this.level = level;
    }

    public Map<Enchantment, Integer> getEnchantsToAdd() {
        return enchants;
    }

    public Player getEnchanter() {
        return enchanter;
    }

    /** Which of the three offers was clicked, 0 to 2. */
    public int whichButton() {
        return button;
    }


    public boolean isCancelled() {
        return cancelled;
    }

    public void setCancelled(final boolean cancel) {
        cancelled = cancel;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
