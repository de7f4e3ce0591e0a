package org.bukkit.event.entity;

import java.util.List;

import org.bukkit.PortalType;
import org.bukkit.block.BlockState;
import org.bukkit.entity.LivingEntity;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * An entity makes a portal (the dragon's exit portal).
 */
public class EntityCreatePortalEvent extends EntityEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private final List<BlockState> blocks;
    private final PortalType portalType;
    private boolean cancelled;

    public EntityCreatePortalEvent(final LivingEntity what, final List<BlockState> blocks, final PortalType type) {
        super(what);
        this.blocks = blocks;
        portalType = type;
    }

    public List<BlockState> getBlocks() {
        return blocks;
    }

    public PortalType getPortalType() {
        return portalType;
    }

    @Override
    public LivingEntity getEntity() {
        return (LivingEntity) entity;
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
