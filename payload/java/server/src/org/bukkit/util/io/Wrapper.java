package org.bukkit.util.io;

import java.io.Serializable;
import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.configuration.serialization.ConfigurationSerialization;

/**
 * A configuration-serializable value in a Java object stream: its map (with its kind under
 * the serialization's type key), made back into the value when read.
 */
final class Wrapper<T extends Map<String, ?> & Serializable> implements Serializable {
    private static final long serialVersionUID = -986209235411767547L;

    final T map;

    private Wrapper(T map) {
        this.map = map;
    }

    static Wrapper<LinkedHashMap<String, Object>> of(ConfigurationSerializable obj) {
        LinkedHashMap<String, Object> map = new LinkedHashMap<String, Object>();
        map.put(ConfigurationSerialization.SERIALIZED_TYPE_KEY, ConfigurationSerialization.getAlias(obj.getClass()));
        map.putAll(obj.serialize());
        return new Wrapper<LinkedHashMap<String, Object>>(map);
    }

    @SuppressWarnings("unchecked")
    ConfigurationSerializable value() {
        return ConfigurationSerialization.deserializeObject((Map<String, ?>) map);
    }
}
