package org.bukkit.metadata;

import java.util.concurrent.Callable;

import org.bukkit.plugin.Plugin;

/** A metadata value that is simply the object given; invalidation changes nothing. */
public class FixedMetadataValue extends LazyMetadataValue {
    private final Object internalValue;

    public FixedMetadataValue(Plugin owningPlugin, final Object value) {
        super(owningPlugin, CacheStrategy.CACHE_ETERNALLY, new Callable<Object>() {
            public Object call() {
                return value;
            }
        });
        this.internalValue = value;
    }

    @Override
    public void invalidate() {
    }

    @Override
    public Object value() {
        return internalValue;
    }
}
