package net.cubeworks.world.game.api;

import java.util.function.Supplier;

import net.cubeworks.world.storage.StoredScoreboard;
import net.cubeworks.world.storage.Unavailable;

/** Where the world keeps its main scoreboard (data/scoreboard.dat), read once and written at each save. */
public interface BoardFile {
    /** The kept board, or null where the world has none yet. */
    StoredScoreboard load() throws Unavailable;

    /** What each save from now on writes of the main board (the supplier's null: nothing). */
    void saveWith(Supplier<StoredScoreboard> snapshot);
}
