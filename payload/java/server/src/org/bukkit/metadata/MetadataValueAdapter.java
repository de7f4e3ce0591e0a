package org.bukkit.metadata;

import java.lang.ref.WeakReference;

import org.bukkit.plugin.Plugin;

/**
 * The conversions of a metadata value from its raw {@link #value()}: numbers convert to any
 * number type, strings are parsed, and anything else reads as zero or false.
 */
public abstract class MetadataValueAdapter implements MetadataValue {
    /** The plugin that set the value; weak, so that a value does not keep a disabled plugin alive. */
    protected final WeakReference<Plugin> owningPlugin;

    protected MetadataValueAdapter(Plugin owningPlugin) {
        if (owningPlugin == null) {
            throw new IllegalArgumentException("owning plugin");
        }
        this.owningPlugin = new WeakReference<Plugin>(owningPlugin);
    }

    public Plugin getOwningPlugin() {
        return owningPlugin.get();
    }

    public int asInt() {
        return (int) asDouble();
    }

    public float asFloat() {
        return (float) asDouble();
    }

    public double asDouble() {
        Object value = value();
        if (value instanceof Number) {
            return ((Number) value).doubleValue();
        }
        if (value instanceof Boolean) {
            return (Boolean) value ? 1 : 0;
        }
        if (value instanceof String) {
            try {
                return Double.parseDouble(((String) value).trim());
            } catch (NumberFormatException notANumber) {
                return 0;
            }
        }
        return 0;
    }

    public long asLong() {
        Object value = value();
        if (value instanceof Number) {
            return ((Number) value).longValue();
        }
        if (value instanceof String) {
            try {
                return Long.parseLong(((String) value).trim());
            } catch (NumberFormatException notALong) {
                return (long) asDouble();
            }
        }
        return (long) asDouble();
    }

    public short asShort() {
        return (short) asLong();
    }

    public byte asByte() {
        return (byte) asLong();
    }

    public boolean asBoolean() {
        Object value = value();
        if (value instanceof Boolean) {
            return (Boolean) value;
        }
        if (value instanceof Number) {
            return ((Number) value).intValue() != 0;
        }
        if (value instanceof String) {
            return Boolean.parseBoolean((String) value);
        }
        return value != null;
    }

    public String asString() {
        Object value = value();
        return value == null ? "" : value.toString();
    }
}
