package net.cubeworks.world.plugin;

import net.cubeworks.world.protocol.Versions;

/** The names and versions the server gives itself, to plugins and on "/version". */
public final class ServerVersion {
    /**
     * The Bukkit API level plugins are told this server implements: the 1.7.9 API, whose UUID
     * members the plugins of 1.7 servers use. The game itself stays 1.7.2 (SERVER_VERSION).
     */
    public static final String API_VERSION = "1.7.9-R0.2";
    public static final String SERVER_NAME = "Cubeworks-World";
    public static final String SERVER_VERSION = "1.0 (MC: " + Versions.MINECRAFT_VERSION + ")";

    private ServerVersion() {
    }
}
