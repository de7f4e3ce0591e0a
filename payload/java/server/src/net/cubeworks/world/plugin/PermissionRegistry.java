package net.cubeworks.world.plugin;

import java.util.Collections;
import java.util.HashMap;
import java.util.LinkedHashSet;
import java.util.Map;
import java.util.Set;
import java.util.WeakHashMap;

import org.bukkit.permissions.Permissible;
import org.bukkit.permissions.Permission;

/**
 * The registered permissions by lower-case name, the ones each operator status has by default,
 * and who holds which (held weakly, so a player who left is forgotten), so that a change of a
 * permission's default or children reaches its holders.
 */
final class PermissionRegistry {
    private final Map<String, Permission> permissions = new HashMap<String, Permission>();
    private final Map<Boolean, Set<Permission>> defaults = new HashMap<Boolean, Set<Permission>>();
    private final Map<String, Map<Permissible, Boolean>> subscriptions = new HashMap<String, Map<Permissible, Boolean>>();
    private final Map<Boolean, Map<Permissible, Boolean>> defaultSubscriptions =
            new HashMap<Boolean, Map<Permissible, Boolean>>();

    PermissionRegistry() {
        defaults.put(true, new LinkedHashSet<Permission>());
        defaults.put(false, new LinkedHashSet<Permission>());
        defaultSubscriptions.put(true, new WeakHashMap<Permissible, Boolean>());
        defaultSubscriptions.put(false, new WeakHashMap<Permissible, Boolean>());
    }

    synchronized Permission get(String name) {
        return permissions.get(name.toLowerCase());
    }

    /** Registers the permission; fails when one of that name is registered already. */
    void add(Permission perm) {
        String name = perm.getName().toLowerCase();
        synchronized (this) {
            if (permissions.containsKey(name)) {
                throw new IllegalArgumentException("The permission " + name + " is already defined!");
            }
            permissions.put(name, perm);
        }
        recalculateDefaults(perm);
    }

    void remove(String name) {
        Permission removed;
        synchronized (this) {
            removed = permissions.remove(name.toLowerCase());
            if (removed != null) {
                defaults.get(true).remove(removed);
                defaults.get(false).remove(removed);
            }
        }
        if (removed != null) {
            recalculateHolders(defaultSubscribers(true));
            recalculateHolders(defaultSubscribers(false));
        }
    }

    synchronized Set<Permission> defaults(boolean op) {
        return Collections.unmodifiableSet(new LinkedHashSet<Permission>(defaults.get(op)));
    }

    /** Files the permission under the operator statuses its default gives it to, and updates their holders. */
    void recalculateDefaults(Permission perm) {
        synchronized (this) {
            if (!permissions.containsKey(perm.getName().toLowerCase())) {
                return;
            }
            defaults.get(true).remove(perm);
            defaults.get(false).remove(perm);
            if (perm.getDefault().getValue(true)) {
                defaults.get(true).add(perm);
            }
            if (perm.getDefault().getValue(false)) {
                defaults.get(false).add(perm);
            }
        }
        recalculateHolders(defaultSubscribers(true));
        recalculateHolders(defaultSubscribers(false));
    }

    private static void recalculateHolders(Set<Permissible> holders) {
        for (Permissible p : holders) {
            p.recalculatePermissions();
        }
    }

    synchronized void subscribe(String permission, Permissible holder) {
        String name = permission.toLowerCase();
        Map<Permissible, Boolean> map = subscriptions.get(name);
        if (map == null) {
            map = new WeakHashMap<Permissible, Boolean>();
            subscriptions.put(name, map);
        }
        map.put(holder, Boolean.TRUE);
    }

    synchronized void unsubscribe(String permission, Permissible holder) {
        Map<Permissible, Boolean> map = subscriptions.get(permission.toLowerCase());
        if (map != null) {
            map.remove(holder);
            if (map.isEmpty()) {
                subscriptions.remove(permission.toLowerCase());
            }
        }
    }

    synchronized Set<Permissible> subscribers(String permission) {
        Map<Permissible, Boolean> map = subscriptions.get(permission.toLowerCase());
        return map == null ? Collections.<Permissible>emptySet()
                : Collections.unmodifiableSet(new LinkedHashSet<Permissible>(map.keySet()));
    }

    synchronized void subscribeToDefaults(boolean op, Permissible holder) {
        defaultSubscriptions.get(op).put(holder, Boolean.TRUE);
    }

    synchronized void unsubscribeFromDefaults(boolean op, Permissible holder) {
        defaultSubscriptions.get(op).remove(holder);
    }

    synchronized Set<Permissible> defaultSubscribers(boolean op) {
        return Collections.unmodifiableSet(new LinkedHashSet<Permissible>(defaultSubscriptions.get(op).keySet()));
    }

    synchronized Set<Permission> all() {
        return Collections.unmodifiableSet(new LinkedHashSet<Permission>(permissions.values()));
    }
}
