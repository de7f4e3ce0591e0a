package org.bukkit.event.world;

import org.bukkit.Chunk;

/**
 * An event about one chunk column.
 */
public abstract class ChunkEvent extends WorldEvent {
    protected final Chunk chunk;

    protected ChunkEvent(final Chunk chunk) {
        super(chunk.getWorld());
        this.chunk = chunk;
    }

    public Chunk getChunk() {
        return chunk;
    }
}
