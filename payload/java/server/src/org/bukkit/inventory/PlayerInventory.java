package org.bukkit.inventory;

import org.bukkit.entity.HumanEntity;

/**
 * A player's own inventory: slots 0 to 8 the hot bar, 9 to 35 the rest, 36 to 39 the armour
 * (boots first).
 */
public interface PlayerInventory extends Inventory {
    ItemStack[] getArmorContents();

    ItemStack getHelmet();

    ItemStack getChestplate();

    ItemStack getLeggings();

    ItemStack getBoots();

    void setArmorContents(ItemStack[] items);

    void setHelmet(ItemStack helmet);

    void setChestplate(ItemStack chestplate);

    void setLeggings(ItemStack leggings);

    void setBoots(ItemStack boots);

    ItemStack getItemInHand();

    void setItemInHand(ItemStack stack);

    int getHeldItemSlot();

    void setHeldItemSlot(int slot);

    int clear(int id, int data);

    HumanEntity getHolder();
}
