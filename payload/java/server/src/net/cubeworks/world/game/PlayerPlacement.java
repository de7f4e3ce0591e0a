package net.cubeworks.world.game;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerRecords;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.Unavailable;
import net.cubeworks.world.game.player.WorldSaver;

/**
 * Where a joining player is put (where his kept record says, else at the spawn point) and what his
 * leaving undoes: his bed, his window, his figure in the others' clients, and the columns only he
 * saw; his record is saved as he goes.
 */
public final class PlayerPlacement {
    private final GameWorld world;
    private final WorldSaver saver;
    private final ColumnCache cache;

    PlayerPlacement(GameWorld world, WorldSaver saver, ColumnCache cache) {
        this.world = world;
        this.saver = saver;
        this.cache = cache;
    }

    /**
     * Puts a joining player in: from its kept record, or new at the spawn point. A player whose
     * column cannot be read starts at the spawn. Throws Unavailable, changing nothing, when the
     * player's kept record cannot be read: the player must not be played (and saved) as new.
     */
    public void place(OnlinePlayer p) throws Unavailable {
        StoredPlayer s = saver.loadPlayer(p.getName());
        p.hadRecord = s != null;
        if (s == null || !PlayerRecords.apply(s, p)) {
            toSpawn(p); // new, or at a position no client could stand at
        }
        try {
            cache.resolve(ColumnKey.chunk(p.x), ColumnKey.chunk(p.z));
        } catch (Unavailable e) {
            toSpawn(p);
        }
        p.sent.reset(p, world.currentTick());
    }

    /** Puts the player at the world's spawn point, looking south. */
    void toSpawn(OnlinePlayer p) {
        p.x = world.level().spawnX + 0.5;
        p.y = world.level().spawnY;
        p.z = world.level().spawnZ + 0.5;
        p.yaw = 0f;
        p.pitch = 0f;
    }

    /** The player leaves: every client that shows it destroys it, and its record is saved. */
    void leave(OnlinePlayer p) {
        world.beds().wake(p, true, false); // his bed is free again
        world.windows().leave(p);
        world.visibility().hide(p);
        p.shown.clear();
        saver.savePlayerLater(p, world.level());
        cache.leftBehind(p.known); // let go at the next tick when nobody else sees them
    }
}
