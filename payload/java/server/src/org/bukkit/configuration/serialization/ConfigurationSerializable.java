package org.bukkit.configuration.serialization;

import java.util.Map;

/**
 * An object a configuration can store. Besides serialize(), a class implementing this gives one
 * way back from the map: a static deserialize(Map), a static valueOf(Map) or a constructor taking
 * the Map, and is registered with {@link ConfigurationSerialization#registerClass(Class)}.
 */
public interface ConfigurationSerializable {
    Map<String, Object> serialize();
}
