package org.bukkit.metadata;

import java.lang.ref.SoftReference;
import java.util.concurrent.Callable;

import org.bukkit.plugin.Plugin;

/**
 * A metadata value computed when read, by a plugin's callable; it may be kept after the first
 * computation, recomputed on every read, or kept even through {@link #invalidate()}.
 */
public class LazyMetadataValue extends MetadataValueAdapter implements MetadataValue {
    /** When a computed value is kept. */
    public enum CacheStrategy {
        /** Kept after the first read until invalidated. */
        CACHE_AFTER_FIRST_EVAL,
        /** Computed again on every read. */
        NEVER_CACHE,
        /** Kept after the first read; invalidation leaves it. */
        CACHE_ETERNALLY
    }

    private static final Object NULL_VALUE = new Object();

    private Callable<Object> lazyValue;
    private CacheStrategy cacheStrategy;
    private SoftReference<Object> internalValue;

    public LazyMetadataValue(Plugin owningPlugin, Callable<Object> lazyValue) {
        this(owningPlugin, CacheStrategy.CACHE_AFTER_FIRST_EVAL, lazyValue);
    }

    public LazyMetadataValue(Plugin owningPlugin, CacheStrategy cacheStrategy, Callable<Object> lazyValue) {
        super(owningPlugin);
        if (cacheStrategy == null) {
            throw new IllegalArgumentException("cache strategy");
        }
        if (lazyValue == null) {
            throw new IllegalArgumentException("lazy value");
        }
        this.cacheStrategy = cacheStrategy;
        this.lazyValue = lazyValue;
    }

    /** For a subclass that provides {@link #value()} itself. */
    protected LazyMetadataValue(Plugin owningPlugin) {
        super(owningPlugin);
    }

    /** The value, computed now if it is not kept; a failing callable throws {@link MetadataEvaluationException}. */
    public Object value() {
        Object value;
        synchronized (this) {
            value = internalValue == null ? null : internalValue.get();
            if (value == null || cacheStrategy == CacheStrategy.NEVER_CACHE) {
                try {
                    value = lazyValue.call();
                } catch (Exception e) {
                    throw new MetadataEvaluationException(e);
                }
                if (value == null) {
                    value = NULL_VALUE;
                }
                internalValue = new SoftReference<Object>(value);
            }
        }
        return value == NULL_VALUE ? null : value;
    }

    /** Drops a kept value so that the next read computes it again (not for CACHE_ETERNALLY). */
    public synchronized void invalidate() {
        if (cacheStrategy != CacheStrategy.CACHE_ETERNALLY) {
            internalValue = null;
        }
    }
}
