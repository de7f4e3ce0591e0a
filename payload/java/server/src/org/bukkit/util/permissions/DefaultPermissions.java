package org.bukkit.util.permissions;

import java.util.Map;

import org.bukkit.Bukkit;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionDefault;

/** Registers permissions with the plugin manager, each optionally a child of a parent. */
public final class DefaultPermissions {
    private static final String ROOT = "craftbukkit";
    private static final String LEGACY_PREFIX = "craft";

    private DefaultPermissions() {
    }

    public static Permission registerPermission(Permission perm) {
        return registerPermission(perm, true);
    }

    /** Adds it to the plugin manager; withLegacy a server permission ("bukkit.*") also under its old "craftbukkit.*" name. */
    public static Permission registerPermission(Permission perm, boolean withLegacy) {
        Permission result = perm;
        try {
            Bukkit.getPluginManager().addPermission(perm);
        } catch (IllegalArgumentException ex) {
            // already there: the one registered stands
            result = Bukkit.getPluginManager().getPermission(perm.getName());
        }
        if (withLegacy && result.getName().startsWith("bukkit.")) {
            Permission legacy = new Permission(LEGACY_PREFIX + result.getName(), result.getDescription(),
                    PermissionDefault.FALSE);
            legacy.getChildren().put(result.getName(), true);
            registerPermission(legacy, false);
        }
        return result;
    }

    public static Permission registerPermission(Permission perm, Permission parent) {
        parent.getChildren().put(perm.getName(), true);
        parent.recalculatePermissibles();
        return registerPermission(perm);
    }

    public static Permission registerPermission(String name, String desc) {
        return registerPermission(new Permission(name, desc));
    }

    public static Permission registerPermission(String name, String desc, Permission parent) {
        return registerPermission(new Permission(name, desc), parent);
    }

    public static Permission registerPermission(String name, String desc, PermissionDefault def) {
        return registerPermission(new Permission(name, desc, def));
    }

    public static Permission registerPermission(String name, String desc, PermissionDefault def, Permission parent) {
        return registerPermission(new Permission(name, desc, def), parent);
    }

    public static Permission registerPermission(String name, String desc, PermissionDefault def,
            Map<String, Boolean> children) {
        Permission perm = registerPermission(new Permission(name, desc, def, children));
        perm.recalculatePermissibles();
        return perm;
    }

    public static Permission registerPermission(String name, String desc, PermissionDefault def,
            Map<String, Boolean> children, Permission parent) {
        Permission perm = registerPermission(new Permission(name, desc, def, children), parent);
        perm.recalculatePermissibles();
        return perm;
    }

    /** The server's own tree: "craftbukkit" over the broadcast and command permissions. */
    public static void registerCorePermissions() {
        Permission parent = registerPermission(ROOT, "Gives the user the ability to use all CraftBukkit utilities and commands");
        CommandPermissions.registerPermissions(parent);
        BroadcastPermissions.registerPermissions(parent);
        parent.recalculatePermissibles();
    }
}
