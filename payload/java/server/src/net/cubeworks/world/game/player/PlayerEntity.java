package net.cubeworks.world.game.player;

import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.item.ApiItems;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The plugin API's members of a player in the world: where it is, its health and food, what it
 * holds, and moving it. Reads take the world lock; changes run on the game thread and the
 * clients are told as when the game itself makes them.
 */
public abstract class PlayerEntity extends PlayerCondition {
    public static final double MAX_HEALTH = 20;

    private org.bukkit.inventory.PlayerInventory apiInventory;

    PlayerEntity(int entityId, java.util.UUID uniqueId, Object lock) {
        super(entityId, uniqueId, lock);
    }
    /** Whether the store kept a record of this player when it joined. */
    public boolean hadRecord;

    // --- where it is ---

    public World getWorld() { return game().api(); }
    public double getEyeHeight() { return PlayerBody.EYE_HEIGHT; }
    public double getEyeHeight(boolean ignoreSneaking) { return PlayerBody.EYE_HEIGHT; }

    /** Velocity is not modelled: players move by what their clients send. */
    public Vector getVelocity() { return new Vector(); }

    public void setVelocity(Vector velocity) {
    }

    /** Moves the player after the teleport event; false when it was cancelled or the player cannot be moved. */
    public boolean teleport(final Location location, final TeleportCause cause) {
        if (location == null) {
            throw new IllegalArgumentException("location");
        }
        return onGameThread(() -> {
            return game().teleport(self(), location, cause);
        });
    }

    // --- health and food ---

    public double getHealth() {
        synchronized (game().lock()) {
            return self().health;
        }
    }

    /** 0 kills the player, as damage does; above the maximum is refused as Bukkit refuses it. */
    public void setHealth(final double health) {
        if (health < 0 || health > getMaxHealth()) {
            throw new IllegalArgumentException("Health must be between 0 and " + getMaxHealth());
        }
        onGameThread(() -> {
            OnlinePlayer p = self();
            if (p.dead) {
                return null;
            }
            if (health <= 0) {
                game().damage(p, p.health, p.getName() + " died");
                return null;
            }
            p.health = (float) health;
            p.connection().send(PlayPackets.updateHealth(p.health, p.food, p.saturation));
            return null;
        });
    }

    public double getMaxHealth() { return MAX_HEALTH; }

    /** The maximum health is the game's 20; it cannot be changed here. */
    public void setMaxHealth(double health) {
    }

    public void resetMaxHealth() {
    }

    public void damage(double amount) { damage(amount, null); }

    public void damage(final double amount, Entity source) {
        onGameThread(() -> {
            OnlinePlayer p = self();
            if (!p.dead && amount > 0) {
                game().damage(p, (float) amount, p.getName() + " died");
                if (!p.dead) {
                    p.connection().send(PlayPackets.updateHealth(p.health, p.food, p.saturation));
                }
            }
            return null;
        });
    }

    public int getFoodLevel() {
        synchronized (game().lock()) {
            return self().food;
        }
    }

    public void setFoodLevel(final int value) {
        onGameThread(() -> {
            OnlinePlayer p = self();
            p.food = Math.max(0, Math.min(20, value));
            p.connection().send(PlayPackets.updateHealth(p.health, p.food, p.saturation));
            return null;
        });
    }

    public float getSaturation() {
        synchronized (game().lock()) {
            return self().saturation;
        }
    }

    public void setSaturation(final float value) {
        onGameThread(() -> {
            OnlinePlayer p = self();
            p.saturation = Math.max(0f, Math.min(p.food, value));
            p.connection().send(PlayPackets.updateHealth(p.health, p.food, p.saturation));
            return null;
        });
    }

    public float getExhaustion() {
        synchronized (lock) {
            return self().exhaustion;
        }
    }

    public void setExhaustion(float value) {
        synchronized (lock) {
            self().exhaustion = Math.max(0f, value);
        }
    }

    public int getRemainingAir() { return 300; }

    public void setRemainingAir(int ticks) {
    }

    public int getMaximumAir() { return 300; }

    public void setMaximumAir(int ticks) {
    }

    public int getMaximumNoDamageTicks() { return 20; }

    public void setMaximumNoDamageTicks(int ticks) {
    }

    public double getLastDamage() { return 0; }

    public void setLastDamage(double damage) {
    }

    public int getNoDamageTicks() { return 0; }

    public void setNoDamageTicks(int ticks) {
    }

    public Player getKiller() { return null; }
    public boolean getRemoveWhenFarAway() { return false; }

    public void setRemoveWhenFarAway(boolean remove) {
    }

    public boolean getCanPickupItems() { return true; }

    public void setCanPickupItems(boolean pickup) {
    }

    public void setCustomName(String name) {
    }

    public String getCustomName() { return null; }

    public void setCustomNameVisible(boolean flag) {
    }

    public boolean isCustomNameVisible() { return false; }
    public boolean isLeashed() { return false; }

    // --- what it holds ---

    public org.bukkit.inventory.PlayerInventory getInventory() {
        synchronized (this) {
            if (apiInventory == null) {
                apiInventory = game().inventoryFace(self());
            }
            return apiInventory;
        }
    }

    public ItemStack getItemInHand() {
        ItemStack s = getInventory().getItemInHand();
        return s == null ? new ItemStack(Material.AIR, 0) : s;
    }

    public void setItemInHand(ItemStack item) { getInventory().setItemInHand(item); }

    /** The player's ender chest: his own 27 slots, kept in his file (EnderItems). */
    public Inventory getEnderChest() { return game().enderChest(self()); }

    /** The window the player has open: a crafting table's, or his own inventory with its 2x2 grid. */
    public InventoryView getOpenInventory() {
        synchronized (game().lock()) {
            return game().view(self());
        }
    }

    /** Closes a table's window (what lies in its grid goes back to the inventory). */
    public void closeInventory() {
        onGameThread(() -> {
            if (self().isOnline() && self().inventory().open != self().inventory().own) {
                game().closeWindow(self());
            }
            return null;
        });
    }

    public ItemStack getItemOnCursor() {
        synchronized (game().lock()) {
            PlayerInventory inv = self().inventory();
            int c = PlayerInventory.CURSOR;
            return inv.item(c) <= 0 ? new ItemStack(Material.AIR, 0)
                    : ApiItems.stack(inv.item(c), inv.count(c), inv.data(c), inv.tag(c));
        }
    }

    public void setItemOnCursor(final ItemStack item) {
        onGameThread(() -> {
            PlayerInventory inv = self().inventory();
            int c = PlayerInventory.CURSOR;
            if (item == null || item.getTypeId() <= 0 || item.getAmount() <= 0) {
                inv.set(c, 0, 0, 0, null);
            } else {
                inv.set(c, item.getTypeId(), Math.min(127, item.getAmount()), item.getDurability(),
                        ApiItems.tag(item)); // names, lore and enchantments go with it
            }
            if (self().isOnline()) {
                self().connection().send(net.cubeworks.world.protocol.PlayPackets.setSlot(-1, -1, inv.item(c),
                        inv.count(c), inv.data(c), net.cubeworks.world.storage.ItemTagValues.gzipped(inv.tag(c))));
            }
            return null;
        });
    }

    public boolean isSleeping() { return self().sleep.sleeping; }
    public int getSleepTicks() { return self().sleep.ticks; }
    public boolean isBlocking() { return false; }

    /** The points that fill the bar at the player's level. */
    public int getExpToLevel() {
        synchronized (game().lock()) {
            return Experience.barCap(self().xp.level);
        }
    }

    /** Sends the client its whole inventory again. */
    public void updateInventory() {
        onGameThread(() -> {
            self().sendInventory();
            return null;
        });
    }

    /** Shows this client another block at the location, without changing the world. */
    public void sendBlockChange(Location loc, Material material, byte data) { sendBlockChange(loc, material.getId(), data); }

    public void sendBlockChange(Location loc, int material, byte data) {
        int y = loc.getBlockY();
        if (y < 0 || y > 255 || material < 0 || material > 255) {
            return;
        }
        self().connection().send(PlayPackets.blockChange(loc.getBlockX(), y, loc.getBlockZ(), material, data & 15));
    }

    // --- the rest of the player: kept as plain values where the game has nothing behind them ---

    public void setSneaking(boolean sneak) {
    }

    public void setSprinting(boolean sprinting) {
    }

    public void saveData() {
    }

    public void loadData() {
    }

    public void setSleepingIgnored(boolean isSleeping) { self().sleep.ignored = isSleeping; }
    public boolean isSleepingIgnored() { return self().sleep.ignored; }
    public Location getCompassTarget() { return getWorld().getSpawnLocation(); }

    public void setCompassTarget(Location loc) {
    }

    /** Where the player would come back now (beside his bed, or his forced spawn point), or null: the world's spawn. */
    public Location getBedSpawnLocation() {
        synchronized (game().lock()) {
            int[] at = self().spawnPoint == null ? null : game().bedSpawn(self());
            return at == null ? null : new Location(game().api(), at[0], at[1], at[2]);
        }
    }

    /** Where the player comes back after dying: a bed's place (nothing without a bed there); null: the world's spawn. */
    public void setBedSpawnLocation(Location location) { game().setBedSpawn(self(), location, false); }

    public float getExp() {
        synchronized (game().lock()) {
            return self().xp.progress;
        }
    }

    public void setExp(final float exp) {
        changeExperience(xp -> xp.setProgress(exp));
    }

    public int getLevel() {
        synchronized (game().lock()) {
            return self().xp.level;
        }
    }

    public void setLevel(final int level) {
        changeExperience(xp -> xp.setLevel(level));
    }

    public int getTotalExperience() {
        synchronized (game().lock()) {
            return self().xp.total;
        }
    }

    public void setTotalExperience(final int exp) {
        changeExperience(xp -> xp.setTotal(exp));
    }

    public void giveExp(final int amount) {
        changeExperience(xp -> xp.add(amount));
    }

    public void giveExpLevels(final int amount) {
        changeExperience(xp -> xp.addLevels(amount));
    }

    /** Changes the experience on the game thread, and shows the client its bar as it then is. */
    private void changeExperience(java.util.function.Consumer<Experience> change) {
        onGameThread(() -> {
            OnlinePlayer p = self();
            change.accept(p.xp);
            p.connection().send(p.xp.packet());
            return null;
        });
    }

    public boolean isHealthScaled() { return false; }

    public void setHealthScaled(boolean scale) {
    }

    public void setHealthScale(double scale) {
    }

    public double getHealthScale() { return MAX_HEALTH; }

}
