package org.bukkit.entity;

import org.bukkit.GameMode;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryHolder;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.PlayerInventory;
import org.bukkit.permissions.Permissible;

/** A human in the world: a player. */
public interface HumanEntity extends LivingEntity, AnimalTamer, Permissible, InventoryHolder {
    String getName();

    PlayerInventory getInventory();

    Inventory getEnderChest();

    InventoryView getOpenInventory();

    void closeInventory();

    ItemStack getItemInHand();

    void setItemInHand(ItemStack item);

    ItemStack getItemOnCursor();

    void setItemOnCursor(ItemStack item);

    boolean isSleeping();

    int getSleepTicks();

    GameMode getGameMode();

    void setGameMode(GameMode mode);

    boolean isBlocking();

    int getExpToLevel();
    // --- windows plugins open (blocks) ---

    /** Sets a property of the open window (see InventoryView.Property); false when it has none such. */
    boolean setWindowProperty(InventoryView.Property prop, int value);

    /** Opens the inventory as a window above the player's own; null when it cannot be shown. */
    InventoryView openInventory(Inventory inventory);

    /** Opens a crafting table's window; with force, also where there is no table (location null: at the player). */
    InventoryView openWorkbench(org.bukkit.Location location, boolean force);

    InventoryView openEnchanting(org.bukkit.Location location, boolean force);

    void openInventory(InventoryView inventory);
}
