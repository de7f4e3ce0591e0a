package org.bukkit.inventory;

/** A horse's inventory: its saddle and armour slots. */
public interface HorseInventory extends Inventory {
    ItemStack getArmor();
    ItemStack getSaddle();
    void setArmor(ItemStack armor);
    void setSaddle(ItemStack saddle);
}
