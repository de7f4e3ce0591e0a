package net.cubeworks.world.game.player;

import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.UUID;
import java.util.concurrent.Callable;

import org.bukkit.Achievement;
import org.bukkit.Effect;
import org.bukkit.Instrument;
import org.bukkit.Location;
import org.bukkit.Material;
import org.bukkit.Note;
import org.bukkit.Sound;
import org.bukkit.Statistic;
import org.bukkit.WeatherType;
import org.bukkit.conversations.Conversation;
import org.bukkit.conversations.ConversationAbandonedEvent;
import org.bukkit.craftbukkit.v1_7_R1.entity.CraftHumanEntity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Player;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.map.MapView;
import org.bukkit.scoreboard.Scoreboard;

import net.cubeworks.world.game.entity.EffectData;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The plugin API's members of what a player perceives and what is recorded of him: sounds and
 * effects for him alone, his own clock and weather, whom he sees, his speeds, achievements and
 * statistics, his scoreboard, conversations, and the windows plugins open for him. Reads take the
 * world lock; changes run on the game thread.
 */
abstract class PlayerSenses extends CraftHumanEntity implements Player {
    PlayerSenses(int entityId, java.util.UUID uniqueId, Object lock) {
        super(entityId, uniqueId, lock, (float) PlayerEntity.MAX_HEALTH);
    }

    OnlinePlayer self() { return (OnlinePlayer) this; }

    public abstract PlayerGame game();

    <T> T onGameThread(Callable<T> work) { return game().change(work); }

    // --- sounds, notes and effects for this player alone ---

    /** The game's note block sounds by instrument number. */
    private static final String[] NOTE_SOUNDS = {"note.harp", "note.bd", "note.snare", "note.hat", "note.bassattack"};

    public void setBedSpawnLocation(Location location, boolean force) { game().setBedSpawn(self(), location, force); }

    /**
     * Plays the note block's sound at the place, its pitch two to the power of (note - 12) / 12 as
     * the game plays it; sent as a named sound so that it plays where no note block stands.
     */
    @Deprecated
    public void playNote(Location loc, byte instrument, byte note) {
        if (instrument < 0 || instrument >= NOTE_SOUNDS.length) {
            throw new IllegalArgumentException("no instrument " + instrument);
        }
        float pitch = (float) Math.pow(2.0, (note - 12) / 12.0);
        playSound(loc, NOTE_SOUNDS[instrument], 3.0f, pitch);
    }

    public void playNote(Location loc, Instrument instrument, Note note) {
        playNote(loc, instrument.getType(), note.getId());
    }

    public void playSound(Location location, Sound sound, float volume, float pitch) {
        if (location == null || sound == null) {
            return;
        }
        playSound(location, SoundNames.of(sound), volume, pitch);
    }

    public void playSound(Location location, String sound, float volume, float pitch) {
        if (location == null || sound == null) {
            return;
        }
        self().connection().send(PlayPackets.namedSoundEffect(sound, location.getX(), location.getY(), location.getZ(),
                volume, pitch));
    }

    @Deprecated
    public void playEffect(Location loc, Effect effect, int data) {
        self().connection().send(PlayPackets.effect(effect.getId(), loc.getBlockX(), loc.getBlockY(), loc.getBlockZ(),
                data, false));
    }

    public <T> void playEffect(Location loc, Effect effect, T data) { playEffect(loc, effect, EffectData.of(effect, data)); }

    /** Not sent: this server builds column data itself and takes none from plugins. */
    @Deprecated
    public boolean sendChunkChange(Location loc, int sx, int sy, int sz, byte[] data) { return false; }

    /** Shows this player other lines on the sign there; at most four lines of 15 characters. */
    public void sendSignChange(Location loc, String[] lines) throws IllegalArgumentException {
        if (loc == null) {
            throw new IllegalArgumentException("location");
        }
        String[] four = new String[4];
        if (lines != null) {
            if (lines.length > 4) {
                throw new IllegalArgumentException("a sign has 4 lines, not " + lines.length);
            }
            for (int i = 0; i < lines.length; i++) {
                String line = lines[i] == null ? "" : lines[i];
                if (line.length() > 15) {
                    throw new IllegalArgumentException("line " + (i + 1) + " is longer than 15 characters");
                }
                four[i] = line;
            }
        }
        self().connection().send(PlayPackets.updateSign(loc.getBlockX(), loc.getBlockY(), loc.getBlockZ(), four));
    }

    /** Nothing is sent: this server renders no maps, so there is no map data to send. */
    public void sendMap(MapView map) {
    }

    // --- this player's own clock and weather ---

    final OwnSky sky = new OwnSky();

    /** The time packet this player's client is to get: his own time if he has one, else the world's. */
    public PacketOut timePacket(LevelState level) { return sky.timePacket(level.time, level.dayTime); }

    /** Whether this player was given a time of his own. */
    public boolean hasOwnTime() { return sky.hasOwnTime(); }

    public void setPlayerTime(long time, boolean relative) {
        sky.setTime(time, relative);
        synchronized (game().lock()) {
            self().connection().send(timePacket(game().level()));
        }
    }

    public long getPlayerTimeOffset() { return sky.offset(); }
    public long getPlayerTime() { return sky.timeFor(getWorld().getFullTime()); }
    public boolean isPlayerTimeRelative() { return sky.isRelative(); }
    public void resetPlayerTime() { setPlayerTime(0, true); }

    public void setPlayerWeather(WeatherType type) {
        sky.setWeather(type);
        WeatherType shown = type != null ? type : getWorld().hasStorm() ? WeatherType.DOWNFALL : WeatherType.CLEAR;
        self().connection().send(OwnSky.weatherPacket(shown));
    }

    public WeatherType getPlayerWeather() { return sky.weather(); }
    public void resetPlayerWeather() { setPlayerWeather(null); }

    // --- whom this player sees ---

    /** The players hidden from this one, by id; guarded by the world lock. */
    public final Set<UUID> hidden = new HashSet<UUID>();

    /** His client destroys the other player and drops him from the tab list; he stays hidden until shown. */
    public void hidePlayer(final Player player) {
        if (player == null || player == this) {
            return;
        }
        onGameThread(() -> {
            OnlinePlayer me = self();
            if (!me.hidden.add(player.getUniqueId())) {
                return null;
            }
            if (player instanceof OnlinePlayer && me.shown.remove(player)) {
                me.connection().send(PlayPackets.destroyEntities(
                        java.util.Collections.singletonList(player.getEntityId())));
            }
            me.connection().send(PlayPackets.playerListItem(player.getPlayerListName(), false, 0));
            return null;
        });
    }

    /** His client lists the other player again, and shows him from the next tick where he is in view. */
    public void showPlayer(final Player player) {
        if (player == null || player == this) {
            return;
        }
        onGameThread(() -> {
            OnlinePlayer me = self();
            if (me.hidden.remove(player.getUniqueId()) && player.isOnline()) {
                me.connection().send(PlayPackets.playerListItem(player.getPlayerListName(), true, 0));
            }
            return null;
        });
    }

    public boolean canSee(Player player) {
        synchronized (game().lock()) {
            return player != null && !hidden.contains(player.getUniqueId());
        }
    }

    // --- speeds, sent with Player Abilities (which carries half the API's value) ---

    volatile float walkSpeed = 0.2f;
    volatile float flySpeed = 0.1f;

    private static void checkSpeed(float value) {
        if (value < -1f || value > 1f || Float.isNaN(value)) {
            throw new IllegalArgumentException(value + " is not between -1 and 1");
        }
    }

    public void setFlySpeed(float value) throws IllegalArgumentException {
        checkSpeed(value);
        flySpeed = value;
        self().sendAbilities();
    }

    public void setWalkSpeed(float value) throws IllegalArgumentException {
        checkSpeed(value);
        walkSpeed = value;
        self().sendAbilities();
    }

    public float getFlySpeed() { return flySpeed; }
    public float getWalkSpeed() { return walkSpeed; }

    @Deprecated
    public void setTexturePack(String url) { setResourcePack(url); }

    /** Tells the client to download the resource pack from that address (a 1.7 client asks the player first). */
    public void setResourcePack(String url) {
        if (url == null) {
            throw new IllegalArgumentException("resource pack address");
        }
        self().connection().send(PlayPackets.pluginMessage(PlayPackets.RESOURCE_PACK_CHANNEL,
                url.getBytes(java.nio.charset.StandardCharsets.UTF_8)));
    }

    // --- achievements and statistics ---

    final PlayerStats stats = new PlayerStats();

    /** Awards it (and the parents it needs first); the client shows each newly earned one. */
    public void awardAchievement(Achievement achievement) {
        if (achievement == null) {
            throw new IllegalArgumentException("achievement");
        }
        List<Achievement> fresh = stats.award(achievement);
        if (fresh.isEmpty()) {
            return;
        }
        Map<String, Integer> values = new java.util.LinkedHashMap<String, Integer>();
        for (Achievement a : fresh) {
            values.put(PlayerStats.achievementName(a), 1);
        }
        self().connection().send(PlayPackets.statistics(values));
    }

    public void removeAchievement(Achievement achievement) { stats.remove(achievement); }
    public boolean hasAchievement(Achievement achievement) { return stats.has(achievement); }

    private static int positive(int amount) {
        if (amount <= 0) {
            throw new IllegalArgumentException("the amount must be above 0, not " + amount);
        }
        return amount;
    }

    public void incrementStatistic(Statistic s) { stats.add(s, 1); }
    public void decrementStatistic(Statistic s) { stats.add(s, -1); }
    public void incrementStatistic(Statistic s, int amount) { stats.add(s, positive(amount)); }
    public void decrementStatistic(Statistic s, int amount) { stats.add(s, -positive(amount)); }
    public void setStatistic(Statistic s, int value) { stats.set(s, value); }
    public int getStatistic(Statistic s) { return stats.get(s); }
    public void incrementStatistic(Statistic s, Material m) { stats.add(s, m, 1); }
    public void decrementStatistic(Statistic s, Material m) { stats.add(s, m, -1); }
    public int getStatistic(Statistic s, Material m) { return stats.get(s, m); }
    public void incrementStatistic(Statistic s, Material m, int amount) { stats.add(s, m, positive(amount)); }
    public void decrementStatistic(Statistic s, Material m, int amount) { stats.add(s, m, -positive(amount)); }
    public void setStatistic(Statistic s, Material m, int value) { stats.set(s, m, value); }
    public void incrementStatistic(Statistic s, EntityType e) { stats.add(s, e, 1); }
    public void decrementStatistic(Statistic s, EntityType e) { stats.add(s, e, -1); }
    public int getStatistic(Statistic s, EntityType e) { return stats.get(s, e); }
    public void incrementStatistic(Statistic s, EntityType e, int amount) { stats.add(s, e, positive(amount)); }
    public void decrementStatistic(Statistic s, EntityType e, int amount) { stats.add(s, e, -positive(amount)); }
    public void setStatistic(Statistic s, EntityType e, int value) { stats.set(s, e, value); }

    // --- scoreboard: which board this player sees, drawn by his client ---

    private volatile Scoreboard scoreboard;

    public Scoreboard getScoreboard() {
        Scoreboard s = scoreboard;
        return s == null ? game().mainScoreboard() : s;
    }

    public void setScoreboard(Scoreboard board) throws IllegalArgumentException, IllegalStateException {
        if (board == null) {
            throw new IllegalArgumentException("Scoreboard cannot be null");
        }
        if (!game().madeHere(board)) {
            throw new IllegalArgumentException("Cannot set player scoreboard to an unregistered Scoreboard");
        }
        if (!isOnline()) {
            throw new IllegalStateException("Cannot set scoreboard yet");
        }
        Scoreboard old = getScoreboard();
        scoreboard = board;
        if (old != board) {
            game().showScoreboard(self(), old, board);
        }
    }

    // --- conversations: while one runs, what the player types goes to it ---

    public final Conversations conversations = new Conversations();

    public boolean isConversing() { return conversations.isConversing(); }
    public void acceptConversationInput(String input) { conversations.accept(input); }
    public boolean beginConversation(Conversation conversation) { return conversations.begin(conversation); }
    public void abandonConversation(Conversation conversation) { conversations.abandon(conversation); }

    public void abandonConversation(Conversation conversation, ConversationAbandonedEvent details) {
        conversations.abandon(conversation, details);
    }

    // --- saving in a configuration, and the windows plugins open (blocks) ---

    /** Saved as the player's UUID, as servers of 1.7.9 save players in configurations. */
    public java.util.Map<String, Object> serialize() {
        java.util.Map<String, Object> out = new java.util.LinkedHashMap<String, Object>();
        out.put("UUID", getUniqueId().toString());
        return out;
    }

    /** Opens the inventory as a window (see ApiInventories.open); null when it cannot be shown. */
    public org.bukkit.inventory.InventoryView openInventory(final Inventory inventory) {
        if (inventory == null) {
            return null;
        }
        return onGameThread(() -> {
            return self().isOnline() ? game().openInventory(self(), inventory) : null;
        });
    }

    public void openInventory(org.bukkit.inventory.InventoryView view) {
        if (view != null) {
            openInventory(view.getTopInventory());
        }
    }

    /**
     * A crafting table's window at the place (null: where the player stands). Without force only
     * where a table is and within reach; with force anywhere, and it stays open wherever he goes.
     */
    public org.bukkit.inventory.InventoryView openWorkbench(final org.bukkit.Location location, final boolean force) {
        return onGameThread(() -> {
            OnlinePlayer p = self();
            int x = location == null ? (int) Math.floor(p.x) : location.getBlockX();
            int y = location == null ? (int) Math.floor(p.y) : location.getBlockY();
            int z = location == null ? (int) Math.floor(p.z) : location.getBlockZ();
            boolean table = game().blocks().blockAt(x, y, z) == BlockIds.CRAFTING_TABLE;
            if (!force && !table) {
                return null;
            }
            return game().openWorkbench(p, x, y, z, force && !table);
        });
    }

    /** Enchanting tables are not modelled here: no window opens, null. */
    public org.bukkit.inventory.InventoryView openEnchanting(org.bukkit.Location location, boolean force) { return null; }

    /**
     * Window properties are the progress bars of furnaces and brewing stands and an enchanting
     * table's buttons; the server shows none of those windows, so there is nothing to set: false.
     */
    public boolean setWindowProperty(org.bukkit.inventory.InventoryView.Property prop, int value) { return false; }
}
