package net.cubeworks.world.game.mob;

import org.bukkit.entity.Entity;
import org.bukkit.inventory.EntityEquipment;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.protocol.PlayPackets;

/** A mob's hand and armour as plugins see them; a change is shown to its viewers at once. */
final class MobEquipment implements EntityEquipment {
    private final Mob mob;

    MobEquipment(Mob mob) {
        this.mob = mob;
    }

    private ItemStack get(int slot) {
        synchronized (mob.lock()) {
            if (slot == 0) {
                return mob.heldItem == 0 ? null : new ItemStack(mob.heldItem, 1);
            }
            ItemStack s = mob.armour[slot - 1];
            return s == null ? null : s.clone();
        }
    }

    private void set(int slot, ItemStack item) {
        synchronized (mob.lock()) {
            int id = item == null ? 0 : item.getTypeId();
            if (slot == 0) {
                mob.heldItem = id;
            } else {
                mob.armour[slot - 1] = id == 0 ? null : item.clone();
            }
            mob.mobs.world.toViewers(mob, PlayPackets.entityEquipment(mob.getEntityId(), slot, id == 0 ? -1 : id, 1,
                    item == null ? 0 : item.getDurability()));
        }
    }

    public void clear() {
        for (int i = 0; i < 5; i++) {
            set(i, null);
        }
    }

    public ItemStack[] getArmorContents() {
        return new ItemStack[] {get(1), get(2), get(3), get(4)};
    }

    public void setArmorContents(ItemStack[] items) {
        for (int i = 0; i < 4; i++) {
            set(i + 1, items != null && i < items.length ? items[i] : null);
        }
    }

    public ItemStack getItemInHand() {
        return get(0);
    }

    public void setItemInHand(ItemStack item) {
        set(0, item);
    }

    public ItemStack getBoots() {
        return get(1);
    }

    public void setBoots(ItemStack item) {
        set(1, item);
    }

    public ItemStack getLeggings() {
        return get(2);
    }

    public void setLeggings(ItemStack item) {
        set(2, item);
    }

    public ItemStack getChestplate() {
        return get(3);
    }

    public void setChestplate(ItemStack item) {
        set(3, item);
    }

    public ItemStack getHelmet() {
        return get(4);
    }

    public void setHelmet(ItemStack item) {
        set(4, item);
    }

    public float getItemInHandDropChance() {
        return mob.dropChances[0];
    }

    public void setItemInHandDropChance(float chance) {
        mob.dropChances[0] = chance;
    }

    public float getBootsDropChance() {
        return mob.dropChances[1];
    }

    public void setBootsDropChance(float chance) {
        mob.dropChances[1] = chance;
    }

    public float getLeggingsDropChance() {
        return mob.dropChances[2];
    }

    public void setLeggingsDropChance(float chance) {
        mob.dropChances[2] = chance;
    }

    public float getChestplateDropChance() {
        return mob.dropChances[3];
    }

    public void setChestplateDropChance(float chance) {
        mob.dropChances[3] = chance;
    }

    public float getHelmetDropChance() {
        return mob.dropChances[4];
    }

    public void setHelmetDropChance(float chance) {
        mob.dropChances[4] = chance;
    }

    public Entity getHolder() {
        return mob;
    }
}
