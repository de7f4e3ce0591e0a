package org.bukkit.permissions;

import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.plugin.Plugin;

/** Permissions a plugin sets on one holder; every change makes the holder recalculate. */
public class PermissionAttachment {
    private PermissionRemovedExecutor removed;
    private final Map<String, Boolean> permissions = new LinkedHashMap<String, Boolean>();
    private final Permissible permissible;
    private final Plugin plugin;

    public PermissionAttachment(Plugin plugin, Permissible permissible) {
        if (plugin == null) {
            throw new IllegalArgumentException("Plugin cannot be null");
        } else if (!plugin.isEnabled()) {
            throw new IllegalArgumentException("Plugin " + plugin.getDescription().getFullName() + " is disabled");
        }
        this.permissible = permissible;
        this.plugin = plugin;
    }

    public Plugin getPlugin() {
        return plugin;
    }

    public void setRemovalCallback(PermissionRemovedExecutor ex) {
        removed = ex;
    }

    public PermissionRemovedExecutor getRemovalCallback() {
        return removed;
    }

    public Permissible getPermissible() {
        return permissible;
    }

    /** A copy of the permissions this attachment sets, by lower-case name. */
    public Map<String, Boolean> getPermissions() {
        synchronized (permissions) {
            return new LinkedHashMap<String, Boolean>(permissions);
        }
    }

    public void setPermission(String name, boolean value) {
        synchronized (permissions) {
            permissions.put(name.toLowerCase(), value);
        }
        permissible.recalculatePermissions();
    }

    public void setPermission(Permission perm, boolean value) {
        setPermission(perm.getName(), value);
    }

    public void unsetPermission(String name) {
        synchronized (permissions) {
            permissions.remove(name.toLowerCase());
        }
        permissible.recalculatePermissions();
    }

    public void unsetPermission(Permission perm) {
        unsetPermission(perm.getName());
    }

    /** Takes this attachment off its holder; false when it was not attached. */
    public boolean remove() {
        try {
            permissible.removeAttachment(this);
            return true;
        } catch (IllegalArgumentException ex) {
            return false;
        }
    }
}
