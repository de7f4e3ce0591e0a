package org.bukkit.inventory;

public interface HorseInventory extends Inventory {
    ItemStack getArmor();
    ItemStack getSaddle();
    void setArmor(ItemStack itemStack);
    void setSaddle(ItemStack itemStack);
}
