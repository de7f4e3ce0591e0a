package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.Collection;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.UUID;
import java.util.concurrent.Callable;

import org.bukkit.Achievement;
import org.bukkit.Effect;
import org.bukkit.EntityEffect;
import org.bukkit.Instrument;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.Note;
import org.bukkit.Sound;
import org.bukkit.Statistic;
import org.bukkit.WeatherType;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.conversations.Conversation;
import org.bukkit.conversations.ConversationAbandonedEvent;
import org.bukkit.entity.Arrow;
import org.bukkit.entity.Egg;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.entity.Snowball;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.inventory.EntityEquipment;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.inventory.ItemStack;
import org.bukkit.map.MapView;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.util.Vector;

import net.cubeworks.world.protocol.PacketOut;
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
                    : ApiItems.stack(inv.item(c), inv.count(c), inv.data(c), inv.tag(c));
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
                    inv.set(c, item.getTypeId(), Math.min(127, item.getAmount()), item.getDurability(),
                            ApiItems.tag(item)); // names, lore and enchantments go with it
                }
                if (self().isOnline()) {
                    self().connection().send(net.cubeworks.world.protocol.PlayPackets.setSlot(-1, -1, inv.item(c),
                            inv.count(c), inv.data(c), net.cubeworks.world.storage.ItemTagValues.gzipped(inv.tag(c))));
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

    // --- kind, effects on the entity, neighbours; players ride nothing ---

    private volatile EntityDamageEvent lastDamageCause;

    public EntityType getType() {
        return EntityType.PLAYER;
    }

    /** Shows the effect (hurt, death, ...) to this player's own client and to those that show him. */
    public void playEffect(final EntityEffect type) {
        onGameThread(new Callable<Void>() {
            public Void call() {
                OnlinePlayer p = self();
                PacketOut status = PlayPackets.entityStatus(p.getEntityId(), type.getData());
                p.connection().send(status);
                game().world().visibility().toViewers(p, status);
                return null;
            }
        });
    }

    /** The other players in this world within x, y and z of this one; players are the only entities. */
    public List<Entity> getNearbyEntities(double x, double y, double z) {
        OnlinePlayer me = self();
        List<Entity> out = new ArrayList<Entity>();
        synchronized (game().lock()) {
            for (OnlinePlayer p : game().players().inJoinOrder()) {
                if (p != me && !p.dead && Math.abs(p.x - me.x) <= x && Math.abs(p.y - me.y) <= y
                        && Math.abs(p.z - me.z) <= z) {
                    out.add(p);
                }
            }
        }
        return out;
    }

    /** Nothing rides a player: this server has no vehicles or mounts. */
    public boolean isEmpty() {
        return true;
    }

    public Entity getPassenger() {
        return null;
    }

    /** Refused: the server simulates no riding. */
    public boolean setPassenger(Entity passenger) {
        return false;
    }

    public boolean eject() {
        return false;
    }

    public boolean isInsideVehicle() {
        return false;
    }

    public boolean leaveVehicle() {
        return false;
    }

    public Entity getVehicle() {
        return null;
    }

    public void setLastDamageCause(EntityDamageEvent event) {
        lastDamageCause = event;
    }

    public EntityDamageEvent getLastDamageCause() {
        return lastDamageCause;
    }

    // --- whole-number health, for plugins built before health had fractions ---

    @Deprecated
    public void _INVALID_damage(int amount) {
        damage(amount);
    }

    @Deprecated
    public void _INVALID_damage(int amount, Entity source) {
        damage(amount, source);
    }

    @Deprecated
    public int _INVALID_getHealth() {
        return (int) Math.ceil(getHealth());
    }

    @Deprecated
    public void _INVALID_setHealth(int health) {
        setHealth(health);
    }

    @Deprecated
    public int _INVALID_getMaxHealth() {
        return (int) Math.ceil(getMaxHealth());
    }

    @Deprecated
    public void _INVALID_setMaxHealth(int health) {
        setMaxHealth(health);
    }

    @Deprecated
    public int _INVALID_getLastDamage() {
        return (int) Math.ceil(getLastDamage());
    }

    @Deprecated
    public void _INVALID_setLastDamage(int damage) {
        setLastDamage(damage);
    }

    // --- what the player looks at ---

    private List<Block> sight(HashSet<Byte> transparent, int maxDistance, int keep) {
        OnlinePlayer p = self();
        final GameWorld world = game().world();
        List<int[]> cells;
        synchronized (game().lock()) {
            cells = Sight.trace(new Sight.Blocks() {
                public int idAt(int x, int y, int z) {
                    return world.blockAt(x, y, z);
                }
            }, p.x, p.y + GameWorld.EYE_HEIGHT, p.z, p.yaw, p.pitch, maxDistance, transparent, keep);
        }
        World w = getWorld();
        List<Block> out = new ArrayList<Block>(cells.size());
        for (int[] c : cells) {
            out.add(w.getBlockAt(c[0], c[1], c[2]));
        }
        return out;
    }

    @Deprecated
    public List<Block> getLineOfSight(HashSet<Byte> transparent, int maxDistance) {
        return sight(transparent, maxDistance, 0);
    }

    @Deprecated
    public Block getTargetBlock(HashSet<Byte> transparent, int maxDistance) {
        List<Block> last = sight(transparent, maxDistance, 1);
        return last.isEmpty() ? null : last.get(0);
    }

    @Deprecated
    public List<Block> getLastTwoTargetBlocks(HashSet<Byte> transparent, int maxDistance) {
        return sight(transparent, maxDistance, 2);
    }

    /** Whether no solid block stands on the straight line between the two pairs of eyes. */
    public boolean hasLineOfSight(Entity other) {
        if (other == null || other.getWorld() != getWorld()) {
            return false;
        }
        Location to = other instanceof LivingEntity ? ((LivingEntity) other).getEyeLocation() : other.getLocation();
        Location from = getEyeLocation();
        double dx = to.getX() - from.getX();
        double dy = to.getY() - from.getY();
        double dz = to.getZ() - from.getZ();
        double length = Math.sqrt(dx * dx + dy * dy + dz * dz);
        int steps = (int) Math.ceil(length / 0.25);
        GameWorld world = game().world();
        synchronized (game().lock()) {
            for (int i = 1; i < steps; i++) {
                double f = (double) i / steps;
                int bx = (int) Math.floor(from.getX() + dx * f);
                int by = (int) Math.floor(from.getY() + dy * f);
                int bz = (int) Math.floor(from.getZ() + dz * f);
                if (by >= 0 && by <= 255 && BlockRules.solid(world.blockAt(bx, by, bz))) {
                    return false;
                }
            }
        }
        return true;
    }

    // --- projectiles, equipment, leash: players throw nothing here, as no projectiles are simulated ---

    private static final java.util.concurrent.atomic.AtomicBoolean TOLD_NO_PROJECTILES =
            new java.util.concurrent.atomic.AtomicBoolean();

    private <T> T noProjectile(String what) {
        if (TOLD_NO_PROJECTILES.compareAndSet(false, true)) {
            game().logger().info("A plugin asked for " + what + ": this server simulates no projectiles, none was launched");
        }
        return null;
    }

    @Deprecated
    public Egg throwEgg() {
        return noProjectile("an egg");
    }

    @Deprecated
    public Snowball throwSnowball() {
        return noProjectile("a snowball");
    }

    @Deprecated
    public Arrow shootArrow() {
        return noProjectile("an arrow");
    }

    public <T extends Projectile> T launchProjectile(Class<? extends T> projectile) {
        return noProjectile(projectile.getSimpleName());
    }

    public <T extends Projectile> T launchProjectile(Class<? extends T> projectile, Vector velocity) {
        return noProjectile(projectile.getSimpleName());
    }

    public EntityEquipment getEquipment() {
        return new ApiPlayerEquipment(this);
    }

    /** A player is never leashed. */
    public Entity getLeashHolder() throws IllegalStateException {
        throw new IllegalStateException("Entity not leashed");
    }

    public boolean setLeashHolder(Entity holder) {
        return false;
    }

    // --- sounds, notes and effects for this player alone ---

    /** The game's note block sounds by instrument number. */
    private static final String[] NOTE_SOUNDS = {"note.harp", "note.bd", "note.snare", "note.hat", "note.bassattack"};

    public void setBedSpawnLocation(Location location, boolean force) {
        setBedSpawnLocation(location);
    }

    /**
     * Plays the note block's sound at the place, its pitch two to the power of (note - 12) / 12 as
     * the game plays it; sent as a named sound so that it plays where no note block stands.
     */
    @Deprecated
    public void playNote(Location loc, byte instrument, byte note) {
        if (instrument < 0 || instrument >= NOTE_SOUNDS.length) {
            throw new IllegalArgumentException("no instrument " + instrument);
        }
        float pitch = (float) Math.pow(2.0, (note - 12) / 12.0);
        playSound(loc, NOTE_SOUNDS[instrument], 3.0f, pitch);
    }

    public void playNote(Location loc, Instrument instrument, Note note) {
        playNote(loc, instrument.getType(), note.getId());
    }

    public void playSound(Location location, Sound sound, float volume, float pitch) {
        if (location == null || sound == null) {
            return;
        }
        playSound(location, SoundNames.of(sound), volume, pitch);
    }

    public void playSound(Location location, String sound, float volume, float pitch) {
        if (location == null || sound == null) {
            return;
        }
        self().connection().send(PlayPackets.namedSoundEffect(sound, location.getX(), location.getY(), location.getZ(),
                volume, pitch));
    }

    @Deprecated
    public void playEffect(Location loc, Effect effect, int data) {
        self().connection().send(PlayPackets.effect(effect.getId(), loc.getBlockX(), loc.getBlockY(), loc.getBlockZ(),
                data, false));
    }

    public <T> void playEffect(Location loc, Effect effect, T data) {
        playEffect(loc, effect, EffectData.of(effect, data));
    }

    /** Not sent: this server builds column data itself and takes none from plugins. */
    @Deprecated
    public boolean sendChunkChange(Location loc, int sx, int sy, int sz, byte[] data) {
        return false;
    }

    /** Shows this player other lines on the sign there; at most four lines of 15 characters. */
    public void sendSignChange(Location loc, String[] lines) throws IllegalArgumentException {
        if (loc == null) {
            throw new IllegalArgumentException("location");
        }
        String[] four = new String[4];
        if (lines != null) {
            if (lines.length > 4) {
                throw new IllegalArgumentException("a sign has 4 lines, not " + lines.length);
            }
            for (int i = 0; i < lines.length; i++) {
                String line = lines[i] == null ? "" : lines[i];
                if (line.length() > 15) {
                    throw new IllegalArgumentException("line " + (i + 1) + " is longer than 15 characters");
                }
                four[i] = line;
            }
        }
        self().connection().send(PlayPackets.updateSign(loc.getBlockX(), loc.getBlockY(), loc.getBlockZ(), four));
    }

    /** Nothing is sent: this server renders no maps, so there is no map data to send. */
    public void sendMap(MapView map) {
    }

    // --- this player's own clock and weather ---

    private volatile long playerTime;
    private volatile boolean playerTimeRelative = true;
    private volatile WeatherType playerWeather;

    /** The time packet this player's client is to get: his own time if he has one, else the world's. */
    PacketOut timePacket(LevelState level) {
        if (playerTimeRelative) {
            return PlayPackets.timeUpdate(level.time, level.dayTime + playerTime);
        }
        // a negative time of day stops the client's sun where it is
        long fixed = playerTime % 24000;
        return PlayPackets.timeUpdate(level.time, -(fixed == 0 ? 1 : fixed));
    }

    /** Whether this player was given a time of his own. */
    boolean hasOwnTime() {
        return playerTime != 0 || !playerTimeRelative;
    }

    public void setPlayerTime(long time, boolean relative) {
        playerTime = time;
        playerTimeRelative = relative;
        sendTime();
    }

    private void sendTime() {
        synchronized (game().lock()) {
            self().connection().send(timePacket(game().world().level()));
        }
    }

    public long getPlayerTimeOffset() {
        return playerTime;
    }

    public long getPlayerTime() {
        return playerTimeRelative ? getWorld().getFullTime() + playerTime : playerTime;
    }

    public boolean isPlayerTimeRelative() {
        return playerTimeRelative;
    }

    public void resetPlayerTime() {
        setPlayerTime(0, true);
    }

    public void setPlayerWeather(WeatherType type) {
        playerWeather = type;
        sendWeather(type == null ? worldWeather() : type);
    }

    public WeatherType getPlayerWeather() {
        return playerWeather;
    }

    public void resetPlayerWeather() {
        setPlayerWeather(null);
    }

    private WeatherType worldWeather() {
        return getWorld().hasStorm() ? WeatherType.DOWNFALL : WeatherType.CLEAR;
    }

    private void sendWeather(WeatherType type) {
        self().connection().send(PlayPackets.changeGameState(
                type == WeatherType.DOWNFALL ? PlayPackets.GAME_STATE_BEGIN_RAIN : PlayPackets.GAME_STATE_END_RAIN, 0));
    }

    // --- whom this player sees ---

    /** The players hidden from this one, by id; guarded by the world lock. */
    final Set<UUID> hidden = new HashSet<UUID>();

    /** His client destroys the other player and drops him from the tab list; he stays hidden until shown. */
    public void hidePlayer(final Player player) {
        if (player == null || player == this) {
            return;
        }
        onGameThread(new Callable<Void>() {
            public Void call() {
                OnlinePlayer me = self();
                if (!me.hidden.add(player.getUniqueId())) {
                    return null;
                }
                if (player instanceof OnlinePlayer && me.shown.remove(player)) {
                    me.connection().send(PlayPackets.destroyEntities(
                            java.util.Collections.singletonList(player.getEntityId())));
                }
                me.connection().send(PlayPackets.playerListItem(player.getPlayerListName(), false, 0));
                return null;
            }
        });
    }

    /** His client lists the other player again, and shows him from the next tick where he is in view. */
    public void showPlayer(final Player player) {
        if (player == null || player == this) {
            return;
        }
        onGameThread(new Callable<Void>() {
            public Void call() {
                OnlinePlayer me = self();
                if (me.hidden.remove(player.getUniqueId()) && player.isOnline()) {
                    me.connection().send(PlayPackets.playerListItem(player.getPlayerListName(), true, 0));
                }
                return null;
            }
        });
    }

    public boolean canSee(Player player) {
        synchronized (game().lock()) {
            return player != null && !hidden.contains(player.getUniqueId());
        }
    }

    // --- speeds, sent with Player Abilities (which carries half the API's value) ---

    volatile float walkSpeed = 0.2f;
    volatile float flySpeed = 0.1f;

    private static void checkSpeed(float value) {
        if (value < -1f || value > 1f || Float.isNaN(value)) {
            throw new IllegalArgumentException(value + " is not between -1 and 1");
        }
    }

    public void setFlySpeed(float value) throws IllegalArgumentException {
        checkSpeed(value);
        flySpeed = value;
        self().sendAbilities();
    }

    public void setWalkSpeed(float value) throws IllegalArgumentException {
        checkSpeed(value);
        walkSpeed = value;
        self().sendAbilities();
    }

    public float getFlySpeed() {
        return flySpeed;
    }

    public float getWalkSpeed() {
        return walkSpeed;
    }

    @Deprecated
    public void setTexturePack(String url) {
        setResourcePack(url);
    }

    /** Tells the client to download the resource pack from that address (a 1.7 client asks the player first). */
    public void setResourcePack(String url) {
        if (url == null) {
            throw new IllegalArgumentException("resource pack address");
        }
        self().connection().send(PlayPackets.pluginMessage(PlayPackets.RESOURCE_PACK_CHANNEL,
                url.getBytes(java.nio.charset.StandardCharsets.UTF_8)));
    }

    // --- achievements and statistics ---

    final PlayerStats stats = new PlayerStats();

    /** Awards it (and the parents it needs first); the client shows each newly earned one. */
    public void awardAchievement(Achievement achievement) {
        if (achievement == null) {
            throw new IllegalArgumentException("achievement");
        }
        List<Achievement> fresh = stats.award(achievement);
        if (fresh.isEmpty()) {
            return;
        }
        Map<String, Integer> values = new java.util.LinkedHashMap<String, Integer>();
        for (Achievement a : fresh) {
            values.put(PlayerStats.achievementName(a), 1);
        }
        self().connection().send(PlayPackets.statistics(values));
    }

    public void removeAchievement(Achievement achievement) {
        stats.remove(achievement);
    }

    public boolean hasAchievement(Achievement achievement) {
        return stats.has(achievement);
    }

    private static int positive(int amount) {
        if (amount <= 0) {
            throw new IllegalArgumentException("the amount must be above 0, not " + amount);
        }
        return amount;
    }

    public void incrementStatistic(Statistic statistic) {
        stats.add(statistic, 1);
    }

    public void decrementStatistic(Statistic statistic) {
        stats.add(statistic, -1);
    }

    public void incrementStatistic(Statistic statistic, int amount) {
        stats.add(statistic, positive(amount));
    }

    public void decrementStatistic(Statistic statistic, int amount) {
        stats.add(statistic, -positive(amount));
    }

    public void setStatistic(Statistic statistic, int newValue) {
        stats.set(statistic, newValue);
    }

    public int getStatistic(Statistic statistic) {
        return stats.get(statistic);
    }

    public void incrementStatistic(Statistic statistic, Material material) {
        stats.add(statistic, material, 1);
    }

    public void decrementStatistic(Statistic statistic, Material material) {
        stats.add(statistic, material, -1);
    }

    public int getStatistic(Statistic statistic, Material material) {
        return stats.get(statistic, material);
    }

    public void incrementStatistic(Statistic statistic, Material material, int amount) {
        stats.add(statistic, material, positive(amount));
    }

    public void decrementStatistic(Statistic statistic, Material material, int amount) {
        stats.add(statistic, material, -positive(amount));
    }

    public void setStatistic(Statistic statistic, Material material, int newValue) {
        stats.set(statistic, material, newValue);
    }

    public void incrementStatistic(Statistic statistic, EntityType entityType) {
        stats.add(statistic, entityType, 1);
    }

    public void decrementStatistic(Statistic statistic, EntityType entityType) {
        stats.add(statistic, entityType, -1);
    }

    public int getStatistic(Statistic statistic, EntityType entityType) {
        return stats.get(statistic, entityType);
    }

    public void incrementStatistic(Statistic statistic, EntityType entityType, int amount) {
        stats.add(statistic, entityType, positive(amount));
    }

    public void decrementStatistic(Statistic statistic, EntityType entityType, int amount) {
        stats.add(statistic, entityType, -positive(amount));
    }

    public void setStatistic(Statistic statistic, EntityType entityType, int newValue) {
        stats.set(statistic, entityType, newValue);
    }

    // --- scoreboard: which board this player sees, drawn by his client ---

    private volatile Scoreboard scoreboard;

    public Scoreboard getScoreboard() {
        Scoreboard s = scoreboard;
        return s == null ? game().scoreboards().getMainScoreboard() : s;
    }

    public void setScoreboard(Scoreboard board) throws IllegalArgumentException, IllegalStateException {
        if (board == null) {
            throw new IllegalArgumentException("Scoreboard cannot be null");
        }
        if (!game().scoreboards().madeHere(board)) {
            throw new IllegalArgumentException("Cannot set player scoreboard to an unregistered Scoreboard");
        }
        if (!isOnline()) {
            throw new IllegalStateException("Cannot set scoreboard yet");
        }
        Scoreboard old = getScoreboard();
        scoreboard = board;
        if (old != board) {
            for (PacketOut p : ((ApiScoreboard) old).removal()) {
                self().connection().send(p);
            }
            for (PacketOut p : ((ApiScoreboard) board).wholeBoard()) {
                self().connection().send(p);
            }
        }
    }

    // --- conversations: while one runs, what the player types goes to it ---

    final Conversations conversations = new Conversations();

    public boolean isConversing() {
        return conversations.isConversing();
    }

    public void acceptConversationInput(String input) {
        conversations.accept(input);
    }

    public boolean beginConversation(Conversation conversation) {
        return conversations.begin(conversation);
    }

    public void abandonConversation(Conversation conversation) {
        conversations.abandon(conversation);
    }

    public void abandonConversation(Conversation conversation, ConversationAbandonedEvent details) {
        conversations.abandon(conversation, details);
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
