package org.bukkit.metadata;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.Iterator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.plugin.Plugin;

/**
 * Metadata of many subjects, kept under a key that a subclass makes from the subject and the
 * metadata name; each key holds at most one value per plugin.
 */
public abstract class MetadataStoreBase<T> {
    private final Map<String, Map<Plugin, MetadataValue>> metadataMap = new HashMap<String, Map<Plugin, MetadataValue>>();

    /** Sets the value of the value's plugin under that subject and name, replacing that plugin's earlier one. */
    public synchronized void setMetadata(T subject, String metadataKey, MetadataValue newMetadataValue) {
        if (newMetadataValue == null) {
            throw new IllegalArgumentException("metadata value");
        }
        Plugin owningPlugin = newMetadataValue.getOwningPlugin();
        if (owningPlugin == null) {
            throw new IllegalArgumentException("the metadata value has no owning plugin");
        }
        String key = disambiguate(subject, metadataKey);
        Map<Plugin, MetadataValue> entry = metadataMap.get(key);
        if (entry == null) {
            entry = new LinkedHashMap<Plugin, MetadataValue>(1);
            metadataMap.put(key, entry);
        }
        entry.put(owningPlugin, newMetadataValue);
    }

    /** Every plugin's value under that subject and name, in the order they were first set. */
    public synchronized List<MetadataValue> getMetadata(T subject, String metadataKey) {
        Map<Plugin, MetadataValue> entry = metadataMap.get(disambiguate(subject, metadataKey));
        if (entry == null) {
            return Collections.emptyList();
        }
        return Collections.unmodifiableList(new ArrayList<MetadataValue>(entry.values()));
    }

    public synchronized boolean hasMetadata(T subject, String metadataKey) {
        return metadataMap.containsKey(disambiguate(subject, metadataKey));
    }

    /** Removes that plugin's value under that subject and name. */
    public synchronized void removeMetadata(T subject, String metadataKey, Plugin owningPlugin) {
        if (owningPlugin == null) {
            throw new IllegalArgumentException("owning plugin");
        }
        String key = disambiguate(subject, metadataKey);
        Map<Plugin, MetadataValue> entry = metadataMap.get(key);
        if (entry == null) {
            return;
        }
        entry.remove(owningPlugin);
        if (entry.isEmpty()) {
            metadataMap.remove(key);
        }
    }

    /** Invalidates every value that plugin set, so that lazy ones compute again. */
    public synchronized void invalidateAll(Plugin owningPlugin) {
        if (owningPlugin == null) {
            throw new IllegalArgumentException("owning plugin");
        }
        for (Map<Plugin, MetadataValue> values : metadataMap.values()) {
            MetadataValue value = values.get(owningPlugin);
            if (value != null) {
                value.invalidate();
            }
        }
    }

    /**
     * Removes every value that plugin set; the server calls this when the plugin is disabled, so
     * that its values (and the classes they hold) go with it.
     */
    public synchronized void removeAll(Plugin owningPlugin) {
        for (Iterator<Map<Plugin, MetadataValue>> it = metadataMap.values().iterator(); it.hasNext();) {
            Map<Plugin, MetadataValue> values = it.next();
            values.remove(owningPlugin);
            if (values.isEmpty()) {
                it.remove();
            }
        }
    }

    /** The key a subject's metadata of that name is kept under; unique per subject. */
    protected abstract String disambiguate(T subject, String metadataKey);
}
