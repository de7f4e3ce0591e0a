package org.bukkit.event.player;

import org.bukkit.Location;
import org.bukkit.TravelAgent;
import org.bukkit.entity.Player;
import org.bukkit.event.HandlerList;

/**
 * A player goes through a portal; the travel agent finds or makes the portal at the other end.
 */
public class PlayerPortalEvent extends PlayerTeleportEvent {
    private static final HandlerList handlers = new HandlerList();
    protected TravelAgent travelAgent;
    protected boolean useTravelAgent = true;

    public PlayerPortalEvent(final Player player, final Location from, final Location to, final TravelAgent pta) {
        super(player, from, to);
        travelAgent = pta;
    }

    public PlayerPortalEvent(final Player player, final Location from, final Location to, final TravelAgent pta, final TeleportCause cause) {
        super(player, from, to, cause);
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
        return useTravelAgent && travelAgent != null;
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
