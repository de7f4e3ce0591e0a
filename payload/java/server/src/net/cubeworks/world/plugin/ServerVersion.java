package net.cubeworks.world.plugin;

import net.cubeworks.world.protocol.Versions;

/** The names and versions the server gives itself, to plugins and on "/version". */
public final class ServerVersion {
    public static final String API_VERSION = "1.7.2-R0.3";
    public static final String SERVER_NAME = "Cubeworks-World";
    public static final String SERVER_VERSION = "1.0 (MC: " + Versions.MINECRAFT_VERSION + ")";

    private ServerVersion() {
    }
}
