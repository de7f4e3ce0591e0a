package org.bukkit.event.player;

import org.bukkit.entity.CreatureType;
import org.bukkit.entity.Egg;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Player;
import org.bukkit.event.HandlerList;

/**
 * A thrown egg breaks; whether it hatches, how many and what may be changed.
 */
public class PlayerEggThrowEvent extends PlayerEvent {
    private static final HandlerList handlers = new HandlerList();
    private final Egg egg;
    private boolean hatching;
    private EntityType hatchType;
    private byte numHatches;

    public PlayerEggThrowEvent(final Player player, final Egg egg, final boolean hatching, final byte numHatches, final EntityType hatchingType) {
        super(player);
        this.egg = egg;
        this.hatching = hatching;
        this.numHatches = numHatches;
        hatchType = hatchingType;
    }

    public Egg getEgg() {
        return egg;
    }

    public boolean isHatching() {
        return hatching;
    }

    public void setHatching(final boolean hatching) {
        this.hatching = hatching;
    }

    public EntityType getHatchingType() {
        return hatchType;
    }

    public void setHatchingType(final EntityType hatchType) {
        this.hatchType = hatchType;
    }

    public byte getNumHatches() {
        return numHatches;
    }

    public void setNumHatches(final byte numHatches) {
        this.numHatches = numHatches;
    }

    @Deprecated
    public PlayerEggThrowEvent(final Player player, final Egg egg, final boolean hatching, final byte numHatches,
            final CreatureType hatchingType) {
        this(player, egg, hatching, numHatches, hatchingType.toEntityType());
    }

    @Deprecated
    public CreatureType getHatchType() {
        for (CreatureType type : CreatureType.values()) {
            if (type.toEntityType() == hatchType) {
                return type;
            }
        }
        return null;
    }

    @Deprecated
    public void setHatchType(final CreatureType hatchType) {
        this.hatchType = hatchType.toEntityType();
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
