package org.bukkit.event;

/** An event that a handler can cancel. */
public interface Cancellable {
    boolean isCancelled();

    void setCancelled(boolean cancel);
}
