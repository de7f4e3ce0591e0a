package net.cubeworks.world.game.player;

import net.cubeworks.world.game.entity.ColumnEntities;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.Viewer;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.storage.Unavailable;

/** The world's columns as the entities kept with them need them. */
public final class HeldColumns implements ColumnEntities.Columns {
    private final ColumnCache cache;
    private final Players players;

    public HeldColumns(ColumnCache cache, Players players) {
        this.cache = cache;
        this.players = players;
    }

    public Column held(long key) {
        return cache.held(key);
    }

    public Column hold(int cx, int cz) {
        try {
            return cache.hold(cx, cz);
        } catch (Unavailable e) {
            return null;
        }
    }

    public void changed(long key) {
        cache.changed(key);
    }

    public boolean seen(long key) {
        return Viewer.anySees(players.inJoinOrder(), key);
    }
}
