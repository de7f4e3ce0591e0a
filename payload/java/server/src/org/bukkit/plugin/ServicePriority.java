package org.bukkit.plugin;

/** How much a service provider is preferred over the others of its service: Highest wins. */
public enum ServicePriority {
    Lowest,
    Low,
    Normal,
    High,
    Highest
}
