package net.cubeworks.world.game.world;

import net.cubeworks.world.game.event.WorldEvents;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.util.HeapWatch;

/**
 * What stays in memory though no player sees it: the area around the spawn, while the heap has
 * room for it (every joining player is sent it at once), and what plugins refuse to let go.
 */
public final class ColumnKeeping {
    /** The area kept around the spawn (centre and radius in columns; radius -1: none). */
    private volatile int spawnX;
    private volatile int spawnZ;
    private volatile int spawnRadius = -1;
    private volatile boolean keepSpawn = true;
    /** What is asked before a column leaves memory; null lets every column go. */
    private volatile WorldEvents.UnloadCheck unloadCheck;

    public void setUnloadCheck(WorldEvents.UnloadCheck check) {
        unloadCheck = check;
    }

    /** The check to ask before a column goes, or null while nothing listens (every column may go). */
    WorldEvents.UnloadCheck activeCheck() {
        WorldEvents.UnloadCheck check = unloadCheck;
        return check != null && check.active() ? check : null;
    }

    /**
     * Keeps the columns within the radius of the spawn column in memory while the heap has room,
     * so that a joining player is sent them at once (see {@link #setKeepSpawn}).
     */
    public void keepAround(int cx, int cz, int radius) {
        spawnX = cx;
        spawnZ = cz;
        spawnRadius = radius;
    }

    public void setKeepSpawn(boolean keep) {
        keepSpawn = keep;
    }

    public boolean keepsSpawn() {
        return keepSpawn;
    }

    /**
     * Whether the spawn area is kept now: unless the heap is short of room (more than
     * {@link HeapWatch#HIGH} in use, or land waited for room a moment ago). Asked once a sweep.
     */
    boolean keepingSpawn() {
        return keepSpawn && spawnRadius >= 0 && !HeapWatch.pressed() && !HeapWatch.above(HeapWatch.HIGH);
    }

    /** Whether the column is in the spawn area (kept or not). */
    boolean inSpawnArea(long k) {
        return spawnRadius >= 0 && atSpawn(k);
    }

    boolean atSpawn(long k) {
        return Math.abs(ColumnKey.x(k) - spawnX) <= spawnRadius && Math.abs(ColumnKey.z(k) - spawnZ) <= spawnRadius;
    }
}
