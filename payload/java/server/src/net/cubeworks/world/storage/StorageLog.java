package net.cubeworks.world.storage;

/** Where the storage reports what it found wrong on disk; the server sends it to its console. */
public interface StorageLog {
    void warn(String message);
}
