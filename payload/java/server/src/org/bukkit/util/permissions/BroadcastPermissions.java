package org.bukkit.util.permissions;

import org.bukkit.Server;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionDefault;

/** The permissions to hear the server's broadcasts: the users' (everyone) and the administrators' (operators). */
public final class BroadcastPermissions {
    private static final String ROOT = "bukkit.broadcast";

    private BroadcastPermissions() {
    }

    public static Permission registerPermissions(Permission parent) {
        Permission broadcasts = DefaultPermissions.registerPermission(ROOT, "Allows the user to receive all broadcast messages",
                parent);
        DefaultPermissions.registerPermission(Server.BROADCAST_CHANNEL_ADMINISTRATIVE,
                "Allows the user to receive administrative broadcasts", PermissionDefault.OP, broadcasts);
        DefaultPermissions.registerPermission(Server.BROADCAST_CHANNEL_USERS,
                "Allows the user to receive user broadcasts", PermissionDefault.TRUE, broadcasts);
        broadcasts.recalculatePermissibles();
        return broadcasts;
    }
}
