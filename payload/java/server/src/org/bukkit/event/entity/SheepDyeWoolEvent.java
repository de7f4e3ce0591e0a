package org.bukkit.event.entity;

import org.bukkit.DyeColor;
import org.bukkit.entity.Sheep;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A sheep's wool is dyed.
 */
public class SheepDyeWoolEvent extends EntityEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private DyeColor color;
    private boolean cancelled;

    public SheepDyeWoolEvent(final Sheep sheep, final DyeColor color) {
        super(sheep);
        this.color = color;
    }

    public DyeColor getColor() {
        return color;
    }

    public void setColor(final DyeColor color) {
        this.color = color;
    }

    @Override
    public Sheep getEntity() {
        return (Sheep) entity;
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
