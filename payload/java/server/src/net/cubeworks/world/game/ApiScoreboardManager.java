package net.cubeworks.world.game;

import java.util.Collections;
import java.util.Set;
import java.util.WeakHashMap;

import org.bukkit.Server;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.scoreboard.ScoreboardManager;

/**
 * The server's scoreboards: the main one every player starts with, and the new ones plugins
 * make, all kept in memory for the session and shown to the players who see them. Which board a
 * player sees is kept on the player.
 */
public final class ApiScoreboardManager implements ScoreboardManager {
    private final Server server;
    private final Game game;
    private volatile ApiScoreboard main;
    /** The boards made here, so that a board from elsewhere can be refused. */
    private final Set<Scoreboard> made = Collections.synchronizedSet(
            Collections.newSetFromMap(new WeakHashMap<Scoreboard, Boolean>()));

    ApiScoreboardManager(Server server, Game game) {
        this.server = server;
        this.game = game;
    }

    /** Tells a client that joins what the main board has, if anything was put on it. */
    void sendMainTo(OnlinePlayer p) {
        ApiScoreboard m = main;
        if (m != null) {
            for (net.cubeworks.world.protocol.PacketOut packet : m.wholeBoard()) {
                p.connection().send(packet);
            }
        }
    }

    public Scoreboard getMainScoreboard() {
        ApiScoreboard m = main;
        if (m == null) {
            synchronized (this) {
                if (main == null) {
                    main = new ApiScoreboard(server, game);
                    made.add(main);
                }
                m = main;
            }
        }
        return m;
    }

    public Scoreboard getNewScoreboard() {
        ApiScoreboard b = new ApiScoreboard(server, game);
        made.add(b);
        return b;
    }

    boolean madeHere(Scoreboard board) {
        return made.contains(board);
    }
}
