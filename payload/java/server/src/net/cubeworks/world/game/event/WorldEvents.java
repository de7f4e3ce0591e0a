package net.cubeworks.world.game.event;

import java.util.List;

import org.bukkit.World;
import org.bukkit.event.world.ChunkLoadEvent;
import org.bukkit.event.world.ChunkUnloadEvent;
import org.bukkit.event.world.WorldSaveEvent;

import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.ColumnKey;

/**
 * The plugins' view of the world's own doings: saving, and columns coming into memory and
 * leaving it. Columns come and go all the time, so their events are made only while a plugin
 * listens.
 */
public final class WorldEvents {
    /** What the column cache asks before it lets a column go. */
    public interface UnloadCheck {
        /** Whether anything is asked at all; false lets every column go unasked. */
        boolean active();

        /** False when the column must stay in memory. */
        boolean mayUnload(long key);
    }

    private WorldEvents() {
    }

    /** Whether a plugin listens to columns loading: only then does the cache note them. */
    public static boolean watchingLoads() {
        return ChunkLoadEvent.getHandlerList().getRegisteredListeners().length > 0;
    }

    /** On the game thread: the columns taken into the world since the last tick, {key, 1 if newly made}. */
    public static void chunksLoaded(GameHost host, World api, List<long[]> loaded) {
        if (loaded.isEmpty() || !watchingLoads()) {
            return;
        }
        for (long[] l : loaded) {
            host.callEvent(new ChunkLoadEvent(api.getChunkAt(ColumnKey.x(l[0]), ColumnKey.z(l[0])), l[1] != 0));
        }
    }

    /** The check that asks the plugins whether a column may leave memory; cancelled, it stays. */
    public static UnloadCheck unloads(final GameHost host, final World world) {
        return new UnloadCheck() {
            public boolean active() {
                return ChunkUnloadEvent.getHandlerList().getRegisteredListeners().length > 0;
            }

            public boolean mayUnload(long key) {
                ChunkUnloadEvent event = new ChunkUnloadEvent(
                        world.getChunkAt(ColumnKey.x(key), ColumnKey.z(key)));
                host.callEvent(event);
                return !event.isCancelled();
            }
        };
    }

    /** Before the world is saved (the autosave, save-all, a plugin's save, the last save). */
    public static void saving(GameHost host, World world) {
        if (WorldSaveEvent.getHandlerList().getRegisteredListeners().length == 0 || world == null) {
            return;
        }
        host.callEvent(new WorldSaveEvent(world));
    }
}
