package org.bukkit.entity;

import java.util.Collection;
import org.bukkit.inventory.ItemStack;
import org.bukkit.potion.PotionEffect;

/**
 * A thrown potion in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface ThrownPotion extends Projectile {
    Collection<PotionEffect> getEffects();
    ItemStack getItem();
    void setItem(ItemStack item);
}
