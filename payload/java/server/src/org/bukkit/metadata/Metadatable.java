package org.bukkit.metadata;

import java.util.List;
import org.bukkit.plugin.Plugin;

public interface Metadatable {
    List<MetadataValue> getMetadata(String metadataKey);
    boolean hasMetadata(String metadataKey);
    void removeMetadata(String metadataKey, Plugin plugin);
    void setMetadata(String metadataKey, MetadataValue metadataValue);
}
