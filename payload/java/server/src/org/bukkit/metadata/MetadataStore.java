package org.bukkit.metadata;

import java.util.List;
import org.bukkit.plugin.Plugin;

public interface MetadataStore<T>  {
    List<MetadataValue> getMetadata(T subject, String metadataKey);
    boolean hasMetadata(T subject, String metadataKey);
    void invalidateAll(Plugin plugin);
    void removeMetadata(T subject, String metadataKey, Plugin plugin);
    void setMetadata(T subject, String metadataKey, MetadataValue metadataValue);
}
