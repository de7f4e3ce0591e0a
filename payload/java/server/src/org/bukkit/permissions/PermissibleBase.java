package org.bukkit.permissions;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

import org.bukkit.Bukkit;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginManager;

/**
 * The permissions of one holder: the registered permissions whose default fits its operator
 * status, then its attachments in the order they were added (a later one wins), each with its
 * children. Recalculated when an attachment changes, and whenever the holder's operator status
 * is found to differ from the one the permissions were calculated for.
 */
public class PermissibleBase implements Permissible {
    private final ServerOperator opable;
    private final Permissible parent;
    private final List<PermissionAttachment> attachments = new ArrayList<PermissionAttachment>();
    private final Map<String, PermissionAttachmentInfo> permissions = new HashMap<String, PermissionAttachmentInfo>();
    private Boolean calculatedFor;
    private final boolean ownCalculation = ownCalculation(getClass());

    public PermissibleBase(ServerOperator opable) {
        this.opable = opable;
        this.parent = opable instanceof Permissible ? (Permissible) opable : this;
    }

    public boolean isOp() {
        return opable != null && opable.isOp();
    }

    public void setOp(boolean value) {
        if (opable == null) {
            throw new UnsupportedOperationException("Cannot change op value as no ServerOperator is set");
        }
        opable.setOp(value);
        recalculatePermissions();
    }

    private static PluginManager manager() {
        return Bukkit.getServer() == null ? null : Bukkit.getServer().getPluginManager();
    }

    /**
     * Whether the class calculates in a way of its own (a plugin's subclass, such as
     * PermissionsEx's, overriding {@link #recalculatePermissions()}).
     */
    private static boolean ownCalculation(Class<?> c) {
        for (; c != PermissibleBase.class; c = c.getSuperclass()) {
            try {
                c.getDeclaredMethod("recalculatePermissions");
                return true;
            } catch (NoSuchMethodException e) {
                // not here: its superclass
            }
        }
        return false;
    }

    /**
     * Recalculates when the operator status differs from the one calculated for. A class that
     * calculates in its own way is left alone: PermissionsEx's takes a lock of its own to
     * calculate, and a check of its own holds that lock while it asks this class, so calculating
     * from inside a check would wait for itself forever. Such a class calculates when it is
     * made, when an attachment changes and when the holder's operator status changes (the
     * server recalculates an online player whose status it changes), as on Bukkit.
     */
    private synchronized void current() {
        if (ownCalculation) {
            return;
        }
        boolean op = isOp();
        if (calculatedFor == null || calculatedFor.booleanValue() != op) {
            recalculatePermissions();
            calculatedFor = op;
        }
    }

    public synchronized boolean isPermissionSet(String name) {
        if (name == null) {
            throw new IllegalArgumentException("Permission name cannot be null");
        }
        current();
        return permissions.containsKey(name.toLowerCase());
    }

    public boolean isPermissionSet(Permission perm) {
        if (perm == null) {
            throw new IllegalArgumentException("Permission cannot be null");
        }
        return isPermissionSet(perm.getName());
    }

    public synchronized boolean hasPermission(String inName) {
        if (inName == null) {
            throw new IllegalArgumentException("Permission name cannot be null");
        }
        current();
        String name = inName.toLowerCase();
        PermissionAttachmentInfo set = permissions.get(name);
        if (set != null) {
            return set.getValue();
        }
        PluginManager pm = manager();
        Permission perm = pm == null ? null : pm.getPermission(name);
        return (perm != null ? perm.getDefault() : Permission.DEFAULT_PERMISSION).getValue(isOp());
    }

    public synchronized boolean hasPermission(Permission perm) {
        if (perm == null) {
            throw new IllegalArgumentException("Permission cannot be null");
        }
        current();
        PermissionAttachmentInfo set = permissions.get(perm.getName().toLowerCase());
        return set != null ? set.getValue() : perm.getDefault().getValue(isOp());
    }

    public PermissionAttachment addAttachment(Plugin plugin, String name, boolean value) {
        if (name == null) {
            throw new IllegalArgumentException("Permission name cannot be null");
        }
        PermissionAttachment result = addAttachment(plugin);
        result.setPermission(name, value);
        return result;
    }

    public PermissionAttachment addAttachment(Plugin plugin) {
        checkPlugin(plugin);
        PermissionAttachment result = new PermissionAttachment(plugin, parent);
        synchronized (this) {
            attachments.add(result);
        }
        recalculatePermissions();
        return result;
    }

    public PermissionAttachment addAttachment(Plugin plugin, String name, boolean value, int ticks) {
        if (name == null) {
            throw new IllegalArgumentException("Permission name cannot be null");
        }
        PermissionAttachment result = addAttachment(plugin, ticks);
        if (result != null) {
            result.setPermission(name, value);
        }
        return result;
    }

    /** An attachment that removes itself after the given number of ticks; null when that cannot be scheduled. */
    public PermissionAttachment addAttachment(Plugin plugin, int ticks) {
        checkPlugin(plugin);
        final PermissionAttachment result = addAttachment(plugin);
        if (Bukkit.getServer().getScheduler().scheduleSyncDelayedTask(plugin, new Runnable() {
            public void run() {
                result.remove();
            }
        }, ticks) == -1) {
            Bukkit.getServer().getLogger().warning("Could not add PermissionAttachment to " + parent
                    + " for plugin " + plugin.getDescription().getFullName() + ": Scheduler returned -1");
            result.remove();
            return null;
        }
        return result;
    }

    private static void checkPlugin(Plugin plugin) {
        if (plugin == null) {
            throw new IllegalArgumentException("Plugin cannot be null");
        } else if (!plugin.isEnabled()) {
            throw new IllegalArgumentException("Plugin " + plugin.getDescription().getFullName() + " is disabled");
        }
    }

    public void removeAttachment(PermissionAttachment attachment) {
        if (attachment == null) {
            throw new IllegalArgumentException("Attachment cannot be null");
        }
        synchronized (this) {
            if (!attachments.remove(attachment)) {
                throw new IllegalArgumentException("Given attachment is not part of Permissible object " + parent);
            }
        }
        PermissionRemovedExecutor ex = attachment.getRemovalCallback();
        if (ex != null) {
            ex.attachmentRemoved(attachment);
        }
        recalculatePermissions();
    }

    public synchronized void recalculatePermissions() {
        calculate(isOp());
    }

    private void calculate(boolean op) {
        clearPermissions();
        calculatedFor = op;
        PluginManager pm = manager();
        if (pm != null) {
            pm.subscribeToDefaultPerms(op, parent);
            for (Permission perm : pm.getDefaultPermissions(op)) {
                String name = perm.getName().toLowerCase();
                permissions.put(name, new PermissionAttachmentInfo(parent, name, null, true));
                pm.subscribeToPermission(name, parent);
                calculateChildren(pm, perm.getChildren(), false, null, new LinkedHashSet<String>());
            }
        }
        for (PermissionAttachment attachment : attachments) {
            calculateChildren(pm, attachment.getPermissions(), false, attachment, new LinkedHashSet<String>());
        }
    }

    /**
     * Sets the children of a permission or attachment (inverted under a false parent), and
     * theirs: Bukkit's private method, which subclasses of plugins (PermissionsEx) call by
     * reflection under this name and signature.
     */
    private void calculateChildPermissions(Map<String, Boolean> children, boolean invert,
            PermissionAttachment attachment) {
        calculateChildren(manager(), children, invert, attachment, new LinkedHashSet<String>());
    }

    /** Sets the children (inverted under a false parent), and theirs, guarding against circles. */
    private void calculateChildren(PluginManager pm, Map<String, Boolean> children, boolean invert,
            PermissionAttachment attachment, Set<String> path) {
        for (Map.Entry<String, Boolean> child : children.entrySet()) {
            String name = child.getKey().toLowerCase();
            boolean value = child.getValue() ^ invert;
            permissions.put(name, new PermissionAttachmentInfo(parent, name, attachment, value));
            if (pm == null) {
                continue;
            }
            pm.subscribeToPermission(name, parent);
            Permission perm = pm.getPermission(name);
            if (perm != null && path.add(name)) {
                calculateChildren(pm, perm.getChildren(), !value, attachment, path);
                path.remove(name);
            }
        }
    }

    public synchronized void clearPermissions() {
        PluginManager pm = manager();
        if (pm != null) {
            for (String name : permissions.keySet()) {
                pm.unsubscribeFromPermission(name, parent);
            }
            pm.unsubscribeFromDefaultPerms(false, parent);
            pm.unsubscribeFromDefaultPerms(true, parent);
        }
        permissions.clear();
        calculatedFor = null;
    }

    public synchronized Set<PermissionAttachmentInfo> getEffectivePermissions() {
        current();
        return Collections.unmodifiableSet(new LinkedHashSet<PermissionAttachmentInfo>(permissions.values()));
    }
}
