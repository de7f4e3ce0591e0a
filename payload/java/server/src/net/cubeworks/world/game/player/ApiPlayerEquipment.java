package net.cubeworks.world.game.player;

import org.bukkit.entity.Entity;
import org.bukkit.inventory.EntityEquipment;
import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.PlayerInventory;

/**
 * A player's equipment: his armour slots and the item in hand, read and changed through his
 * inventory. A player drops everything he carries when he dies, so the drop chances are 1 and
 * cannot be changed (as for players on any server).
 */
public final class ApiPlayerEquipment implements EntityEquipment {
    private final PlayerEntity player;

    public ApiPlayerEquipment(PlayerEntity player) {
        this.player = player;
    }

    private PlayerInventory inv() {
        return player.getInventory();
    }

    public ItemStack getItemInHand() {
        return inv().getItemInHand();
    }

    public void setItemInHand(ItemStack stack) {
        inv().setItemInHand(stack);
    }

    public ItemStack getHelmet() {
        return inv().getHelmet();
    }

    public void setHelmet(ItemStack helmet) {
        inv().setHelmet(helmet);
    }

    public ItemStack getChestplate() {
        return inv().getChestplate();
    }

    public void setChestplate(ItemStack chestplate) {
        inv().setChestplate(chestplate);
    }

    public ItemStack getLeggings() {
        return inv().getLeggings();
    }

    public void setLeggings(ItemStack leggings) {
        inv().setLeggings(leggings);
    }

    public ItemStack getBoots() {
        return inv().getBoots();
    }

    public void setBoots(ItemStack boots) {
        inv().setBoots(boots);
    }

    public ItemStack[] getArmorContents() {
        return inv().getArmorContents();
    }

    public void setArmorContents(ItemStack[] items) {
        inv().setArmorContents(items);
    }

    /** Empties the armour slots and the hand. */
    public void clear() {
        inv().setArmorContents(new ItemStack[4]);
        inv().setItemInHand(null);
    }

    public float getItemInHandDropChance() {
        return 1;
    }

    public void setItemInHandDropChance(float chance) {
        throw new UnsupportedOperationException("a player always drops what he carries");
    }

    public float getHelmetDropChance() {
        return 1;
    }

    public void setHelmetDropChance(float chance) {
        throw new UnsupportedOperationException("a player always drops what he carries");
    }

    public float getChestplateDropChance() {
        return 1;
    }

    public void setChestplateDropChance(float chance) {
        throw new UnsupportedOperationException("a player always drops what he carries");
    }

    public float getLeggingsDropChance() {
        return 1;
    }

    public void setLeggingsDropChance(float chance) {
        throw new UnsupportedOperationException("a player always drops what he carries");
    }

    public float getBootsDropChance() {
        return 1;
    }

    public void setBootsDropChance(float chance) {
        throw new UnsupportedOperationException("a player always drops what he carries");
    }

    public Entity getHolder() {
        return player;
    }
}
