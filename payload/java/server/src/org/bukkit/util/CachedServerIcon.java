package org.bukkit.util;

/** A server icon read once, ready to be sent with the server list's answer. */
public interface CachedServerIcon {
}
