package org.bukkit.inventory;

import org.bukkit.entity.Entity;

/** What a living entity wears and holds, with the chance of each being dropped when it dies. */
public interface EntityEquipment {
    void clear();
    ItemStack[] getArmorContents();
    ItemStack getBoots();
    float getBootsDropChance();
    ItemStack getChestplate();
    float getChestplateDropChance();
    ItemStack getHelmet();
    float getHelmetDropChance();
    Entity getHolder();
    ItemStack getItemInHand();
    float getItemInHandDropChance();
    ItemStack getLeggings();
    float getLeggingsDropChance();
    void setArmorContents(ItemStack[] itemStacks);
    void setBoots(ItemStack boots);
    void setBootsDropChance(float bootsDropChance);
    void setChestplate(ItemStack chestplate);
    void setChestplateDropChance(float chestplateDropChance);
    void setHelmet(ItemStack helmet);
    void setHelmetDropChance(float helmetDropChance);
    void setItemInHand(ItemStack itemInHand);
    void setItemInHandDropChance(float itemInHandDropChance);
    void setLeggings(ItemStack leggings);
    void setLeggingsDropChance(float leggingsDropChance);
}
