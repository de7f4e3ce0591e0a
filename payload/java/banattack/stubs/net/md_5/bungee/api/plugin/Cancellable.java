package net.md_5.bungee.api.plugin;

/** Compile-only stand-in: an event a listener may cancel. */
public interface Cancellable {
    boolean isCancelled();

    void setCancelled(boolean cancel);
}
