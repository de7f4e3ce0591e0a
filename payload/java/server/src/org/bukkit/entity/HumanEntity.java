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
}
