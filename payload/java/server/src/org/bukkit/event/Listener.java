package org.bukkit.event;

/** Marks a class whose @EventHandler methods receive events. */
public interface Listener {
}
