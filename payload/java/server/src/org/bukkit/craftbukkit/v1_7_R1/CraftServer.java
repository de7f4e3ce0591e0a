package org.bukkit.craftbukkit.v1_7_R1;

import net.cubeworks.world.server.BukkitServer;
import net.cubeworks.world.server.WorldServer;

/**
 * The server as plugins see it, under the class name CraftBukkit 1.7.2 used. Plugins of the era
 * read the package of the server's class to find CraftBukkit's other classes, and some only do
 * so when the class is called {@code CraftServer} (PermissionsEx finds the player's permission
 * field that way). Everything it does is {@link BukkitServer}'s.
 */
public final class CraftServer extends BukkitServer {
    public CraftServer(WorldServer server) {
        super(server);
    }
}
