package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;

import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;

/**
 * The values plugins attach to one entity, kept while it lives: under each key one value per
 * plugin (a plugin's new value takes the place of its old one), as Bukkit's metadata stores keep
 * them. Most entities never get any: the map is made with the first value.
 */
public final class PluginMetadata {
    private Map<String, List<MetadataValue>> values;

    public synchronized void set(String key, MetadataValue value) {
        if (values == null) {
            values = new HashMap<String, List<MetadataValue>>();
        }
        List<MetadataValue> list = values.get(key);
        if (list == null) {
            list = new ArrayList<MetadataValue>();
            values.put(key, list);
        }
        for (int i = 0; i < list.size(); i++) {
            if (list.get(i).getOwningPlugin() == value.getOwningPlugin()) {
                list.set(i, value);
                return;
            }
        }
        list.add(value);
    }

    public synchronized List<MetadataValue> get(String key) {
        List<MetadataValue> list = values == null ? null : values.get(key);
        return list == null ? Collections.<MetadataValue>emptyList() : new ArrayList<MetadataValue>(list);
    }

    public synchronized boolean has(String key) {
        return values != null && values.containsKey(key);
    }

    public synchronized void remove(String key, Plugin owner) {
        List<MetadataValue> list = values == null ? null : values.get(key);
        if (list == null) {
            return;
        }
        for (Iterator<MetadataValue> it = list.iterator(); it.hasNext();) {
            if (it.next().getOwningPlugin() == owner) {
                it.remove();
            }
        }
        if (list.isEmpty()) {
            values.remove(key);
        }
    }
}
