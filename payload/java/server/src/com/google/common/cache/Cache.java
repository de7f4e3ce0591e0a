package com.google.common.cache;

import com.google.common.collect.ImmutableMap;
import java.util.Map;
import java.util.concurrent.Callable;
import java.util.concurrent.ConcurrentMap;
import java.util.concurrent.ExecutionException;

/**
 * Guava's cache interface as the bundled Guava declares it, plus the three loading members it
 * had in Guava 10, the version the 1.7 servers carried. Plugins of that time were compiled
 * against Guava 10, where a cache built with a loader was a plain {@code Cache} and was read with
 * {@code get(key)}; their calls name this interface, so without these members they fail with
 * NoSuchMethodError on the newer Guava. This class replaces Guava's own in the server jar; the
 * members added delegate to {@link LoadingCache}, which every cache built with a loader is.
 */
public interface Cache<K, V> {
    V getIfPresent(Object key);

    V get(K key, Callable<? extends V> loader) throws ExecutionException;

    ImmutableMap<K, V> getAllPresent(Iterable<? extends Object> keys);

    void put(K key, V value);

    void putAll(Map<? extends K, ? extends V> entries);

    void invalidate(Object key);

    void invalidateAll(Iterable<? extends Object> keys);

    void invalidateAll();

    long size();

    CacheStats stats();

    ConcurrentMap<K, V> asMap();

    void cleanUp();

    /** Guava 10: the value for the key, loaded if absent. Only a cache built with a loader has one. */
    @SuppressWarnings("unchecked")
    default V get(K key) throws ExecutionException {
        if (!(this instanceof LoadingCache)) {
            throw new UnsupportedOperationException("this cache was built without a loader");
        }
        return ((LoadingCache<K, V>) this).get(key);
    }

    /** Guava 10: as {@link #get(Object)}, with a failure of the loader unchecked. */
    @SuppressWarnings("unchecked")
    default V getUnchecked(K key) {
        if (!(this instanceof LoadingCache)) {
            throw new UnsupportedOperationException("this cache was built without a loader");
        }
        return ((LoadingCache<K, V>) this).getUnchecked(key);
    }

    /** Guava 10: a cache was a function of its keys. */
    default V apply(K key) {
        return getUnchecked(key);
    }
}
