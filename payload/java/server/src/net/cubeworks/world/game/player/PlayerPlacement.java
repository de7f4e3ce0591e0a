package net.cubeworks.world.game.player;

import java.util.function.Consumer;
import java.util.function.LongSupplier;
import java.util.function.Supplier;

import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.storage.StoredPlayer;
import net.cubeworks.world.storage.Unavailable;

/**
 * Where a joining player is put (where his kept record says, else at the spawn point) and what his
 * leaving undoes: his bed, his window, his figure in the others' clients, and the columns only he
 * saw; his record is saved as he goes.
 */
public final class PlayerPlacement {
    private final WorldSaver saver;
    private final ColumnCache cache;
    /** The level, read anew each time: loading the world replaces it. */
    private final Supplier<LevelState> level;
    private final LongSupplier currentTick;
    private final Visibility visibility;
    /** What a leaving player gives up above this floor: the bed he lies in, the window he has open. */
    private final Consumer<OnlinePlayer> freeBed;
    private final Consumer<OnlinePlayer> closeWindow;

    public PlayerPlacement(WorldSaver saver, ColumnCache cache, Supplier<LevelState> level, LongSupplier currentTick,
            Visibility visibility, Consumer<OnlinePlayer> freeBed, Consumer<OnlinePlayer> closeWindow) {
        this.saver = saver;
        this.cache = cache;
        this.level = level;
        this.currentTick = currentTick;
        this.visibility = visibility;
        this.freeBed = freeBed;
        this.closeWindow = closeWindow;
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
        p.sent.reset(p, currentTick.getAsLong());
    }

    /** Puts the player at the world's spawn point, looking south. */
    public void toSpawn(OnlinePlayer p) {
        LevelState l = level.get();
        p.x = l.spawnX + 0.5;
        p.y = l.spawnY;
        p.z = l.spawnZ + 0.5;
        p.yaw = 0f;
        p.pitch = 0f;
    }

    /** The player leaves: every client that shows it destroys it, and its record is saved. */
    public void leave(OnlinePlayer p) {
        freeBed.accept(p);
        closeWindow.accept(p);
        visibility.hide(p);
        p.shown.clear();
        saver.savePlayerLater(p, level.get());
        cache.leftBehind(p.known); // let go at the next tick when nobody else sees them
    }
}
