package org.bukkit.event;

/**
 * The per-event-type handler registry. This server finds handlers by reflection when a
 * listener is registered, so the list only exists for plugins that declare it.
 */
public class HandlerList {
    public HandlerList() {
    }
}
