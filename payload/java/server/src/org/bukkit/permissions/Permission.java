package org.bukkit.permissions;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;

import org.bukkit.Bukkit;
import org.bukkit.plugin.PluginManager;

/**
 * A named permission: its description, its default for holders nothing sets it on, and its
 * children, which a holder of this permission gets (true) or loses (false) along with it.
 */
public class Permission {
    public static final PermissionDefault DEFAULT_PERMISSION = PermissionDefault.OP;

    private final String name;
    private final Map<String, Boolean> children = new LinkedHashMap<String, Boolean>();
    private PermissionDefault defaultValue = DEFAULT_PERMISSION;
    private String description;

    public Permission(String name) {
        this(name, null, null, null);
    }

    public Permission(String name, String description) {
        this(name, description, null, null);
    }

    public Permission(String name, PermissionDefault defaultValue) {
        this(name, null, defaultValue, null);
    }

    public Permission(String name, String description, PermissionDefault defaultValue) {
        this(name, description, defaultValue, null);
    }

    public Permission(String name, Map<String, Boolean> children) {
        this(name, null, null, children);
    }

    public Permission(String name, String description, Map<String, Boolean> children) {
        this(name, description, null, children);
    }

    public Permission(String name, PermissionDefault defaultValue, Map<String, Boolean> children) {
        this(name, null, defaultValue, children);
    }

    public Permission(String name, String description, PermissionDefault defaultValue, Map<String, Boolean> children) {
        this.name = name;
        this.description = description == null ? "" : description;
        if (defaultValue != null) {
            this.defaultValue = defaultValue;
        }
        if (children != null) {
            this.children.putAll(children);
        }
        recalculatePermissibles();
    }

    public String getName() {
        return name;
    }

    /** The children by name; changes take effect after {@link #recalculatePermissibles()}. */
    public Map<String, Boolean> getChildren() {
        return children;
    }

    public PermissionDefault getDefault() {
        return defaultValue;
    }

    public void setDefault(PermissionDefault value) {
        if (value == null) {
            throw new IllegalArgumentException("Default value cannot be null");
        }
        defaultValue = value;
        recalculatePermissibles();
    }

    public String getDescription() {
        return description;
    }

    public void setDescription(String value) {
        description = value == null ? "" : value;
    }

    /** The holders that have this permission in effect, as far as they subscribed to it. */
    public Set<Permissible> getPermissibles() {
        return manager().getPermissionSubscriptions(name);
    }

    /** Makes every holder of this permission recalculate, after a change of its default or children. */
    public void recalculatePermissibles() {
        PluginManager pm = managerOrNull();
        if (pm == null) {
            return;
        }
        pm.recalculatePermissionDefaults(this);
        for (Permissible p : pm.getPermissionSubscriptions(name)) {
            p.recalculatePermissions();
        }
    }

    /** Makes this permission a child of the named one (registered if unknown), with the value. */
    public Permission addParent(String name, boolean value) {
        PluginManager pm = manager();
        String lname = name.toLowerCase();
        Permission perm = pm.getPermission(lname);
        if (perm == null) {
            perm = new Permission(lname);
            pm.addPermission(perm);
        }
        addParent(perm, value);
        return perm;
    }

    public void addParent(Permission perm, boolean value) {
        perm.getChildren().put(getName(), value);
        perm.recalculatePermissibles();
    }

    private static PluginManager managerOrNull() {
        return Bukkit.getServer() == null ? null : Bukkit.getServer().getPluginManager();
    }

    private static PluginManager manager() {
        PluginManager pm = managerOrNull();
        if (pm == null) {
            throw new IllegalStateException("No server is running");
        }
        return pm;
    }

    /**
     * The permissions a plugin.yml "permissions:" map declares: name to a map of description,
     * default and children (a child's own map declares it too). A faulty entry is logged and left
     * out, naming the plugin by the error text.
     */
    public static List<Permission> loadPermissions(Map<?, ?> data, String error, PermissionDefault def) {
        List<Permission> result = new ArrayList<Permission>();
        for (Map.Entry<?, ?> entry : data.entrySet()) {
            try {
                result.add(loadPermission(entry.getKey().toString(), (Map<?, ?>) entry.getValue(), def, result));
            } catch (Throwable ex) {
                java.util.logging.Logger.getLogger("Minecraft").log(java.util.logging.Level.SEVERE,
                        String.format(error, entry.getKey()), ex);
            }
        }
        return result;
    }

    public static Permission loadPermission(String name, Map<String, Object> data) {
        return loadPermission(name, data, DEFAULT_PERMISSION, null);
    }

    /** One permission of a "permissions:" map; permissions its children declare go to output. */
    public static Permission loadPermission(String name, Map<?, ?> data, PermissionDefault def,
            List<Permission> output) {
        if (name == null) {
            throw new IllegalArgumentException("Name cannot be null");
        }
        if (data == null) {
            data = new LinkedHashMap<String, Object>();
        }
        String desc = null;
        Map<String, Boolean> children = null;
        Object d = data.get("default");
        if (d != null) {
            PermissionDefault value = PermissionDefault.getByName(d.toString());
            if (value == null) {
                throw new IllegalArgumentException("'default' key contained unknown value");
            }
            def = value;
        }
        Object c = data.get("children");
        if (c != null) {
            if (c instanceof Iterable) {
                children = new LinkedHashMap<String, Boolean>();
                for (Object child : (Iterable<?>) c) {
                    if (child != null) {
                        children.put(child.toString(), Boolean.TRUE);
                    }
                }
            } else if (c instanceof Map) {
                children = extractChildren((Map<?, ?>) c, name, def, output);
            } else {
                throw new IllegalArgumentException("'children' key is of wrong type");
            }
        }
        Object description = data.get("description");
        if (description != null) {
            desc = description.toString();
        }
        return new Permission(name, desc, def, children);
    }

    private static Map<String, Boolean> extractChildren(Map<?, ?> input, String name, PermissionDefault def,
            List<Permission> output) {
        Map<String, Boolean> children = new LinkedHashMap<String, Boolean>();
        for (Map.Entry<?, ?> entry : input.entrySet()) {
            String child = entry.getKey().toString();
            Object value = entry.getValue();
            if (value instanceof Boolean) {
                children.put(child, (Boolean) value);
            } else if (value instanceof Map) {
                Permission perm = loadPermission(child, (Map<?, ?>) value, def, output);
                children.put(perm.getName(), Boolean.TRUE);
                if (output != null) {
                    output.add(perm);
                }
            } else {
                throw new IllegalArgumentException("Child '" + child + "' of " + name
                        + " contains invalid value");
            }
        }
        return children;
    }
}
