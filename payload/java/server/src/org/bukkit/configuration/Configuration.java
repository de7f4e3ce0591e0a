package org.bukkit.configuration;

import java.util.Map;

/** A root configuration section with an optional set of defaults. */
public interface Configuration extends ConfigurationSection {
    void addDefault(String path, Object value);

    void addDefaults(Map<String, Object> defaults);

    void addDefaults(Configuration defaults);

    void setDefaults(Configuration defaults);

    Configuration getDefaults();

    ConfigurationOptions options();
}
