package org.bukkit.permissions;

/**
 * Something that permissions can be checked on. This server has no permission
 * plugins: a permission is granted to operators only.
 */
public interface Permissible extends ServerOperator {
    boolean isPermissionSet(String name);

    boolean hasPermission(String name);

    void recalculatePermissions();
}
