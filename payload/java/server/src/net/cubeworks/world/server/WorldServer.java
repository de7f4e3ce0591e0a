package net.cubeworks.world.server;

import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.file.Files;
import java.security.GeneralSecurityException;
import java.util.List;
import java.util.Locale;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.Bukkit;
import org.bukkit.GameMode;
import org.bukkit.Server;
import org.bukkit.command.CommandSender;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.event.Event;
import org.bukkit.event.server.ServerCommandEvent;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.ServicesManager;
import org.bukkit.plugin.SimplePluginManager;
import org.bukkit.plugin.SimpleServicesManager;
import org.bukkit.plugin.java.JavaPluginLoader;

import net.cubeworks.world.command.CommandRegistry;
import net.cubeworks.world.command.ConsoleSender;
import net.cubeworks.world.console.ConsoleHandler;
import net.cubeworks.world.console.ConsoleOutput;
import net.cubeworks.world.console.LoggerOutputStream;
import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.play.PlayerConnections;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.LoginSecurity;
import net.cubeworks.world.net.NetworkListener;
import net.cubeworks.world.plugin.TaskScheduler;
import net.cubeworks.world.protocol.Versions;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.AnvilStore;
import net.cubeworks.world.util.Base64;
import net.cubeworks.world.util.CommandLine;
import net.cubeworks.world.util.FatalErrors;

/**
 * The game server: start-up, the console and shutdown, and the wiring of its parts (the
 * game, the plugins, the commands, the network). Console lines run on the game thread, as
 * everything that changes game state does. Plugins see the server through {@link #api()}.
 */
public final class WorldServer implements GameHost {
    private final ConsoleOutput console;
    private final Logger logger;
    private final long startNanos;
    private final BukkitServer api = new org.bukkit.craftbukkit.v1_7_R1.CraftServer(this);
    private final ConsoleSender consoleSender;
    private volatile ServerProperties props = ServerProperties.defaults();
    private AccessLists access;
    private Game game;
    private PlayerConnections connections;
    private CommandRegistry commands;
    private SimplePluginManager pluginManager;
    private final ServicesManager services = new SimpleServicesManager();
    private TaskScheduler scheduler;
    private NetworkListener network;
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
        // Plugins also log through loggers of their own classes, whose records reach the root
        // logger: they get the console's lines too, not the JVM's two-line form on standard error.
        Logger root = Logger.getLogger("");
        for (java.util.logging.Handler h : root.getHandlers()) {
            root.removeHandler(h);
        }
        root.addHandler(new ConsoleHandler(console));
        this.consoleSender = new ConsoleSender(logger, api);
        FatalErrors.setHandler(new OutOfMemoryStop(logger, new Runnable() {
            public void run() {
                shutdown(1);
            }
        }));
        Thread.setDefaultUncaughtExceptionHandler(new Thread.UncaughtExceptionHandler() {
            public void uncaughtException(Thread t, Throwable e) {
                // no text is made before the check: out of memory, making it would fail again
                if (!FatalErrors.check(e, "on a thread of its own")) {
                    logger.log(Level.SEVERE, "Exception on the thread \"" + t.getName() + "\"", e);
                }
            }
        });
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
        logger.info("Starting minecraft server version " + Versions.MINECRAFT_VERSION);
        if (Runtime.getRuntime().maxMemory() / 1024L / 1024L < 512L) {
            logger.warning("To start the server with more ram, launch it as \"java -Xmx1024M -Xms1024M -jar "
                    + "Cubeworks-World.jar\"");
        }
        logger.info("Loading properties");
        props = ServerProperties.load(file("server.properties"), logger);
        logger.info("Default game type: " + GameMode.getByValue(props.gamemode()).name());
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
        access = new AccessLists(file("."), logger);
        logger.info("Starting Minecraft server on " + (ip.length() == 0 ? "*" : ip) + ":" + port);
        // nothing of the world is read before "Preparing level"
        game = new Game(logger, props, access, this, new AnvilStore(file(props.levelName()), logger));
        connections = new PlayerConnections(game);
        try {
            network = new NetworkListener(connections, ip, port, security);
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
        access.load(props.whiteList());
        scheduler = new TaskScheduler(logger, game.thread());
        // the plugins' commands are registered in the command map as each plugin is enabled
        pluginManager = new SimplePluginManager(api, new SimpleCommandMap(api));
        pluginManager.registerInterface(JavaPluginLoader.class);
        final net.cubeworks.world.game.api.MetadataStores metadata = game.metadata();
        pluginManager.addDisableHook(new SimplePluginManager.DisableHook() {
            public void disabled(Plugin plugin) {
                metadata.removeAll(plugin); // a disabled plugin's metadata goes with it
            }
        });
        commands = new CommandRegistry(game, pluginManager, pluginManager.getCommandMap(), new Runnable() {
            public void run() {
                shutdown();
            }
        });
        File pluginDir = file("plugins");
        if (!pluginDir.exists()) {
            pluginDir.mkdir();
        }
        synchronized (game.lock()) {
            pluginManager.loadPlugins(pluginDir);
        }
        logger.info("Preparing level \"" + props.levelName() + "\"");
        game.world().loadLevel();
        game.scoreboards(); // reads the world's main scoreboard now, so that what is wrong with it is said at the start
        String readOnly = game.world().whyNotWritable();
        if (readOnly != null) {
            logger.warning("The world folder \"" + props.levelName() + "\" cannot be written (" + readOnly + "): the "
                    + "world is played as it is on disk, and what changes is not saved until the folder can be written");
        }
        logger.info("Preparing start region for level 0 (Seed: " + game.world().level().seed + ")");
        synchronized (game.lock()) {
            game.world().prepareSpawn();
        }
        connections.setFavicon(loadFavicon());
        connections.setIconData(new java.util.function.Function<org.bukkit.util.CachedServerIcon, String>() {
            public String apply(org.bukkit.util.CachedServerIcon icon) {
                // only an icon this server made carries a picture it can send
                return icon instanceof ServerIcon ? ((ServerIcon) icon).dataUri : null;
            }
        });
        synchronized (game.lock()) {
            pluginManager.enablePlugins();
            commands.registerFallbackCommands();
        }
        net.cubeworks.world.util.HeapWatch.settle(); // what the start took and let go goes back to the system
        game.start();
        network.start();
        double secs = (System.nanoTime() - startNanos) / 1.0E9;
        logger.info(String.format(Locale.ROOT, "Done (%.3fs)! For help, type \"help\" or \"?\"", secs));
        console.prompt();
        return true;
    }

    /** server-icon.png as a data URI, when it is a 64x64 PNG; else null. */
    private String loadFavicon() {
        File f = file("server-icon.png");
        if (!f.isFile()) {
            return null;
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
            return "data:image/png;base64," + Base64.encode(png);
        } catch (IOException ex) {
            logger.log(Level.SEVERE, "Couldn't load server icon", ex);
            return null;
        }
    }

    /**
     * One line typed on the console: run on the game thread, then the prompt again. The
     * reader of the console goes on reading meanwhile.
     */
    public void consoleLine(final String line) {
        if (CommandLine.split(line).length == 0) {
            if (!stopping) {
                console.prompt();
            }
            return;
        }
        game.thread().submit(new Runnable() {
            public void run() {
                try {
                    // plugins see the console's command first, and may change or cancel it
                    ServerCommandEvent event = new ServerCommandEvent(consoleSender, line);
                    pluginManager.callEvent(event);
                    if (!event.isCancelled() && event.getCommand() != null
                            && CommandLine.split(event.getCommand()).length > 0) {
                        commands.dispatch(consoleSender, event.getCommand());
                    }
                } catch (RuntimeException ex) {
                    logger.log(Level.SEVERE, "Unexpected exception while running console command", ex);
                }
                if (!stopping) {
                    console.prompt();
                }
            }
        });
    }

    /**
     * Reloads the plugins as the real server's reload does: every plugin is disabled and let go
     * (its tasks, listeners, services, channels and commands with it), the command map and the
     * permissions are cleared, then the plugins folder is loaded and enabled again and the
     * server's commands registered anew.
     */
    void reload() {
        synchronized (game.lock()) {
            logger.info("Reloading the plugins");
            pluginManager.clearPlugins();
            pluginManager.registerInterface(JavaPluginLoader.class);
            pluginManager.getCommandMap().clearCommands();
            commands.registerDefaultCommands();
            pluginManager.loadPlugins(file("plugins"));
            pluginManager.enablePlugins();
            commands.registerFallbackCommands();
        }
    }

    /** Stops the server: plugins disabled, players disconnected, lists saved, process ended. */
    public void shutdown() {
        shutdown(0);
    }

    /** Stops the server, ending the process with the status given (not 0 after a failure). */
    private void shutdown(int status) {
        if (game == null) {
            System.exit(status); // still starting: nothing to save yet
            return;
        }
        synchronized (game.lock()) {
            if (stopping) {
                return;
            }
            stopping = true;
            game.markStopping();
            logger.info("Stopping server");
            if (pluginManager != null) {
                pluginManager.disablePlugins();
            }
            if (scheduler != null) {
                scheduler.shutdown();
            }
            logger.info("Saving players");
            for (OnlinePlayer p : game.players().inJoinOrder()) {
                game.players().kick(p, Game.SHUTDOWN_MESSAGE);
            }
            if (network != null) {
                network.close();
            }
            game.thread().stop();
            logger.info("Saving worlds");
            logger.info("Saving chunks for level '" + props.levelName() + "'/Overworld");
            game.world().close();
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
        System.exit(status);
    }

    // --- the game's host ---

    public void callEvent(Event event) {
        pluginManager.callEvent(event);
    }

    public boolean dispatchCommand(CommandSender sender, String commandLine) {
        return commands.dispatch(sender, commandLine);
    }

    /** The completions of a command line ("/" and all) the command map finds for the sender. */
    public java.util.List<String> tabCompleteCommand(CommandSender sender, String commandLine) {
        return api.getCommandMap().tabComplete(sender, commandLine);
    }

    /** The plugin API's view of this server. */
    public Server api() {
        return api;
    }

    // --- the parts, for the API's server ---

    Game game() {
        return game;
    }

    public Logger logger() {
        return logger;
    }

    Players players() {
        return game.players();
    }

    AccessLists access() {
        return access;
    }

    CommandRegistry commands() {
        return commands;
    }

    SimplePluginManager plugins() {
        return pluginManager;
    }

    ServicesManager services() {
        return services;
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
}
