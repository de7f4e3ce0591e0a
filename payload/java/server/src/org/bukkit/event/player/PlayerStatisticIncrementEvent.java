package org.bukkit.event.player;

import org.bukkit.Material;
import org.bukkit.Statistic;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A statistic of a player goes up; cancelled, it stays.
 */
public class PlayerStatisticIncrementEvent extends PlayerEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    protected final Statistic statistic;
    private final int initialValue;
    private final int newValue;
    private final EntityType entityType;
    private final Material material;
    private boolean cancelled;

    public PlayerStatisticIncrementEvent(final Player player, final Statistic statistic, final int initialValue, final int newValue) {
        this(player, statistic, initialValue, newValue, (EntityType) null);
    }

    public PlayerStatisticIncrementEvent(final Player player, final Statistic statistic, final int initialValue, final int newValue, final EntityType entityType) {
        super(player);
        this.statistic = statistic;
        this.initialValue = initialValue;
        this.newValue = newValue;
        this.entityType = entityType;
        material = null;
    }

    public PlayerStatisticIncrementEvent(final Player player, final Statistic statistic, final int initialValue, final int newValue, final Material material) {
        super(player);
        this.statistic = statistic;
        this.initialValue = initialValue;
        this.newValue = newValue;
        this.material = material;
        entityType = null;
    }

    public Statistic getStatistic() {
        return statistic;
    }

    public int getPreviousValue() {
        return initialValue;
    }

    public int getNewValue() {
        return newValue;
    }

    public EntityType getEntityType() {
        return entityType;
    }

    public Material getMaterial() {
        return material;
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
}
