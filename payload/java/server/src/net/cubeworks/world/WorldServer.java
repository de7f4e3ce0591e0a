package net.cubeworks.world;

import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.Collections;
import java.util.Date;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Locale;
import java.util.Map;
import java.util.Set;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.Bukkit;
import org.bukkit.GameMode;
import org.bukkit.OfflinePlayer;
import org.bukkit.Server;
import org.bukkit.command.Command;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.entity.Player;
import org.bukkit.event.player.AsyncPlayerChatEvent;
import org.bukkit.event.player.PlayerCommandPreprocessEvent;
import org.bukkit.event.player.PlayerJoinEvent;
import org.bukkit.event.player.PlayerQuitEvent;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginManager;
import org.bukkit.scheduler.BukkitScheduler;

import net.cubeworks.world.console.ConsoleHandler;
import net.cubeworks.world.console.ConsoleOutput;
import net.cubeworks.world.console.LoggerOutputStream;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.net.NetworkListener;
import net.cubeworks.world.net.OfflineUuid;
import net.cubeworks.world.net.PacketOut;
import net.cubeworks.world.net.StatusResponse;
import net.cubeworks.world.util.Base64;

/**
 * The game server: settings, operators and bans, the online players in join order, the
 * console and plugin commands. All game state is guarded by one lock, {@link #lock};
 * sending to a client only queues a packet, so it is safe while holding the lock.
 */
public final class WorldServer implements Server {
    public static final String MINECRAFT_VERSION = "1.7.2";
    public static final String API_VERSION = "1.7.2-R0.3";
    public static final String SERVER_NAME = "Cubeworks-World";
    public static final String SERVER_VERSION = "1.0 (MC: " + MINECRAFT_VERSION + ")";
    static final String UNKNOWN_COMMAND = "Unknown command. Type \"help\" for help.";
    static final String SHUTDOWN_MESSAGE = "Server closed";
    static final double SPAWN_X = 0.5;
    static final double SPAWN_Y = 64.0;
    static final double SPAWN_Z = 0.5;

    final Object lock = new Object();
    private final ConsoleOutput console;
    private final Logger logger;
    private final ConsoleSender consoleSender;
    private final long startNanos;
    private ServerProperties props = ServerProperties.defaults();
    private OpList ops;
    private BanList bans;
    private final List<OnlinePlayer> players = new ArrayList<OnlinePlayer>();
    private final Map<String, GameMode> lastModes = new HashMap<String, GameMode>();
    private final Map<String, PluginCommand> pluginCommands = new LinkedHashMap<String, PluginCommand>();
    private final BuiltinCommands builtins = new BuiltinCommands(this);
    private PluginHost pluginManager;
    private TaskScheduler scheduler;
    private NetworkListener network;
    private GameMode defaultMode = GameMode.SURVIVAL;
    private String favicon;
    private int nextEntityId = 1;
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
        String ip = props.serverIp();
        int port = props.serverPort();
        logger.info("Starting Minecraft server on " + (ip.length() == 0 ? "*" : ip) + ":" + port);
        try {
            network = new NetworkListener(this, ip, port);
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
        } else {
            logger.warning("online-mode is set, but this server cannot verify accounts: "
                    + "players are admitted by name only.");
        }
        Bukkit.setServer(this);
        loadLists();
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
        logger.info("Preparing start region for level 0 (Seed: 0)");
        loadFavicon();
        synchronized (lock) {
            pluginManager.enableAll();
        }
        network.start();
        double secs = (System.nanoTime() - startNanos) / 1.0E9;
        logger.info(String.format(Locale.ROOT, "Done (%.3fs)! For help, type \"help\" or \"?\"", secs));
        console.prompt();
        return true;
    }

    private void loadLists() {
        ops = new OpList(file("ops.txt"));
        bans = new BanList(file("banned-players.txt"));
        try {
            ops.load();
        } catch (IOException ex) {
            logger.warning("Failed to load operators list: " + ex);
        }
        try {
            bans.load();
        } catch (IOException ex) {
            logger.warning("Failed to load ban list: " + ex);
        }
        if (!file("ops.txt").exists()) {
            saveOps();
        }
        if (!file("banned-players.txt").exists()) {
            saveBans();
        }
    }

    private void saveOps() {
        try {
            ops.save();
        } catch (IOException ex) {
            logger.warning("Failed to save operators list: " + ex);
        }
    }

    private void saveBans() {
        try {
            bans.save();
        } catch (IOException ex) {
            logger.warning("Failed to save ban list: " + ex);
        }
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

    // --- console ---

    /** Runs one line typed on the console, then shows the prompt again. */
    public void consoleLine(String line) {
        try {
            if (CommandLine.split(line).length > 0) {
                dispatchCommand(consoleSender, line);
            }
        } catch (RuntimeException ex) {
            logger.log(Level.SEVERE, "Unexpected exception while running console command", ex);
        }
        if (!stopping) {
            console.prompt();
        }
    }

    // --- network side ---

    public byte[] legacyPingResponse() {
        synchronized (lock) {
            return StatusResponse.legacy(MINECRAFT_VERSION, props.motd(), players.size(), props.maxPlayers());
        }
    }

    /** The status JSON for a client of the given protocol (4 or 5 is echoed, else 4). */
    public String statusJson(int protocol) {
        synchronized (lock) {
            List<String[]> sample = new ArrayList<String[]>();
            for (OnlinePlayer p : players) {
                if (sample.size() >= 12) {
                    break;
                }
                sample.add(new String[] {p.getName(), p.getUniqueId().toString()});
            }
            return StatusResponse.json(MINECRAFT_VERSION, protocol == 5 ? 5 : 4, props.maxPlayers(),
                    players.size(), sample, props.motd(), favicon);
        }
    }

    /**
     * A name the game can show: 1 to 16 characters, no blanks, control characters or "§".
     * Other characters are allowed, as offline players often use names in their own script.
     */
    static boolean validName(String name) {
        if (name.length() < 1 || name.length() > 16) {
            return false;
        }
        for (int i = 0; i < name.length(); i++) {
            char c = name.charAt(i);
            if (c <= ' ' || c == '\u00a7' || c == 0x7F || Character.isWhitespace(c) || Character.isISOControl(c)) {
                return false;
            }
        }
        return true;
    }

    /** Login Start received: refuse with a reason, or admit the player into the world. */
    public void login(Connection conn, String name) {
        int protocol = conn.protocol();
        if (protocol < 4) {
            conn.disconnect("Outdated client! Please use " + MINECRAFT_VERSION);
            return;
        }
        if (protocol > 5) {
            conn.disconnect("Outdated server! I'm still on " + MINECRAFT_VERSION);
            return;
        }
        if (!validName(name)) {
            conn.disconnect("Invalid username!");
            return;
        }
        synchronized (lock) {
            if (stopping) {
                conn.disconnect(SHUTDOWN_MESSAGE);
                return;
            }
            BanList.Entry ban = bans.get(name);
            if (ban != null) {
                String reason = "You are banned from this server!\nReason: " + ban.reason;
                if (ban.expires != null) {
                    reason += "\nYour ban will be removed on " + ban.expires;
                }
                conn.disconnect(reason);
                logger.info("Disconnecting " + name + " (" + conn.remoteAddress() + "): " + reason);
                return;
            }
            OnlinePlayer existing = findExact(name);
            if (existing != null) {
                kick(existing, "You logged in from another location");
            }
            if (players.size() >= props.maxPlayers()) {
                conn.disconnect("The server is full!");
                logger.info("Disconnecting " + name + " (" + conn.remoteAddress() + "): The server is full!");
                return;
            }
            GameMode mode = lastModes.get(name.toLowerCase());
            if (mode == null) {
                mode = defaultMode;
            }
            OnlinePlayer p = new OnlinePlayer(this, conn, name, nextEntityId++, mode);
            conn.send(new PacketOut(0x02).writeString(OfflineUuid.forProtocol(name, protocol)).writeString(name));
            conn.attachPlayer(p);
            players.add(p);
            int maxShown = Math.min(255, props.maxPlayers());
            conn.send(new PacketOut(0x01).writeInt(p.getEntityId()).writeByte(mode.getValue() | (props.hardcore() ? 8 : 0))
                    .writeByte(0).writeByte(props.difficulty()).writeByte(maxShown)
                    .writeString(props.levelType().toLowerCase()));
            conn.send(new PacketOut(0x05).writeInt((int) SPAWN_X).writeInt((int) SPAWN_Y).writeInt((int) SPAWN_Z));
            p.sendAbilities();
            conn.send(new PacketOut(0x03).writeLong(0).writeLong(6000));
            conn.send(new PacketOut(0x08).writeDouble(SPAWN_X).writeDouble(SPAWN_Y + 1.62).writeDouble(SPAWN_Z)
                    .writeFloat(0f).writeFloat(0f).writeBoolean(false));
            logger.info(name + "[" + conn.remoteAddress() + "] logged in with entity id " + p.getEntityId()
                    + " at ([" + props.levelName() + "] " + SPAWN_X + ", " + SPAWN_Y + ", " + SPAWN_Z + ")");
            for (OnlinePlayer other : players) {
                conn.send(listItem(other.getPlayerListName(), true));
                if (other != p) {
                    other.connection().send(listItem(p.getPlayerListName(), true));
                }
            }
            PlayerJoinEvent event = new PlayerJoinEvent(p, "\u00a7e" + name + " joined the game");
            pluginManager.callEvent(event);
            if (event.getJoinMessage() != null && event.getJoinMessage().length() > 0) {
                broadcastMessage(event.getJoinMessage());
            }
        }
    }

    private static PacketOut listItem(String name, boolean online) {
        return new PacketOut(0x38).writeString(name).writeBoolean(online).writeShort(0);
    }

    /** The reader of a logged-in player's connection has ended. */
    public void connectionLost(Connection conn, String reason) {
        Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            synchronized (lock) {
                removePlayer((OnlinePlayer) p, reason);
            }
        }
    }

    public void kickForTimeout(Connection conn) {
        Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            kick((OnlinePlayer) p, "Timed out");
        } else {
            conn.closeNow();
        }
    }

    /** Disconnects the player with the reason and removes them from the world. */
    void kick(OnlinePlayer p, String reason) {
        synchronized (lock) {
            p.connection().disconnect(reason);
            removePlayer(p, reason);
        }
    }

    private void removePlayer(OnlinePlayer p, String reason) {
        if (!players.remove(p)) {
            return;
        }
        p.markOffline();
        lastModes.put(p.getName().toLowerCase(), p.getGameMode());
        logger.info(p.getName() + " lost connection: " + reason);
        for (OnlinePlayer other : players) {
            other.connection().send(listItem(p.getPlayerListName(), false));
        }
        if (stopping) {
            return;
        }
        PlayerQuitEvent event = new PlayerQuitEvent(p, "\u00a7e" + p.getName() + " left the game");
        pluginManager.callEvent(event);
        if (event.getQuitMessage() != null && event.getQuitMessage().length() > 0) {
            broadcastMessage(event.getQuitMessage());
        }
    }

    /** A chat line from a connection. */
    public void chat(Connection conn, String message) {
        Object p = conn.player();
        if (p instanceof OnlinePlayer) {
            chat((OnlinePlayer) p, message);
        }
    }

    /** A player says something, or runs a command when the line starts with "/". */
    void chat(OnlinePlayer p, String message) {
        synchronized (lock) {
            if (!p.isOnline()) {
                return;
            }
            message = message.trim();
            for (int i = 0; i < message.length(); i++) {
                char c = message.charAt(i);
                if (c == '\u00a7' || c < ' ' || c == 0x7F) {
                    kick(p, "Illegal characters in chat");
                    return;
                }
            }
            if (message.length() == 0) {
                return;
            }
            if (message.startsWith("/")) {
                logger.info(p.getName() + " issued server command: " + message);
                PlayerCommandPreprocessEvent pre = new PlayerCommandPreprocessEvent(p, message);
                pluginManager.callEvent(pre);
                if (pre.isCancelled()) {
                    return;
                }
                try {
                    dispatchCommand(p, pre.getMessage());
                } catch (RuntimeException ex) {
                    logger.log(Level.SEVERE, "Could not run command " + pre.getMessage(), ex);
                }
                return;
            }
            AsyncPlayerChatEvent event = new AsyncPlayerChatEvent(false, p, message,
                    new LinkedHashSet<Player>(players));
            pluginManager.callEvent(event);
            if (event.isCancelled()) {
                return;
            }
            String text = String.format(event.getFormat(), p.getDisplayName(), event.getMessage());
            logger.info(text);
            for (Player r : event.getRecipients()) {
                if (r instanceof OnlinePlayer) {
                    ((OnlinePlayer) r).sendChatLine(text);
                } else {
                    r.sendMessage(text);
                }
            }
        }
    }

    // --- game state, used by commands and the API ---

    OnlinePlayer findExact(String name) {
        for (OnlinePlayer p : players) {
            if (p.getName().equalsIgnoreCase(name)) {
                return p;
            }
        }
        return null;
    }

    List<OnlinePlayer> playersInJoinOrder() {
        synchronized (lock) {
            return new ArrayList<OnlinePlayer>(players);
        }
    }

    boolean isOpName(String name) {
        synchronized (lock) {
            return ops != null && ops.contains(name);
        }
    }

    /** Grants or revokes operator status, saves ops.txt and tells an online player. */
    boolean setOpName(String name, boolean op) {
        synchronized (lock) {
            boolean changed = op ? ops.add(name) : ops.remove(name);
            saveOps();
            OnlinePlayer p = findExact(name);
            if (p != null && changed) {
                p.sendMessage(op ? "\u00a7eYou are now op!" : "\u00a7eYou are no longer op!");
            }
            return changed;
        }
    }

    boolean isBanned(String name) {
        synchronized (lock) {
            return bans != null && bans.get(name) != null;
        }
    }

    /** Bans (kicking the player when online) or pardons a name, and saves the list. */
    void setBanned(String name, boolean banned, String reason, String source) {
        synchronized (lock) {
            if (banned) {
                String r = reason == null || reason.length() == 0 ? BanList.DEFAULT_REASON : reason;
                bans.add(new BanList.Entry(name, new Date(), source, null, r));
                saveBans();
                OnlinePlayer p = findExact(name);
                if (p != null) {
                    kick(p, r);
                }
            } else {
                bans.remove(name);
                saveBans();
            }
        }
    }

    List<String> bannedNames() {
        synchronized (lock) {
            return bans.names();
        }
    }

    /** Sets the mode and tells the client (Change Game State reason 3, then its abilities). */
    void setGameMode(OnlinePlayer p, GameMode mode) {
        synchronized (lock) {
            p.setModeField(mode);
            p.connection().send(new PacketOut(0x2B).writeByte(3).writeFloat(mode.getValue()));
            p.sendAbilities();
        }
    }

    /** Puts items into the player's inventory and updates the client's slots; false when full. */
    boolean giveItem(OnlinePlayer p, int item, int amount, int data) {
        synchronized (lock) {
            int left = amount;
            int[] order = new int[36];
            for (int i = 0; i < 9; i++) {
                order[i] = 36 + i;
            }
            for (int i = 0; i < 27; i++) {
                order[9 + i] = 9 + i;
            }
            for (int pass = 0; pass < 2 && left > 0; pass++) {
                for (int slot : order) {
                    if (left == 0) {
                        break;
                    }
                    boolean fits = pass == 0
                            ? p.slotCount[slot] > 0 && p.slotItem[slot] == item && p.slotData[slot] == data
                                && p.slotCount[slot] < 64
                            : p.slotCount[slot] == 0;
                    if (!fits) {
                        continue;
                    }
                    int put = Math.min(64 - p.slotCount[slot], left);
                    p.slotItem[slot] = item;
                    p.slotData[slot] = data;
                    p.slotCount[slot] += put;
                    left -= put;
                    p.connection().send(new PacketOut(0x2F).writeByte(0).writeShort(slot).writeShort(item)
                            .writeByte(p.slotCount[slot]).writeShort(data).writeShort(-1));
                }
            }
            return left == 0;
        }
    }

    GameMode defaultGameMode() {
        return defaultMode;
    }

    Map<String, PluginCommand> pluginCommandMap() {
        return pluginCommands;
    }

    /** Makes a plugin's plugin.yml commands (and their aliases) dispatchable. */
    void registerPluginCommands(Plugin plugin, List<Command> commands) {
        synchronized (lock) {
            for (Command c : commands) {
                if (!(c instanceof PluginCommand)) {
                    continue;
                }
                PluginCommand pc = (PluginCommand) c;
                String label = pc.getName().toLowerCase();
                String fallback = plugin.getDescription().getName().toLowerCase() + ":" + label;
                pluginCommands.put(fallback, pc);
                if (!pluginCommands.containsKey(label)) {
                    pluginCommands.put(label, pc);
                }
                for (String alias : pc.getAliases()) {
                    String a = alias.toLowerCase();
                    if (!pluginCommands.containsKey(a)) {
                        pluginCommands.put(a, pc);
                    }
                }
            }
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
            for (OnlinePlayer p : new ArrayList<OnlinePlayer>(players)) {
                kick(p, SHUTDOWN_MESSAGE);
            }
            if (network != null) {
                network.close();
            }
            if (ops != null) {
                saveOps();
                saveBans();
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

    // --- org.bukkit.Server ---

    public String getName() {
        return SERVER_NAME;
    }

    public String getVersion() {
        return SERVER_VERSION;
    }

    public String getBukkitVersion() {
        return API_VERSION;
    }

    public Player[] getOnlinePlayers() {
        synchronized (lock) {
            return players.toArray(new Player[players.size()]);
        }
    }

    public int getMaxPlayers() {
        return props.maxPlayers();
    }

    public int getPort() {
        return props.serverPort();
    }

    public int getViewDistance() {
        return props.viewDistance();
    }

    public String getIp() {
        return props.serverIp();
    }

    public String getServerName() {
        return props.getString("server-name", "Unknown Server");
    }

    public String getServerId() {
        return props.getString("server-id", "unnamed");
    }

    public String getWorldType() {
        return props.levelType();
    }

    public boolean getGenerateStructures() {
        return props.getBoolean("generate-structures", true);
    }

    public boolean getAllowEnd() {
        return true;
    }

    public boolean getAllowNether() {
        return props.allowNether();
    }

    public boolean hasWhitelist() {
        return false;
    }

    public String getUpdateFolder() {
        return "update";
    }

    public int broadcastMessage(String message) {
        synchronized (lock) {
            logger.info(message);
            for (OnlinePlayer p : players) {
                p.sendMessage(message);
            }
            return players.size();
        }
    }

    public int broadcast(String message, String permission) {
        synchronized (lock) {
            int count = 0;
            for (OnlinePlayer p : players) {
                if (p.hasPermission(permission)) {
                    p.sendMessage(message);
                    count++;
                }
            }
            consoleSender.sendMessage(message);
            return count + 1;
        }
    }

    /** An online player whose name starts with the text (the closest match), or null. */
    public Player getPlayer(String name) {
        synchronized (lock) {
            Player exact = findExact(name);
            if (exact != null) {
                return exact;
            }
            Player found = null;
            int delta = Integer.MAX_VALUE;
            String lower = name.toLowerCase();
            for (OnlinePlayer p : players) {
                if (p.getName().toLowerCase().startsWith(lower)) {
                    int d = p.getName().length() - name.length();
                    if (d < delta) {
                        found = p;
                        delta = d;
                    }
                }
            }
            return found;
        }
    }

    public Player getPlayerExact(String name) {
        synchronized (lock) {
            return findExact(name);
        }
    }

    public List<Player> matchPlayer(String name) {
        synchronized (lock) {
            List<Player> out = new ArrayList<Player>();
            for (OnlinePlayer p : players) {
                if (p.getName().equalsIgnoreCase(name)) {
                    out.clear();
                    out.add(p);
                    break;
                }
                if (p.getName().toLowerCase().contains(name.toLowerCase())) {
                    out.add(p);
                }
            }
            return out;
        }
    }

    public PluginManager getPluginManager() {
        return pluginManager;
    }

    public BukkitScheduler getScheduler() {
        return scheduler;
    }

    public PluginCommand getPluginCommand(String name) {
        synchronized (lock) {
            return pluginCommands.get(name.toLowerCase());
        }
    }

    public void savePlayers() {
    }

    /**
     * Runs a command line for the sender: a plugin's command, else one of the server's own,
     * else the unknown-command answer.
     */
    public boolean dispatchCommand(CommandSender sender, String commandLine) throws CommandException {
        synchronized (lock) {
            String[] words = CommandLine.split(commandLine);
            if (words.length == 0) {
                return false;
            }
            String label = words[0].toLowerCase();
            String[] args = CommandLine.args(words);
            PluginCommand pc = pluginCommands.get(label);
            if (pc != null) {
                try {
                    pc.execute(sender, label, args);
                } catch (CommandException ex) {
                    sender.sendMessage("\u00a7cAn internal error occurred while attempting to perform this command");
                    logger.log(Level.SEVERE, null, ex);
                }
                return true;
            }
            if (builtins.run(sender, label, args)) {
                return true;
            }
            sender.sendMessage(UNKNOWN_COMMAND);
            return false;
        }
    }

    public void reload() {
        logger.info("Reloading is not supported; restart the server instead.");
    }

    public Logger getLogger() {
        return logger;
    }

    public OfflinePlayer getOfflinePlayer(String name) {
        Player p = getPlayerExact(name);
        return p != null ? p : new OfflinePlayerRef(this, name);
    }

    public Set<String> getIPBans() {
        return Collections.emptySet();
    }

    public void banIP(String address) {
    }

    public void unbanIP(String address) {
    }

    public Set<OfflinePlayer> getBannedPlayers() {
        Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
        for (String n : bannedNames()) {
            out.add(getOfflinePlayer(n));
        }
        return out;
    }

    public Set<OfflinePlayer> getOperators() {
        List<String> names;
        synchronized (lock) {
            names = ops.names();
        }
        Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
        for (String n : names) {
            out.add(getOfflinePlayer(n));
        }
        return out;
    }

    public GameMode getDefaultGameMode() {
        return defaultMode;
    }

    public void setDefaultGameMode(GameMode mode) {
        if (mode != null) {
            defaultMode = mode;
        }
    }

    public ConsoleCommandSender getConsoleSender() {
        return consoleSender;
    }

    public boolean getOnlineMode() {
        return props.onlineMode();
    }

    public boolean getAllowFlight() {
        return props.allowFlight();
    }

    public boolean isHardcore() {
        return props.hardcore();
    }

    public String getMotd() {
        return props.motd();
    }

    public String getShutdownMessage() {
        return SHUTDOWN_MESSAGE;
    }

    ServerProperties properties() {
        return props;
    }

}
