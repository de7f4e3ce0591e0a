package net.cubeworks.world.game.mob;

import java.util.Collection;
import java.util.HashSet;
import java.util.List;

import org.bukkit.EntityEffect;
import org.bukkit.Location;
import org.bukkit.Server;
import org.bukkit.World;
import org.bukkit.block.Block;
import org.bukkit.entity.Creature;
import org.bukkit.entity.Egg;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.entity.Projectile;
import org.bukkit.entity.Snowball;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.inventory.EntityEquipment;
import org.bukkit.inventory.ItemStack;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.Living;
import net.cubeworks.world.protocol.EntityMetadata;
import net.cubeworks.world.protocol.PacketOut;

/**
 * What every animal and monster is: its kind, what it holds and wears, its name and target, and
 * its parts: its {@link Life} each tick, its {@link Body}, {@link Walking}, {@link Hazards},
 * {@link Targets}, {@link HurtAndDeath}, how it is shown ({@link Appearance}) and what it sees
 * ({@link LineOfSight}). The plugin API's members of a creature answer from these. Each kind says
 * what it does in {@link #think}, what it drops, and its own metadata.
 */
public abstract class Mob extends Living implements Creature {
    public final MobKind kind;
    final Mobs mobs;
    final Body body = Body.of();
    final Walking walking = new Walking(this);
    final Hazards hazards = new Hazards(this);
    final HurtAndDeath harm;
    final Targets targets = new Targets(this);
    final Life life = new Life(this);
    private final KeptEffects effects = new KeptEffects();
    public float headYaw;
    /** Whether it stays however far the players are (named, or kept by a plugin or the game). */
    public boolean persistent;
    public String customName;
    public boolean customNameVisible;
    /** The item in its hand (a skeleton's bow), 0 for none. */
    public int heldItem;
    /** What it wears, boots to helmet (shown to viewers; it does not protect it). */
    final ItemStack[] armour = new ItemStack[4];
    final float[] dropChances = {0.085f, 0.085f, 0.085f, 0.085f, 0.085f};
    LivingEntity target;
    private int remainingAir = 300;
    private int maximumAir = 300;

    protected Mob(Mobs mobs, MobKind kind, double x, double y, double z) {
        super(mobs.world.entities().nextId(), mobs.takeUuid(), mobs.world.lock(), kind.maxHealth);
        this.mobs = mobs;
        this.kind = kind;
        this.harm = new HurtAndDeath(this);
        this.x = x;
        this.y = y;
        this.z = z;
        this.yaw = mobs.random.nextFloat() * 360f;
        this.headYaw = yaw;
    }

    public List<PacketOut> spawnPackets(int viewerProtocol) {
        return Appearance.spawnPackets(this);
    }

    /** The kind's own metadata entries (its age, colour, state). */
    void kindMetadata(EntityMetadata m) {
    }

    /** Tells its viewers its metadata as it is now. */
    void sendMetadata() {
        Appearance.sendMetadata(this);
    }

    public int trackingRange() {
        return 80;
    }

    /** One tick of its life: see {@link Life}. */
    public void tick(long tick) {
        super.tick(tick);
        life.tick(tick);
    }

    /** What the kind does this tick: pick a target or a place, set where it walks, attack. */
    abstract void think(long tick);

    static int floor(double v) {
        return Body.floor(v);
    }

    /** A hit of the amount by the entity, or by the world (source null); true when it hurt. */
    public boolean hurt(float amount, Entity source, DamageCause cause) {
        return harm.hurt(amount, source, cause);
    }

    /** What the kind does when something hurts it: monsters turn on it, animals run. */
    void hurtBy(LivingEntity attacker) {
    }

    /** What it leaves, as {item, count, damage}: killed by a player or not, burning or not. */
    abstract List<int[]> drops(boolean byPlayer, boolean burning);

    /** n of the item, n random from 0 to max (plus the looting the game has, not modelled). */
    int[] some(int item, int max) {
        return new int[] {item, mobs.random.nextInt(max + 1), 0};
    }

    /** What a player's right click holding the item does to it: the kinds that take food, shears or a bucket say so. */
    public ClickUse interact(Player p, int item, int damage) {
        return ClickUse.NOTHING;
    }

    Object lock() {
        return lock;
    }

    // --- the plugin API's members ---

    public EntityType getType() {
        return kind.type;
    }

    public Location getLocation() {
        return Whereabouts.location(this);
    }

    public Location getLocation(Location loc) {
        return loc == null ? null : Whereabouts.location(this, loc);
    }

    public World getWorld() {
        return mobs.world.api();
    }

    public Server getServer() {
        return mobs.world.host().api();
    }

    public boolean teleport(Location location) {
        return teleport(location, TeleportCause.PLUGIN);
    }

    public boolean teleport(Location location, TeleportCause cause) {
        return Whereabouts.teleport(this, location);
    }

    public boolean teleport(Entity destination) {
        return destination != null && teleport(destination.getLocation());
    }

    public boolean teleport(Entity destination, TeleportCause cause) {
        return destination != null && teleport(destination.getLocation(), cause);
    }

    public boolean isValid() {
        return !isDead();
    }

    public void remove() {
        markRemoved();
    }

    public void playEffect(EntityEffect type) {
        Appearance.playEffect(this, type);
    }

    public List<Entity> getNearbyEntities(double rx, double ry, double rz) {
        return Whereabouts.nearby(this, lock, mobs.world, rx, ry, rz);
    }

    public double getEyeHeight() {
        return kind.height * 0.85;
    }

    public double getEyeHeight(boolean ignoreSneaking) {
        return getEyeHeight();
    }

    public Location getEyeLocation() {
        return Whereabouts.eyeLocation(this);
    }

    public int getRemainingAir() {
        return remainingAir;
    }

    public void setRemainingAir(int ticks) {
        remainingAir = ticks;
    }

    public int getMaximumAir() {
        return maximumAir;
    }

    public void setMaximumAir(int ticks) {
        maximumAir = ticks;
    }

    public int getMaximumNoDamageTicks() {
        return harm.maximumNoDamageTicks;
    }

    public void setMaximumNoDamageTicks(int ticks) {
        harm.maximumNoDamageTicks = ticks;
    }

    public double getLastDamage() {
        return harm.lastHurtDamage;
    }

    public void setLastDamage(double damage) {
        harm.lastHurtDamage = (float) damage;
    }

    public int getNoDamageTicks() {
        return harm.noDamageTicks();
    }

    public void setNoDamageTicks(int ticks) {
        harm.setNoDamageTicks(ticks);
    }

    public Player getKiller() {
        return harm.killer;
    }

    public boolean getRemoveWhenFarAway() {
        return !persistent;
    }

    public void setRemoveWhenFarAway(boolean remove) {
        persistent = !remove;
    }

    public boolean getCanPickupItems() {
        return false;
    }

    public void setCanPickupItems(boolean pickup) {
    }

    public void setCustomName(String name) {
        Appearance.setName(this, name);
    }

    public String getCustomName() {
        return customName;
    }

    public void setCustomNameVisible(boolean flag) {
        Appearance.setNameVisible(this, flag);
    }

    public boolean isCustomNameVisible() {
        return customNameVisible;
    }

    public boolean isLeashed() {
        return false;
    }

    public boolean setLeashHolder(Entity holder) {
        return false;
    }

    /** Nothing holds a mob on a leash here. */
    public Entity getLeashHolder() throws IllegalStateException {
        throw new IllegalStateException("Entity not leashed");
    }

    public boolean addPotionEffect(PotionEffect effect) {
        return effects.add(effect, false);
    }

    public boolean addPotionEffect(PotionEffect effect, boolean force) {
        return effects.add(effect, force);
    }

    public boolean addPotionEffects(Collection<PotionEffect> all) {
        return effects.addAll(all);
    }

    public boolean hasPotionEffect(PotionEffectType type) {
        return effects.has(type);
    }

    public void removePotionEffect(PotionEffectType type) {
        effects.remove(type);
    }

    public Collection<PotionEffect> getActivePotionEffects() {
        return effects.active();
    }

    @Deprecated
    public List<Block> getLineOfSight(HashSet<Byte> transparent, int maxDistance) {
        return LineOfSight.blocks(this, transparent, maxDistance, 0);
    }

    @Deprecated
    public Block getTargetBlock(HashSet<Byte> transparent, int maxDistance) {
        return LineOfSight.targetBlock(this, transparent, maxDistance);
    }

    @Deprecated
    public List<Block> getLastTwoTargetBlocks(HashSet<Byte> transparent, int maxDistance) {
        return LineOfSight.blocks(this, transparent, maxDistance, 2);
    }

    public boolean hasLineOfSight(Entity other) {
        return LineOfSight.seenByPlugin(this, other);
    }

    public EntityEquipment getEquipment() {
        return new MobEquipment(this);
    }

    @Deprecated
    public Egg throwEgg() {
        return launchProjectile(Egg.class);
    }

    @Deprecated
    public Snowball throwSnowball() {
        return launchProjectile(Snowball.class);
    }

    @Deprecated
    public org.bukkit.entity.Arrow shootArrow() {
        return launchProjectile(org.bukkit.entity.Arrow.class);
    }

    public <T extends Projectile> T launchProjectile(Class<? extends T> type) {
        return launchProjectile(type, null);
    }

    public <T extends Projectile> T launchProjectile(Class<? extends T> type, Vector velocity) {
        synchronized (lock) {
            return mobs.launch(this, type, velocity);
        }
    }

    public LivingEntity getTarget() {
        return target;
    }

    public void setTarget(LivingEntity t) {
        targets.setByPlugin(t);
    }

    public double getHealth() {
        return harm.health();
    }

    public void setHealth(double h) {
        harm.setHealth(h);
    }

    public double getMaxHealth() {
        return harm.maxHealth;
    }

    public void setMaxHealth(double h) {
        harm.setMaxHealth(h);
    }

    public void resetMaxHealth() {
        setMaxHealth(kind.maxHealth);
    }

    public void damage(double amount) {
        damage(amount, null);
    }

    public void damage(double amount, Entity source) {
        harm.damageByPlugin(amount, source);
    }

    public String toString() {
        return "Craft" + kind.savedId + "{id=" + getEntityId() + "}";
    }
}
