package org.bukkit.event.entity;

import org.bukkit.Location;
import org.bukkit.TravelAgent;
import org.bukkit.entity.Entity;
import org.bukkit.event.HandlerList;

/**
 * An entity goes through a portal; the travel agent finds or makes the portal at the other end.
 */
public class EntityPortalEvent extends EntityTeleportEvent {
    private static final HandlerList handlers = new HandlerList();
    protected TravelAgent travelAgent;
    protected boolean useTravelAgent = true;

    public EntityPortalEvent(final Entity entity, final Location from, final Location to, final TravelAgent pta) {
        super(entity, from, to);
        travelAgent = pta;
    }

    public TravelAgent getPortalTravelAgent() {
        return travelAgent;
    }

    public void setPortalTravelAgent(final TravelAgent travelAgent) {
        this.travelAgent = travelAgent;
    }

    public void useTravelAgent(final boolean useTravelAgent) {
        this.useTravelAgent = useTravelAgent;
    }

    public boolean useTravelAgent() {
        return useTravelAgent;
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
