package org.bukkit.event.world;

import org.bukkit.World;
import org.bukkit.event.HandlerList;

/** A world has been loaded; like {@link WorldInitEvent}, the server's one world loads before plugins enable. */
public class WorldLoadEvent extends WorldEvent {
    private static final HandlerList handlers = new HandlerList();

    public WorldLoadEvent(final World world) {
        super(world);
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
