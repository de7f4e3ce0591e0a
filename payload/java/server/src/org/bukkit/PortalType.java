package org.bukkit;

/** The kinds of portal an entity can make. */
public enum PortalType {
    /** A nether portal. */
    NETHER,
    /** An end portal. */
    ENDER,
    /** Any other kind. */
    CUSTOM
}
