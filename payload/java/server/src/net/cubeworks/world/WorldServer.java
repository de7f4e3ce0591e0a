package net.cubeworks.world;

import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.file.Files;
import java.security.GeneralSecurityException;
import java.util.Locale;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.Bukkit;
import org.bukkit.GameMode;
import org.bukkit.Server;

import net.cubeworks.world.console.ConsoleHandler;
import net.cubeworks.world.console.ConsoleOutput;
import net.cubeworks.world.console.LoggerOutputStream;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.LoginSecurity;
import net.cubeworks.world.net.NetworkListener;
import net.cubeworks.world.util.Base64;

/**
 * The game server: start-up, the console and shutdown, and the parts that hold the game
 * state (online players, operators and bans, commands, plugins). All game state is guarded
 * by one lock, {@link #lock}; sending to a client only queues a packet, so it is safe while
 * holding the lock. Plugins see the server through {@link #api()}.
 */
public final class WorldServer {
    public static final String MINECRAFT_VERSION = "1.7.2";
    public static final String API_VERSION = "1.7.2-R0.3";
    public static final String SERVER_NAME = "Cubeworks-World";
    public static final String SERVER_VERSION = "1.0 (MC: " + MINECRAFT_VERSION + ")";
    static final String SHUTDOWN_MESSAGE = "Server closed";

    final Object lock = new Object();
    private final ConsoleOutput console;
    private final Logger logger;
    private final ConsoleSender consoleSender;
    private final long startNanos;
    private final BukkitServer api = new BukkitServer(this);
    private final Players players = new Players(this);
    private final AccessLists access = new AccessLists(this);
    private final CommandRegistry commands = new CommandRegistry(this);
    private final ChatHandler chat = new ChatHandler(this);
    private final LoginHandler logins = new LoginHandler(this);
    private volatile ServerProperties props = ServerProperties.defaults();
    private GameWorld world;
    private PluginHost pluginManager;
    private TaskScheduler scheduler;
    private NetworkListener network;
    private volatile GameMode defaultMode = GameMode.SURVIVAL;
    private volatile String favicon;
    private volatile boolean stopping;

    public WorldServer(ConsoleOutput console, long startNanos) {
        this.console = console;
        this.startNanos = startNanos;
        this.logger = Logger.getLogger("Minecraft");
        logger.setUseParentHandlers(false);
        for (java.util.logging.Handler h : logger.getHandlers()) {
            logger.removeHandler(h);
        }
        logger.addHandler(new ConsoleHandler(console));
        logger.setLevel(Level.INFO);
        this.consoleSender = new ConsoleSender(this);
    }

    /** Routes System.out and System.err through the log, as plugins print there. */
    public void captureStandardStreams() {
        try {
            System.setOut(new PrintStream(new LoggerOutputStream(logger, Level.INFO, console.charset()), true,
                    console.charset().name()));
            System.setErr(new PrintStream(new LoggerOutputStream(logger, Level.WARNING, console.charset()), true,
                    console.charset().name()));
        } catch (java.io.UnsupportedEncodingException ex) {
            logger.warning("Could not redirect standard output: " + ex);
        }
    }

    /** A file in the working directory, where the server keeps all its files. */
    static File file(String name) {
        return new File(name);
    }

    /**
     * Starts up to the "Done" line. Returns false when the port cannot be bound; the
     * warning lines have been printed then.
     */
    public boolean start() {
        logger.info("Starting minecraft server version " + MINECRAFT_VERSION);
        if (Runtime.getRuntime().maxMemory() / 1024L / 1024L < 512L) {
            logger.warning("To start the server with more ram, launch it as \"java -Xmx1024M -Xms1024M -jar "
                    + "Cubeworks-World.jar\"");
        }
        logger.info("Loading properties");
        props = ServerProperties.load(file("server.properties"), logger);
        defaultMode = GameMode.getByValue(props.gamemode());
        logger.info("Default game type: " + defaultMode.name());
        logger.info("Generating keypair");
        LoginSecurity security = null;
        if (props.onlineMode()) {
            try {
                security = LoginSecurity.fromSystemProperties();
            } catch (GeneralSecurityException ex) {
                // without keys nobody could be verified: refuse to run open instead
                logger.log(Level.SEVERE, "Could not generate the key pair for online mode", ex);
                return false;
            }
        }
        String ip = props.serverIp();
        int port = props.serverPort();
        if (port < 0) {
            logger.severe("The server-port in server.properties, \"" + props.serverPortText()
                    + "\", is not a port: it must be a whole number from 1 to 65535");
            return false;
        }
        logger.info("Starting Minecraft server on " + (ip.length() == 0 ? "*" : ip) + ":" + port);
        try {
            network = new NetworkListener(logins, ip, port, security);
        } catch (IOException ex) {
            logger.warning("**** FAILED TO BIND TO PORT!");
            logger.warning("The exception was: " + ex.toString());
            logger.warning("Perhaps a server is already running on that port?");
            return false;
        }
        if (!props.onlineMode()) {
            logger.warning("**** SERVER IS RUNNING IN OFFLINE/INSECURE MODE!");
            logger.warning("The server will make no attempt to authenticate usernames. Beware.");
            logger.warning("While this makes the game possible to play without internet access, it also opens up "
                    + "the ability for hackers to connect with any username they choose.");
            logger.warning("To change this, set \"online-mode\" to \"true\" in the server.properties file.");
        }
        Bukkit.setServer(api);
        access.load();
        scheduler = new TaskScheduler(this);
        pluginManager = new PluginHost(this);
        File pluginDir = file("plugins");
        if (!pluginDir.exists()) {
            pluginDir.mkdir();
        }
        synchronized (lock) {
            pluginManager.loadPlugins(pluginDir);
        }
        logger.info("Preparing level \"" + props.levelName() + "\"");
        world = new GameWorld(this, openStore(), props.viewDistance());
        logger.info("Preparing start region for level 0 (Seed: 0)");
        synchronized (lock) {
            world.prepareSpawn();
        }
        loadFavicon();
        synchronized (lock) {
            pluginManager.enableAll();
        }
        world.start();
        network.start();
        double secs = (System.nanoTime() - startNanos) / 1.0E9;
        logger.info(String.format(Locale.ROOT, "Done (%.3fs)! For help, type \"help\" or \"?\"", secs));
        console.prompt();
        return true;
    }

    /** server-icon.png as a data URI, when it is a 64x64 PNG. */
    private void loadFavicon() {
        File f = file("server-icon.png");
        if (!f.isFile()) {
            return;
        }
        try {
            byte[] png = Files.readAllBytes(f.toPath());
            if (png.length < 24 || (png[0] & 0xFF) != 0x89 || png[1] != 'P' || png[2] != 'N' || png[3] != 'G') {
                throw new IOException("not a PNG image");
            }
            int width = ((png[16] & 0xFF) << 24) | ((png[17] & 0xFF) << 16) | ((png[18] & 0xFF) << 8) | (png[19] & 0xFF);
            int height = ((png[20] & 0xFF) << 24) | ((png[21] & 0xFF) << 16) | ((png[22] & 0xFF) << 8) | (png[23] & 0xFF);
            if (width != 64) {
                throw new IOException("Must be 64 pixels wide");
            }
            if (height != 64) {
                throw new IOException("Must be 64 pixels high");
            }
            favicon = "data:image/png;base64," + Base64.encode(png);
        } catch (IOException ex) {
            logger.log(Level.SEVERE, "Couldn't load server icon", ex);
        }
    }

    /** Runs one line typed on the console, then shows the prompt again. */
    public void consoleLine(String line) {
        try {
            if (CommandLine.split(line).length > 0) {
                commands.dispatch(consoleSender, line);
            }
        } catch (RuntimeException ex) {
            logger.log(Level.SEVERE, "Unexpected exception while running console command", ex);
        }
        if (!stopping) {
            console.prompt();
        }
    }

    /** Stops the server: plugins disabled, players disconnected, lists saved, process ended. */
    public void shutdown() {
        synchronized (lock) {
            if (stopping) {
                return;
            }
            stopping = true;
            logger.info("Stopping server");
            if (pluginManager != null) {
                pluginManager.disablePlugins();
            }
            if (scheduler != null) {
                scheduler.shutdown();
            }
            logger.info("Saving players");
            for (OnlinePlayer p : players.inJoinOrder()) {
                players.kick(p, SHUTDOWN_MESSAGE);
            }
            if (network != null) {
                network.close();
            }
            if (world != null) {
                logger.info("Saving worlds");
                logger.info("Saving chunks for level '" + props.levelName() + "'/Overworld");
                world.close();
            }
            if (access.loaded()) {
                access.saveOps();
                access.saveBans();
            }
        }
        // give the writers a moment to deliver the "Server closed" packets
        long deadline = System.currentTimeMillis() + 2000;
        if (network != null) {
            for (Connection c : network.connections()) {
                while (!c.drained() && System.currentTimeMillis() < deadline) {
                    try {
                        Thread.sleep(10);
                    } catch (InterruptedException ex) {
                        break;
                    }
                }
            }
        }
        try {
            Thread.sleep(100);
        } catch (InterruptedException ignored) {
            // exiting anyway
        }
        System.exit(0);
    }

    /** Where the world is kept: the level-name folder next to server.properties. */
    private WorldStore openStore() {
        return new AnvilStore(file(props.levelName()), logger);
    }

    // --- the parts, for each other ---

    GameWorld world() {
        return world;
    }

    /** The plugin API's view of this server. */
    Server api() {
        return api;
    }

    public Logger logger() {
        return logger;
    }

    Players players() {
        return players;
    }

    AccessLists access() {
        return access;
    }

    CommandRegistry commands() {
        return commands;
    }

    ChatHandler chat() {
        return chat;
    }

    PluginHost plugins() {
        return pluginManager;
    }

    TaskScheduler scheduler() {
        return scheduler;
    }

    ConsoleSender consoleSender() {
        return consoleSender;
    }

    ServerProperties properties() {
        return props;
    }

    String favicon() {
        return favicon;
    }

    boolean isStopping() {
        return stopping;
    }

    GameMode defaultGameMode() {
        return defaultMode;
    }

    void setDefaultGameMode(GameMode mode) {
        if (mode != null) {
            defaultMode = mode;
        }
    }
}
