package net.cubeworks.world.game.player;

import java.util.Collection;
import java.util.List;

import org.bukkit.EntityEffect;
import org.bukkit.Location;
import org.bukkit.entity.Arrow;
import org.bukkit.entity.Egg;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Projectile;
import org.bukkit.entity.Snowball;
import org.bukkit.inventory.EntityEquipment;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.PlayerEffects;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The plugin API's members of a player's condition: plugins' metadata on him, status effects,
 * his kind and neighbours, whole-number health for old plugins, what he looks at, and the
 * projectiles and equipment players do not have here.
 */
abstract class PlayerCondition extends PlayerSenses {
    PlayerCondition(int entityId, java.util.UUID uniqueId, Object lock) {
        super(entityId, uniqueId, lock);
    }

    // --- metadata: kept in the game's store for the session ---

    public void setMetadata(String metadataKey, MetadataValue newMetadataValue) {
        game().metadata().setMetadata(self(), metadataKey, newMetadataValue);
    }

    public List<MetadataValue> getMetadata(String metadataKey) {
        return game().metadata().getMetadata(self(), metadataKey);
    }

    public boolean hasMetadata(String metadataKey) { return game().metadata().hasMetadata(self(), metadataKey); }

    public void removeMetadata(String metadataKey, Plugin owningPlugin) {
        game().metadata().removeMetadata(self(), metadataKey, owningPlugin);
    }

    // --- status effects: kept per player, counted in world ticks ---

    public final PlayerEffects effects = new PlayerEffects();

    public boolean addPotionEffect(PotionEffect effect) { return addPotionEffect(effect, false); }

    public boolean addPotionEffect(final PotionEffect effect, final boolean force) {
        if (effect == null) {
            throw new IllegalArgumentException("effect");
        }
        return onGameThread(() -> {
            return game().addEffect(self(), effect, force);
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
        onGameThread(() -> {
            game().removeEffect(self(), type);
            return null;
        });
    }

    public Collection<PotionEffect> getActivePotionEffects() {
        synchronized (game().lock()) {
            return effects.active(game().currentTick());
        }
    }

    // --- kind, effects on the entity, neighbours; players ride nothing ---

    public EntityType getType() { return EntityType.PLAYER; }

    /** Shows the effect (hurt, death, ...) to this player's own client and to those that show him. */
    public void playEffect(final EntityEffect type) {
        onGameThread(() -> {
            OnlinePlayer p = self();
            PacketOut status = PlayPackets.entityStatus(p.getEntityId(), type.getData());
            p.connection().send(status);
            game().toViewers(p, status);
            return null;
        });
    }

    // --- what the player looks at ---

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
        PlayerGame game = game();
        synchronized (game().lock()) {
            for (int i = 1; i < steps; i++) {
                double f = (double) i / steps;
                int bx = (int) Math.floor(from.getX() + dx * f);
                int by = (int) Math.floor(from.getY() + dy * f);
                int bz = (int) Math.floor(from.getZ() + dz * f);
                if (by >= 0 && by <= 255 && game.solid(game.blocks().blockAt(bx, by, bz))) {
                    return false;
                }
            }
        }
        return true;
    }

    // --- projectiles (arrows, snowballs and eggs fly; other kinds are not simulated), equipment, leash ---

    private static final java.util.concurrent.atomic.AtomicBoolean TOLD_NO_PROJECTILES =
            new java.util.concurrent.atomic.AtomicBoolean();

    private <T> T noProjectile(String what) {
        if (TOLD_NO_PROJECTILES.compareAndSet(false, true)) {
            game().logger().info("A plugin asked for " + what + ": this server does not simulate it, none was launched");
        }
        return null;
    }

    @Deprecated
    public Egg throwEgg() { return launchProjectile(Egg.class); }

    @Deprecated
    public Snowball throwSnowball() { return launchProjectile(Snowball.class); }

    @Deprecated
    public Arrow shootArrow() { return launchProjectile(Arrow.class); }

    public <T extends Projectile> T launchProjectile(Class<? extends T> projectile) {
        return launchProjectile(projectile, null);
    }

    /** From the player's eyes along his look: an arrow, a snowball or an egg (null for other kinds, or when a plugin stopped it). */
    public <T extends Projectile> T launchProjectile(Class<? extends T> projectile, Vector velocity) {
        synchronized (game().lock()) {
            T t = game().launch(self(), projectile, velocity);
            return t != null || Arrow.class.isAssignableFrom(projectile) || Snowball.class.isAssignableFrom(projectile)
                    || Egg.class.isAssignableFrom(projectile) ? t : this.<T>noProjectile(projectile.getSimpleName());
        }
    }

    public EntityEquipment getEquipment() { return new ApiPlayerEquipment(self()); }

    /** A player is never leashed. */
    public Entity getLeashHolder() throws IllegalStateException { throw new IllegalStateException("Entity not leashed"); }
    public boolean setLeashHolder(Entity holder) { return false; }

}
