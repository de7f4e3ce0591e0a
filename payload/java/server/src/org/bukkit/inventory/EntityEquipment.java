package org.bukkit.inventory;

import org.bukkit.entity.Entity;

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
    void setBoots(ItemStack itemStack);
    void setBootsDropChance(float value);
    void setChestplate(ItemStack itemStack);
    void setChestplateDropChance(float value);
    void setHelmet(ItemStack itemStack);
    void setHelmetDropChance(float value);
    void setItemInHand(ItemStack itemStack);
    void setItemInHandDropChance(float value);
    void setLeggings(ItemStack itemStack);
    void setLeggingsDropChance(float value);
}
