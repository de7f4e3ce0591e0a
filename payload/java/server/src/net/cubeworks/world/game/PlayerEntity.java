package net.cubeworks.world.game;

import java.util.Collection;
import java.util.List;
import java.util.concurrent.Callable;

import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.entity.Player;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.util.Vector;

import net.cubeworks.world.protocol.PlayPackets;

/**
 * The plugin API's members of a player in the world: where it is, its health and food, what it
 * holds, and moving it. Reads take the world lock; changes run on the game thread and the
 * clients are told as when the game itself makes them.
 */
abstract class PlayerEntity implements Player {
    static final double MAX_HEALTH = 20;

    private ApiPlayerInventory apiInventory;
    /** Whether the store kept a record of this player when it joined. */
    boolean hadRecord;

    private OnlinePlayer self() {
        return (OnlinePlayer) this;
    }

    abstract Game game();

    private <T> T onGameThread(Callable<T> work) {
        return ApiWorld.onGameThread(game(), work);
    }

    // --- where it is ---

    public Location getLocation() {
        OnlinePlayer p = self();
        synchronized (game().lock()) {
            return new Location(getWorld(), p.x, p.y, p.z, p.yaw, p.pitch);
        }
    }

    public Location getLocation(Location loc) {
        if (loc != null) {
            OnlinePlayer p = self();
            synchronized (game().lock()) {
                loc.setWorld(getWorld());
                loc.setX(p.x);
                loc.setY(p.y);
                loc.setZ(p.z);
                loc.setYaw(p.yaw);
                loc.setPitch(p.pitch);
            }
        }
        return loc;
    }

    public World getWorld() {
        return game().world().api();
    }

    public double getEyeHeight() {
        return GameWorld.EYE_HEIGHT;
    }

    public double getEyeHeight(boolean ignoreSneaking) {
        return GameWorld.EYE_HEIGHT;
    }

    public Location getEyeLocation() {
        return getLocation().add(0, GameWorld.EYE_HEIGHT, 0);
    }

    public boolean isOnGround() {
        synchronized (game().lock()) {
            return self().onGround;
        }
    }

    /** Velocity is not modelled: players move by what their clients send. */
    public Vector getVelocity() {
        return new Vector();
    }

    public void setVelocity(Vector velocity) {
    }

    public boolean teleport(Location location) {
        return teleport(location, TeleportCause.PLUGIN);
    }

    /** Moves the player after the teleport event; false when it was cancelled or the player cannot be moved. */
    public boolean teleport(final Location location, final TeleportCause cause) {
        if (location == null) {
            throw new IllegalArgumentException("location");
        }
        return onGameThread(new Callable<Boolean>() {
            public Boolean call() {
                return MoveEvents.teleport(game(), self(), location, cause);
            }
        });
    }

    public boolean teleport(Entity destination) {
        return teleport(destination.getLocation());
    }

    public boolean teleport(Entity destination, TeleportCause cause) {
        return teleport(destination.getLocation(), cause);
    }

    public int getFireTicks() {
        return 0;
    }

    public int getMaxFireTicks() {
        return 20;
    }

    public void setFireTicks(int ticks) {
    }

    public float getFallDistance() {
        return 0;
    }

    public void setFallDistance(float distance) {
    }

    public int getTicksLived() {
        return 1;
    }

    public void setTicksLived(int value) {
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
        onGameThread(new Callable<Void>() {
            public Void call() {
                OnlinePlayer p = self();
                if (p.dead) {
                    return null;
                }
                if (health <= 0) {
                    game().world().survival().damage(p, p.health, p.getName() + " died");
                    return null;
                }
                p.health = (float) health;
                p.connection().send(game().world().healthPacket(p));
                return null;
            }
        });
    }

    public double getMaxHealth() {
        return MAX_HEALTH;
    }

    /** The maximum health is the game's 20; it cannot be changed here. */
    public void setMaxHealth(double health) {
    }

    public void resetMaxHealth() {
    }

    public void damage(double amount) {
        damage(amount, null);
    }

    public void damage(final double amount, Entity source) {
        onGameThread(new Callable<Void>() {
            public Void call() {
                OnlinePlayer p = self();
                if (!p.dead && amount > 0) {
                    game().world().survival().damage(p, (float) amount, p.getName() + " died");
                    if (!p.dead) {
                        p.connection().send(game().world().healthPacket(p));
                    }
                }
                return null;
            }
        });
    }

    public int getFoodLevel() {
        synchronized (game().lock()) {
            return self().food;
        }
    }

    public void setFoodLevel(final int value) {
        onGameThread(new Callable<Void>() {
            public Void call() {
                OnlinePlayer p = self();
                p.food = Math.max(0, Math.min(20, value));
                p.connection().send(game().world().healthPacket(p));
                return null;
            }
        });
    }

    public float getSaturation() {
        synchronized (game().lock()) {
            return self().saturation;
        }
    }

    public void setSaturation(final float value) {
        onGameThread(new Callable<Void>() {
            public Void call() {
                OnlinePlayer p = self();
                p.saturation = Math.max(0f, Math.min(p.food, value));
                p.connection().send(game().world().healthPacket(p));
                return null;
            }
        });
    }

    public float getExhaustion() {
        return 0;
    }

    public void setExhaustion(float value) {
    }

    public int getRemainingAir() {
        return 300;
    }

    public void setRemainingAir(int ticks) {
    }

    public int getMaximumAir() {
        return 300;
    }

    public void setMaximumAir(int ticks) {
    }

    public int getMaximumNoDamageTicks() {
        return 20;
    }

    public void setMaximumNoDamageTicks(int ticks) {
    }

    public double getLastDamage() {
        return 0;
    }

    public void setLastDamage(double damage) {
    }

    public int getNoDamageTicks() {
        return 0;
    }

    public void setNoDamageTicks(int ticks) {
    }

    public Player getKiller() {
        return null;
    }

    public boolean getRemoveWhenFarAway() {
        return false;
    }

    public void setRemoveWhenFarAway(boolean remove) {
    }

    public boolean getCanPickupItems() {
        return true;
    }

    public void setCanPickupItems(boolean pickup) {
    }

    public void setCustomName(String name) {
    }

    public String getCustomName() {
        return null;
    }

    public void setCustomNameVisible(boolean flag) {
    }

    public boolean isCustomNameVisible() {
        return false;
    }

    public boolean isLeashed() {
        return false;
    }

    // --- what it holds ---

    public org.bukkit.inventory.PlayerInventory getInventory() {
        synchronized (this) {
            if (apiInventory == null) {
                apiInventory = new ApiPlayerInventory(game(), self());
            }
            return apiInventory;
        }
    }

    public ItemStack getItemInHand() {
        ItemStack s = getInventory().getItemInHand();
        return s == null ? new ItemStack(Material.AIR, 0) : s;
    }

    public void setItemInHand(ItemStack item) {
        getInventory().setItemInHand(item);
    }

    /** Ender chests are not modelled. */
    public Inventory getEnderChest() {
        return null;
    }

    /** The window the player has open: a crafting table's, or his own inventory with its 2x2 grid. */
    public InventoryView getOpenInventory() {
        synchronized (game().lock()) {
            return game().world().interaction().windows().view(self());
        }
    }

    /** Closes a table's window (what lies in its grid goes back to the inventory). */
    public void closeInventory() {
        ApiWorld.onGameThread(game(), new java.util.concurrent.Callable<Void>() {
            public Void call() {
                if (self().isOnline() && self().inventory().open != self().inventory().own) {
                    game().world().interaction().windows().close(self(), true);
                }
                return null;
            }
        });
    }

    public ItemStack getItemOnCursor() {
        synchronized (game().lock()) {
            PlayerInventory inv = self().inventory();
            int c = PlayerInventory.CURSOR;
            return inv.item(c) <= 0 ? new ItemStack(Material.AIR, 0)
                    : new ItemStack(inv.item(c), inv.count(c), (short) inv.data(c));
        }
    }

    public void setItemOnCursor(final ItemStack item) {
        ApiWorld.onGameThread(game(), new java.util.concurrent.Callable<Void>() {
            public Void call() {
                PlayerInventory inv = self().inventory();
                int c = PlayerInventory.CURSOR;
                if (item == null || item.getTypeId() <= 0 || item.getAmount() <= 0) {
                    inv.set(c, 0, 0, 0, null);
                } else {
                    inv.set(c, item.getTypeId(), Math.min(127, item.getAmount()), item.getDurability(), null);
                }
                if (self().isOnline()) {
                    self().connection().send(net.cubeworks.world.protocol.PlayPackets.setSlot(-1, -1, inv.item(c),
                            inv.count(c), inv.data(c)));
                }
                return null;
            }
        });
    }

    public boolean isSleeping() {
        return false;
    }

    public int getSleepTicks() {
        return 0;
    }

    public boolean isBlocking() {
        return false;
    }

    public int getExpToLevel() {
        return 7;
    }

    /** Sends the client its whole inventory again. */
    public void updateInventory() {
        onGameThread(new Callable<Void>() {
            public Void call() {
                self().sendInventory();
                return null;
            }
        });
    }

    /** Shows this client another block at the location, without changing the world. */
    public void sendBlockChange(Location loc, Material material, byte data) {
        sendBlockChange(loc, material.getId(), data);
    }

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

    public void setSleepingIgnored(boolean isSleeping) {
    }

    public boolean isSleepingIgnored() {
        return false;
    }

    public Location getCompassTarget() {
        return getWorld().getSpawnLocation();
    }

    public void setCompassTarget(Location loc) {
    }

    public Location getBedSpawnLocation() {
        return null;
    }

    public void setBedSpawnLocation(Location location) {
    }

    public float getExp() {
        return 0;
    }

    public void setExp(float exp) {
    }

    public int getLevel() {
        return 0;
    }

    public void setLevel(int level) {
    }

    public int getTotalExperience() {
        return 0;
    }

    public void setTotalExperience(int exp) {
    }

    public void giveExp(int amount) {
    }

    public void giveExpLevels(int amount) {
    }

    public long getPlayerTime() {
        return getWorld().getFullTime();
    }

    public boolean isPlayerTimeRelative() {
        return true;
    }

    public void resetPlayerTime() {
    }

    public float getFlySpeed() {
        return 0.1f;
    }

    public float getWalkSpeed() {
        return 0.2f;
    }

    public boolean canSee(Player player) {
        return true;
    }

    public boolean isHealthScaled() {
        return false;
    }

    public void setHealthScaled(boolean scale) {
    }

    public void setHealthScale(double scale) {
    }

    public double getHealthScale() {
        return MAX_HEALTH;
    }

    // --- metadata: kept in the game's store for the session ---

    public void setMetadata(String metadataKey, MetadataValue newMetadataValue) {
        game().metadata().players.setMetadata(this, metadataKey, newMetadataValue);
    }

    public List<MetadataValue> getMetadata(String metadataKey) {
        return game().metadata().players.getMetadata(this, metadataKey);
    }

    public boolean hasMetadata(String metadataKey) {
        return game().metadata().players.hasMetadata(this, metadataKey);
    }

    public void removeMetadata(String metadataKey, Plugin owningPlugin) {
        game().metadata().players.removeMetadata(this, metadataKey, owningPlugin);
    }

    // --- status effects: kept per player, counted in world ticks ---

    final PlayerEffects effects = new PlayerEffects();

    public boolean addPotionEffect(PotionEffect effect) {
        return addPotionEffect(effect, false);
    }

    public boolean addPotionEffect(final PotionEffect effect, final boolean force) {
        if (effect == null) {
            throw new IllegalArgumentException("effect");
        }
        return onGameThread(new Callable<Boolean>() {
            public Boolean call() {
                return StatusEffects.add(game(), self(), effect, force);
            }
        });
    }

    public boolean addPotionEffects(Collection<PotionEffect> effects) {
        boolean all = true;
        for (PotionEffect e : effects) {
            all &= addPotionEffect(e);
        }
        return all;
    }

    public boolean hasPotionEffect(PotionEffectType type) {
        synchronized (game().lock()) {
            return effects.has(type);
        }
    }

    public void removePotionEffect(final PotionEffectType type) {
        onGameThread(new Callable<Void>() {
            public Void call() {
                StatusEffects.remove(game(), self(), type);
                return null;
            }
        });
    }

    public Collection<PotionEffect> getActivePotionEffects() {
        synchronized (game().lock()) {
            return effects.active(game().world().currentTick());
        }
    }

    // --- saving in a configuration, and the windows plugins open (blocks) ---

    /** Saved as the player's UUID, as servers of 1.7.9 save players in configurations. */
    public java.util.Map<String, Object> serialize() {
        java.util.Map<String, Object> out = new java.util.LinkedHashMap<String, Object>();
        out.put("UUID", getUniqueId().toString());
        return out;
    }

    /** Opens the inventory as a window (see ApiInventories.open); null when it cannot be shown. */
    public org.bukkit.inventory.InventoryView openInventory(final Inventory inventory) {
        if (inventory == null) {
            return null;
        }
        return onGameThread(new Callable<org.bukkit.inventory.InventoryView>() {
            public org.bukkit.inventory.InventoryView call() {
                return self().isOnline() ? ApiInventories.open(self(), inventory) : null;
            }
        });
    }

    public void openInventory(org.bukkit.inventory.InventoryView view) {
        if (view != null) {
            openInventory(view.getTopInventory());
        }
    }

    /**
     * A crafting table's window at the place (null: where the player stands). Without force only
     * where a table is and within reach; with force anywhere, and it stays open wherever he goes.
     */
    public org.bukkit.inventory.InventoryView openWorkbench(final org.bukkit.Location location, final boolean force) {
        return onGameThread(new Callable<org.bukkit.inventory.InventoryView>() {
            public org.bukkit.inventory.InventoryView call() {
                OnlinePlayer p = self();
                int x = location == null ? (int) Math.floor(p.x) : location.getBlockX();
                int y = location == null ? (int) Math.floor(p.y) : location.getBlockY();
                int z = location == null ? (int) Math.floor(p.z) : location.getBlockZ();
                Windows windows = game().world().interaction().windows();
                boolean table = game().world().blockAt(x, y, z) == Windows.CRAFTING_TABLE;
                if (!force && !table) {
                    return null;
                }
                return windows.openWorkbench(p, x, y, z, force && !table) ? windows.view(p) : null;
            }
        });
    }

    /** Enchanting tables are not modelled here: no window opens, null. */
    public org.bukkit.inventory.InventoryView openEnchanting(org.bukkit.Location location, boolean force) {
        return null;
    }

    /**
     * Window properties are the progress bars of furnaces and brewing stands and an enchanting
     * table's buttons; the server shows none of those windows, so there is nothing to set: false.
     */
    public boolean setWindowProperty(org.bukkit.inventory.InventoryView.Property prop, int value) {
        return false;
    }
}
