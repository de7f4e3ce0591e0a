package net.md_5.bungee.api.plugin;

/** Compile-only stand-in: marks a class whose @EventHandler methods receive proxy events. */
public interface Listener {
}
