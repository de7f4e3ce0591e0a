package org.bukkit.event.entity;

import org.bukkit.Location;
import org.bukkit.entity.CreatureType;
import org.bukkit.entity.Entity;
import org.bukkit.entity.LivingEntity;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A creature is about to enter the world; cancelled, it does not.
 */
public class CreatureSpawnEvent extends EntityEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final SpawnReason spawnReason;
    private final CreatureType creatureType;
    private boolean cancelled;

    public CreatureSpawnEvent(final LivingEntity spawnee, final SpawnReason spawnReason) {
        super(spawnee);
        this.spawnReason = spawnReason;
        creatureType = null;
    }

    public SpawnReason getSpawnReason() {
        return spawnReason;
    }

    @Deprecated
    public CreatureSpawnEvent(Entity spawnee, CreatureType type, Location loc, SpawnReason reason) {
        super(spawnee);
        this.spawnReason = reason;
        this.creatureType = type;
    }

    @Override
    public LivingEntity getEntity() {
        return (LivingEntity) entity;
    }

    public Location getLocation() {
        return entity.getLocation();
    }

    /** The kind given when the event was made, else the most specific kind whose interface the entity has. */
    @Deprecated
    public CreatureType getCreatureType() {
        if (creatureType != null) {
            return creatureType;
        }
        CreatureType best = null; // the most specific: a zombie pigman is a zombie too
        for (CreatureType type : CreatureType.values()) {
            Class<?> c = type.getEntityClass();
            if (c != null && c.isInstance(entity) && (best == null || best.getEntityClass().isAssignableFrom(c))) {
                best = type;
            }
        }
        return best;
    }

    public boolean isCancelled() {
        return cancelled;
    }

    public void setCancelled(final boolean cancel) {
        cancelled = cancel;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }

    /** Why a creature spawns. */
    public enum SpawnReason {
        NATURAL,
        JOCKEY,
        CHUNK_GEN,
        SPAWNER,
        EGG,
        SPAWNER_EGG,
        LIGHTNING,
        BED,
        BUILD_SNOWMAN,
        BUILD_IRONGOLEM,
        BUILD_WITHER,
        VILLAGE_DEFENSE,
        VILLAGE_INVASION,
        BREEDING,
        SLIME_SPLIT,
        REINFORCEMENTS,
        NETHER_PORTAL,
        DISPENSE_EGG,
        INFECTION,
        CURED,
        OCELOT_BABY,
        SILVERFISH_BLOCK,
        MOUNT,
        CUSTOM,
        DEFAULT
    }
}
