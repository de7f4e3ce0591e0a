package org.bukkit.permissions;

import java.util.HashMap;
import java.util.Map;

/** Who has a permission that nothing sets explicitly. */
public enum PermissionDefault {
    TRUE("true"),
    FALSE("false"),
    OP("op", "isop", "operator", "isoperator", "admin", "isadmin"),
    NOT_OP("!op", "notop", "!operator", "notoperator", "!admin", "notadmin");

    private static final Map<String, PermissionDefault> LOOKUP = new HashMap<String, PermissionDefault>();

    static {
        for (PermissionDefault value : values()) {
            for (String name : value.names) {
                LOOKUP.put(name, value);
            }
        }
    }

    private final String[] names;

    PermissionDefault(String... names) {
        this.names = names;
    }

    /** Whether a holder who is (or is not) an operator has the permission by this default. */
    public boolean getValue(boolean op) {
        switch (this) {
            case TRUE:
                return true;
            case FALSE:
                return false;
            case OP:
                return op;
            case NOT_OP:
                return !op;
            default:
                return false;
        }
    }

    /** The default a plugin.yml word names ("op", "!op", "true", "notop", ...), or null. */
    public static PermissionDefault getByName(String name) {
        return LOOKUP.get(name.toLowerCase().replaceAll("[^a-z!]", ""));
    }

    @Override
    public String toString() {
        return names[0];
    }
}
