package org.bukkit.metadata;

import org.bukkit.plugin.Plugin;

public interface MetadataValue {
    boolean asBoolean();
    byte asByte();
    double asDouble();
    float asFloat();
    int asInt();
    long asLong();
    short asShort();
    String asString();
    Plugin getOwningPlugin();
    void invalidate();
    Object value();
}
