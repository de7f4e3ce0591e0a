package net.cubeworks.world.game.player;

import java.net.InetSocketAddress;
import java.util.ArrayList;
import java.util.Collection;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;
import java.util.UUID;

import org.bukkit.GameMode;
import org.bukkit.Server;
import org.bukkit.entity.Player;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.messaging.StandardMessenger;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.game.world.Viewer;
import net.cubeworks.world.net.Connection;
import net.cubeworks.world.protocol.Json;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A logged-in player. Its game state is changed on the game thread, or under the world lock. The
 * plugin API's members that only hand a call on, here and in the classes it extends, are written
 * on one line each.
 */
public final class OnlinePlayer extends PlayerEntity implements BlockUser, Viewer {
    private final PlayerGame game;
    private final Connection connection;
    private final String name;
    private volatile GameMode gameMode;
    private volatile String displayName;
    private volatile String listName;
    private volatile boolean online = true;
    /** Logging in: admitted by nobody yet, so not in the server's list (plugins asking at login see it offline). */
    private volatile boolean loggingIn;
    private volatile boolean flying;
    private volatile boolean allowFlight;
    /** Set and cleared by the client's Entity Action (crouch, stand up). */
    public volatile boolean sneaking;
    /** Set and cleared by the client's Entity Action (start and stop sprinting). */
    public volatile boolean sprinting;
    /** How tired the player is, 0 to 40 (see Hunger); for this session only. */
    public float exhaustion;
    /** The slot of the food being eaten (-1: none), the item, and the tick eating began. */
    public int eatingSlot = -1;
    public int eatingItem;
    public long eatingSince;

    private final PlayerInventory inventory = new PlayerInventory();
    /** The plugin channels his client listens on. */
    private final ClientChannels channels = new ClientChannels();
    /**
     * Packets of this player read and not yet handled by the game thread; its reader waits
     * while all are taken, so a client that sends faster than the game handles only slows
     * itself down.
     */
    public final java.util.concurrent.Semaphore unhandled = new java.util.concurrent.Semaphore(MAX_UNHANDLED);
    static final int MAX_UNHANDLED = 1024;

    // the player in the world, guarded by the world lock (see GameWorld)
    public int food = 20;
    public float saturation = 5f;
    /** Experience: the level, the progress to the next (0 to 1), the total points. */
    public final Experience xp = new Experience();
    /** When the player last did something (see IdleKick), in milliseconds. */
    public volatile long lastActive = System.currentTimeMillis();
    /** The spawn point set for this player (x, y, z of the block), or null for the world's. */
    public volatile int[] spawnPoint;
    public final Sleep sleep = new Sleep();
    /** The hot-bar slot in hand, 0 to 8. */
    public int heldSlot;
    /** The columns this player's client has been sent. */
    public final net.cubeworks.world.util.LongSet known = new net.cubeworks.world.util.LongSet(512);
    /** Set when a column in view could not be read and was not sent: it is asked for again now and then. */
    public boolean withheld;
    /** Moves in a row this player made up in the air without being allowed to fly. */
    public int floatingMoves;
    /** The notices of the land this player has been given, once a session each (see {@link Viewer.Notice}). */
    private final java.util.concurrent.atomic.AtomicInteger noticesGiven = new java.util.concurrent.atomic.AtomicInteger();
    /** The players this player's client shows. */
    public final Set<WorldEntity> shown = new LinkedHashSet<WorldEntity>();
    /** Set after sending the client back: its moves are ignored until it arrives. */
    public boolean teleportPending;
    public int actionsThisTick;
    /** The block this survival player is digging, since when. */
    public final Digging digging = new Digging();
    /** Arm swings and held item changes received this tick, against the flood bound. */
    public int relayedThisTick;
    /** An arm swing, and a change of the item in hand, its viewers have not been shown yet. */
    public boolean swung;
    public boolean heldItemChanged;
    /** What the world tick has for this client, queued as one piece at the tick's end. */
    public final java.io.ByteArrayOutputStream outbox = new java.io.ByteArrayOutputStream();
    /** The account's profile properties (name, value, signature), as Spawn Player carries them. */
    public List<String[]> properties = new ArrayList<String[]>();
    /** What the store keeps of this player beyond what we use. */
    public Object kept;
    /** How fast he sends chat lines and commands. */
    private final ChatSpam spam = new ChatSpam();

    public OnlinePlayer(PlayerGame game, Connection connection, String name, UUID uuid, int entityId, GameMode mode) {
        super(entityId, uuid, game.lock());
        this.game = game;
        this.connection = connection;
        this.name = name;
        this.gameMode = mode;
        this.displayName = name;
        this.listName = name;
        this.allowFlight = mode == GameMode.CREATIVE;
    }

    /** Spawn Player with the item in hand, and where the head looks. */
    public List<PacketOut> spawnPackets(int viewerProtocol) {
        int held = inventory().item(handSlot());
        List<PacketOut> out = new ArrayList<PacketOut>(2);
        out.add(PlayPackets.spawnPlayer(viewerProtocol, getEntityId(), getUniqueId(), getName(), properties, sent.x,
                sent.y, sent.z, sent.yaw, sent.pitch, held, health));
        out.add(PlayPackets.entityHeadLook(getEntityId(), sent.yaw));
        game.showLying(this, out);
        return out;
    }

    public PlayerInventory inventory() { return inventory; }
    public PlayerGame game() { return game; }

    /** Set Slot for one slot of the player's inventory window. */
    public void sendSlot(int slot) {
        connection.send(PlayPackets.setSlot(0, slot, inventory.item(slot), inventory.count(slot), inventory.data(slot),
                net.cubeworks.world.storage.ItemTagValues.gzipped(inventory.tag(slot))));
    }

    /** Window Items: the player's whole inventory again. */
    public void sendInventory() {
        int[] ids = new int[PlayerInventory.SLOTS];
        int[] counts = new int[PlayerInventory.SLOTS];
        int[] damages = new int[PlayerInventory.SLOTS];
        byte[][] tags = new byte[PlayerInventory.SLOTS][];
        for (int i = 0; i < PlayerInventory.SLOTS; i++) {
            ids[i] = inventory.item(i);
            counts[i] = inventory.count(i);
            damages[i] = inventory.data(i);
            tags[i] = net.cubeworks.world.storage.ItemTagValues.gzipped(inventory.tag(i));
        }
        connection.send(PlayPackets.windowItems(0, ids, counts, damages, tags));
    }

    /** The item in hand changed: its viewers are shown the newest in the next tick. */
    public void showHeldItem() { heldItemChanged = true; }

    /** The item id in hand; 0 for none. */
    public int heldItem() { return inventory.item(handSlot()); }

    /** Opens the crafting table's window at the block. */
    public void openCraftingTable(int x, int y, int z) { game.openCraftingTable(this, x, y, z); }

    /** Opens the window of the block with slots (a furnace, a chest, a hopper, ...). */
    public void openContainer(int x, int y, int z) { game.openContainer(this, x, y, z); }
    public void useBed(int x, int y, int z) { game.useBed(this, x, y, z); }

    /** The item in hand (hot-bar slot heldSlot), as its window slot. */
    public int handSlot() { return PlayerInventory.HOTBAR + heldSlot; }
    public Connection connection() { return connection; }
    public net.cubeworks.world.util.LongSet known() { return known; }
    public int columnX() { return net.cubeworks.world.level.ColumnKey.chunk(x); }
    public int columnZ() { return net.cubeworks.world.level.ColumnKey.chunk(z); }
    public void withhold() { withheld = true; }

    public boolean within(double px, double py, double pz, double range) {
        double dx = x - px;
        double dy = y - py;
        double dz = z - pz;
        return dx * dx + dy * dy + dz * dz < range * range;
    }

    public boolean firstNotice(Viewer.Notice notice) {
        int bit = 1 << notice.ordinal();
        return (noticesGiven.getAndUpdate(given -> given | bit) & bit) == 0;
    }

    public void markLoggingIn(boolean value) { loggingIn = value; }
    public void markOffline() { online = false; }

    /** Sends one chat line as-is (the text may carry "§" codes). */
    public void sendChatLine(String text) { connection.send(PlayPackets.chat(Json.chat(text))); }

    /** The abilities packet for the current mode. */
    public void sendAbilities() {
        int flags = 0;
        if (gameMode == GameMode.CREATIVE) {
            flags |= 0x01 | 0x08;
        }
        if (flying) {
            flags |= 0x02;
        }
        if (allowFlight || gameMode == GameMode.CREATIVE) {
            flags |= 0x04;
        }
        connection.send(PlayPackets.playerAbilities(flags, flySpeed / 2, walkSpeed / 2));
    }

    /**
     * Puts items into the inventory and updates the client's slots; what does not fit falls at his
     * feet for him alone to pick up, as the game's give does. False when some did not fit.
     */
    public boolean giveItem(int item, int amount, int data) {
        synchronized (game.lock()) {
            List<Integer> changed = new ArrayList<Integer>();
            int left = inventory.give(item, amount, data, null, changed);
            for (int slot : changed) {
                sendSlot(slot);
            }
            if (left > 0) {
                net.cubeworks.world.game.entity.ItemEntity rest = game.fallAtFeet(this, item, left,
                        data);
                rest.pickupDelay = 0;
                rest.owner = getName();
            }
            return left == 0;
        }
    }

    /**
     * Counts one chat line or command at the given time (milliseconds); true when the
     * player has now sent more than the spam threshold allows.
     */
    public boolean countMessage(long nowMillis) {
        synchronized (game.lock()) {
            return spam.count(nowMillis);
        }
    }

    public void setModeField(GameMode mode) {
        gameMode = mode;
        if (mode != GameMode.CREATIVE) {
            flying = false;
        }
    }

    // --- Player ---

    public String getDisplayName() { return displayName; }
    public void setDisplayName(String name) { displayName = name == null ? this.name : name; }
    public String getPlayerListName() { return listName; }

    /**
     * The name in every client's tab list (16 characters at most, unique among the players): the
     * lists are told to drop the old one and show the new.
     */
    public void setPlayerListName(String name) {
        final String next = name == null ? this.name : name;
        if (next.length() > 16) {
            throw new IllegalArgumentException("Player list names can only be a maximum of 16 characters long");
        }
        game.change(() -> {
            List<OnlinePlayer> all = game.players();
            for (OnlinePlayer other : all) {
                if (other != OnlinePlayer.this && other.getPlayerListName().equals(next)) {
                    throw new IllegalArgumentException(next + " is already assigned as a player list name for someone");
                }
            }
            String old = listName;
            listName = next;
            if (all.contains(OnlinePlayer.this) && !old.equals(next)) {
                for (OnlinePlayer other : all) {
                    other.connection().send(PlayPackets.playerListItem(old, false, 0));
                    other.connection().send(PlayPackets.playerListItem(next, true, 0));
                }
            }
            return null;
        });
    }

    public InetSocketAddress getAddress() { return connection.remoteAddress(); }
    public void sendRawMessage(String message) { sendChatLine(message); }
    public void kickPlayer(String message) { game.kick(this, message == null ? "" : message); }
    public void chat(String msg) { game.chat(this, msg); }
    public boolean performCommand(String command) { return game.host().dispatchCommand(this, command); }
    public boolean isSneaking() { return sneaking; }
    public boolean isSprinting() { return sprinting; }
    public boolean getAllowFlight() { return allowFlight; }

    public void setAllowFlight(boolean flight) {
        allowFlight = flight;
        if (!flight) {
            flying = false;
        }
        sendAbilities();
    }

    public boolean isFlying() { return flying; }

    public void setFlying(boolean value) {
        if (value && !allowFlight && gameMode != GameMode.CREATIVE) {
            throw new IllegalArgumentException("Cannot make player fly if getAllowFlight() is false");
        }
        flying = value;
        sendAbilities();
    }

    // --- HumanEntity / Entity ---

    public String getName() { return name; }
    public GameMode getGameMode() { return gameMode; }

    public void setGameMode(GameMode mode) {
        if (mode != null) {
            game.setGameMode(this, mode);
        }
    }

    public Server getServer() { return game.host().api(); }
    protected Terrain terrain() { return game.blocks(); }
    protected Entities registry() { return game.entities(); }

    /** A dead player waiting to respawn is met by nobody. */
    @Override
    public boolean isPresent() { return !isRemoved() && !dead; }

    public boolean isValid() { return online && !loggingIn; }
    public void remove() { kickPlayer(""); }

    // --- CommandSender ---

    public void sendMessage(String message) {
        if (message == null || !online || conversations.isModal()) {
            return; // a modal conversation keeps other messages from him
        }
        for (String line : message.split("\n")) {
            sendChatLine(line);
        }
    }

    public void sendMessage(String[] messages) {
        for (String m : messages) {
            sendMessage(m);
        }
    }

    // --- OfflinePlayer / permissions ---

    public boolean isOnline() { return online && !loggingIn; }
    public boolean isBanned() { return game.access().isBanned(name); }
    public void setBanned(boolean banned) { game.setBanned(name, banned); }
    public boolean isWhitelisted() { return game.access().isWhitelisted(name); }
    public void setWhitelisted(boolean value) { game.access().setWhitelisted(name, value); }
    public Player getPlayer() { return online ? this : null; }
    public long getFirstPlayed() { return 0; }
    public long getLastPlayed() { return System.currentTimeMillis(); }
    public boolean hasPlayedBefore() { return hadRecord; }
    public boolean isOp() { return game.access().isOp(name); }

    public void setOp(boolean value) {
        game.setOp(name, value);
        perm.recalculatePermissions();
    }

    // --- plugin channels ---

    /** The channels the client registered (REGISTER), or dropped again (UNREGISTER). */
    public void listenOn(Collection<String> names, boolean listening) { channels.listenOn(names, listening); }
    public Set<String> getListeningPluginChannels() { return channels.all(); }

    /** Sends the message when the plugin registered the channel and the client listens on it. */
    public void sendPluginMessage(Plugin source, String channel, byte[] message) {
        StandardMessenger.validatePluginMessage(game.host().api().getMessenger(), source, channel, message);
        if (channels.listensOn(channel) && online) {
            connection.send(PlayPackets.pluginMessage(channel, message));
        }
    }

    @Override
    public String toString() { return "Player{name=" + name + "}"; }
}
