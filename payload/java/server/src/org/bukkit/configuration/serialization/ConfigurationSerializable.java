package org.bukkit.configuration.serialization;

import java.util.Map;

/** An object that can be written to a configuration as a map of its parts, and read back. */
public interface ConfigurationSerializable {
    Map<String, Object> serialize();
}
