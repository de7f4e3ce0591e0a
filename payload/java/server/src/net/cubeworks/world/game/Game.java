package net.cubeworks.world.game;

import java.util.logging.Logger;

import org.bukkit.scoreboard.Scoreboard;

import net.cubeworks.world.game.api.ApiScoreboardManager;
import net.cubeworks.world.game.api.BoardAudience;
import net.cubeworks.world.game.api.MetadataStores;
import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.PotionKinds;
import net.cubeworks.world.game.player.ChatHandler;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerGame;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/**
 * The game's parts, made and wired once: the world lock and the one thread that changes
 * game state, the players, the world and what players type. The floors above start it,
 * hand it work through {@link #thread()} and stop it.
 */
public final class Game {
    public static final String SHUTDOWN_MESSAGE = "Server closed";

    private final Object lock = new Object();
    private final Logger logger;
    private final ServerProperties properties;
    private final AccessLists access;
    private final GameHost host;
    private final GameThread thread;
    private final Entities entities = new Entities();
    private final PlayerLink playerLink = new PlayerLink(this);
    private final Players players;
    private final GameWorld world;
    private final ChatHandler chat;
    private final MetadataStores metadata = new MetadataStores();
    private volatile boolean stopping;
    /** The difficulty now: difficulty= of server.properties, until /difficulty or a plugin changes it. */
    private volatile int difficulty;
    /** Minutes a player may do nothing before he is kicked; 0: never (player-idle-timeout). */
    private volatile int idleTimeout;

    public Game(Logger logger, ServerProperties properties, AccessLists access, GameHost host, WorldStore store) {
        PotionKinds.register();
        this.logger = logger;
        this.properties = properties;
        this.difficulty = properties.difficulty();
        this.idleTimeout = Math.max(0, properties.getInt("player-idle-timeout", 0));
        this.access = access;
        this.host = host;
        this.thread = new GameThread(lock, logger);
        this.players = new Players(lock, host, access, logger, properties.gamemode(), entities, this::isStopping,
                p -> world().placement().leave(p));
        this.chat = new ChatHandler(lock, players, host, logger);
        this.world = new GameWorld(this, store, properties.viewDistance());
    }

    /** The difficulty, 0 (peaceful) to 3 (hard). */
    public int difficulty() {
        return difficulty;
    }

    /** Sets the difficulty the game plays by from now on (clients see it at their next join or respawn). */
    public void setDifficulty(int value) {
        difficulty = Math.max(0, Math.min(3, value));
    }

    public int idleTimeout() {
        return idleTimeout;
    }

    public void setIdleTimeout(int minutes) {
        idleTimeout = Math.max(0, minutes);
    }

    /** Starts the world's tick on the game thread. */
    public void start() {
        world.start();
        thread.start();
    }

    /** The lock every change of game state holds: the game thread while it works, others for a moment. */
    public Object lock() {
        return lock;
    }

    public Logger logger() {
        return logger;
    }

    public ServerProperties properties() {
        return properties;
    }

    public AccessLists access() {
        return access;
    }

    public GameHost host() {
        return host;
    }

    public GameThread thread() {
        return thread;
    }

    /** Every entity in the world, players included, and the allocator of their ids. */
    public Entities entities() {
        return entities;
    }

    public Players players() {
        return players;
    }

    public GameWorld world() {
        return world;
    }

    public ChatHandler chat() {
        return chat;
    }

    public boolean isStopping() {
        return stopping;
    }

    /** From now on logins are refused and leaving players fire no events. */
    public void markStopping() {
        stopping = true;
    }

    /** The metadata plugins attach to players, worlds and blocks. */
    /** The game as its players see it, for each player made. */
    public PlayerGame playerGame() {
        return playerLink;
    }

    public MetadataStores metadata() {
        return metadata;
    }

    private volatile ApiScoreboardManager scoreboards;

    /** The scoreboards, made on first use (the API's server exists by then). */
    public ApiScoreboardManager scoreboards() {
        ApiScoreboardManager m = scoreboards;
        if (m == null) {
            synchronized (this) {
                if (scoreboards == null) {
                    scoreboards = new ApiScoreboardManager(host.api(), logger, world == null ? null : world.scoreboardFile(),
                            new BoardAudience() {
                                public void sendToViewersOf(Scoreboard board, byte[] frame) {
                                    for (OnlinePlayer p : players.inJoinOrder()) {
                                        if (p.getScoreboard() == board) {
                                            p.connection().sendFrame(frame);
                                        }
                                    }
                                }
                            });
                }
                m = scoreboards;
            }
        }
        return m;
    }
}
