package net.cubeworks.world.game;

import java.util.ArrayList;
import java.util.Collection;
import java.util.Collections;
import java.util.List;
import java.util.EnumMap;
import java.util.HashMap;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.Map;
import java.util.Set;

import org.bukkit.OfflinePlayer;
import org.bukkit.Server;
import org.bukkit.scoreboard.DisplaySlot;
import org.bukkit.scoreboard.Objective;
import org.bukkit.scoreboard.Score;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.scoreboard.Team;

import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A scoreboard kept in memory for the session: objectives with their entries' scores and
 * display slots, and teams of players. Names follow the game's limits (16 characters for
 * objective, team and entry names and for team prefixes and suffixes, 32 for display names).
 * Everything is guarded by the board itself. The players who see the board are sent each change
 * in the game's scoreboard packets, and the whole board when they come to see it.
 */
final class ApiScoreboard implements Scoreboard {
    static final int NAME_LIMIT = 16;
    static final int DISPLAY_NAME_LIMIT = 32;

    private final Server server;
    /** The game whose players may see this board; null for a board no one sees (in tests). */
    private final Game game;
    private final Map<String, ApiObjective> objectives = new LinkedHashMap<String, ApiObjective>();
    private final Map<String, ApiTeam> teams = new LinkedHashMap<String, ApiTeam>();
    /** Each player's team by his name. */
    private final Map<String, ApiTeam> teamOf = new HashMap<String, ApiTeam>();
    private final Map<DisplaySlot, ApiObjective> slots = new EnumMap<DisplaySlot, ApiObjective>(DisplaySlot.class);

    ApiScoreboard(Server server, Game game) {
        this.server = server;
        this.game = game;
    }

    /** Sends a change to the players who see this board. */
    private void broadcast(PacketOut packet) {
        if (game == null) {
            return;
        }
        byte[] frame = packet.frame();
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            if (p.getScoreboard() == this) {
                p.connection().sendFrame(frame);
            }
        }
    }

    private static int slotNumber(DisplaySlot slot) {
        return slot == DisplaySlot.PLAYER_LIST ? 0 : slot == DisplaySlot.SIDEBAR ? 1 : 2;
    }

    /** Everything on the board, as a client that comes to see it is to be told. */
    synchronized List<PacketOut> wholeBoard() {
        List<PacketOut> out = new ArrayList<PacketOut>();
        for (ApiObjective o : objectives.values()) {
            out.add(PlayPackets.scoreboardObjective(o.name, o.displayName, 0));
            for (Map.Entry<String, Integer> e : o.scores.entrySet()) {
                out.add(PlayPackets.updateScore(e.getKey(), o.name, e.getValue()));
            }
        }
        for (Map.Entry<DisplaySlot, ApiObjective> e : slots.entrySet()) {
            out.add(PlayPackets.displayScoreboard(slotNumber(e.getKey()), e.getValue().name));
        }
        for (ApiTeam t : teams.values()) {
            out.add(t.packet(0, t.players));
        }
        return out;
    }

    /** What takes the board away from a client that sees another from now on. */
    synchronized List<PacketOut> removal() {
        List<PacketOut> out = new ArrayList<PacketOut>();
        for (ApiObjective o : objectives.values()) {
            out.add(PlayPackets.scoreboardObjective(o.name, o.displayName, 1));
        }
        for (ApiTeam t : teams.values()) {
            out.add(PlayPackets.teams(t.name, 1, "", "", "", 0, Collections.<String>emptyList()));
        }
        return out;
    }

    static void checkLength(String what, String value, int limit) {
        if (value == null) {
            throw new IllegalArgumentException(what + " cannot be null");
        }
        if (value.length() > limit) {
            throw new IllegalArgumentException(what + " '" + value + "' is longer than " + limit + " characters");
        }
    }

    private static String nameOf(OfflinePlayer player) {
        if (player == null) {
            throw new IllegalArgumentException("player cannot be null");
        }
        return player.getName();
    }

    public synchronized Objective registerNewObjective(String name, String criteria) {
        checkLength("Objective name", name, NAME_LIMIT);
        if (criteria == null) {
            throw new IllegalArgumentException("criteria cannot be null");
        }
        if (objectives.containsKey(name)) {
            throw new IllegalArgumentException("An objective of name '" + name + "' already exists");
        }
        ApiObjective o = new ApiObjective(name, criteria);
        objectives.put(name, o);
        broadcast(PlayPackets.scoreboardObjective(name, name, 0));
        return o;
    }

    public synchronized Objective getObjective(String name) {
        if (name == null) {
            throw new IllegalArgumentException("name cannot be null");
        }
        return objectives.get(name);
    }

    public synchronized Set<Objective> getObjectivesByCriteria(String criteria) {
        if (criteria == null) {
            throw new IllegalArgumentException("criteria cannot be null");
        }
        Set<Objective> out = new LinkedHashSet<Objective>();
        for (ApiObjective o : objectives.values()) {
            if (o.criteria.equals(criteria)) {
                out.add(o);
            }
        }
        return out;
    }

    public synchronized Set<Objective> getObjectives() {
        return new LinkedHashSet<Objective>(objectives.values());
    }

    public synchronized Objective getObjective(DisplaySlot slot) {
        if (slot == null) {
            throw new IllegalArgumentException("slot cannot be null");
        }
        return slots.get(slot);
    }

    public synchronized void clearSlot(DisplaySlot slot) {
        if (slot == null) {
            throw new IllegalArgumentException("slot cannot be null");
        }
        if (slots.remove(slot) != null) {
            broadcast(PlayPackets.displayScoreboard(slotNumber(slot), ""));
        }
    }

    @Deprecated
    public Set<Score> getScores(OfflinePlayer player) {
        return getScores(nameOf(player));
    }

    public synchronized Set<Score> getScores(String entry) {
        if (entry == null) {
            throw new IllegalArgumentException("entry cannot be null");
        }
        Set<Score> out = new LinkedHashSet<Score>();
        for (ApiObjective o : objectives.values()) {
            if (o.scores.containsKey(entry)) {
                out.add(o.new ApiScore(entry));
            }
        }
        return out;
    }

    @Deprecated
    public void resetScores(OfflinePlayer player) {
        resetScores(nameOf(player));
    }

    public synchronized void resetScores(String entry) {
        if (entry == null) {
            throw new IllegalArgumentException("entry cannot be null");
        }
        boolean had = false;
        for (ApiObjective o : objectives.values()) {
            had |= o.scores.remove(entry) != null;
        }
        if (had) {
            broadcast(PlayPackets.removeScore(entry));
        }
    }

    public synchronized Team getPlayerTeam(OfflinePlayer player) {
        return teamOf.get(nameOf(player));
    }

    public synchronized Team getTeam(String teamName) {
        if (teamName == null) {
            throw new IllegalArgumentException("team name cannot be null");
        }
        return teams.get(teamName);
    }

    public synchronized Set<Team> getTeams() {
        return new LinkedHashSet<Team>(teams.values());
    }

    public synchronized Team registerNewTeam(String name) {
        checkLength("Team name", name, NAME_LIMIT);
        if (teams.containsKey(name)) {
            throw new IllegalArgumentException("Team name '" + name + "' is already in use");
        }
        ApiTeam t = new ApiTeam(name);
        teams.put(name, t);
        broadcast(t.packet(0, t.players));
        return t;
    }

    @Deprecated
    public synchronized Set<OfflinePlayer> getPlayers() {
        Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
        for (String entry : getEntries()) {
            out.add(server.getOfflinePlayer(entry));
        }
        return out;
    }

    public synchronized Set<String> getEntries() {
        Set<String> out = new LinkedHashSet<String>();
        for (ApiObjective o : objectives.values()) {
            out.addAll(o.scores.keySet());
        }
        return out;
    }

    /** An objective of this board; unregistered, it refuses every use. */
    final class ApiObjective implements Objective {
        private final String name;
        private final String criteria;
        private String displayName;
        private boolean registered = true;
        private final Map<String, Integer> scores = new LinkedHashMap<String, Integer>();

        ApiObjective(String name, String criteria) {
            this.name = name;
            this.criteria = criteria;
            this.displayName = name;
        }

        private void check() {
            if (!registered) {
                throw new IllegalStateException("Unregistered scoreboard component");
            }
        }

        public String getName() {
            synchronized (ApiScoreboard.this) {
                check();
                return name;
            }
        }

        public String getDisplayName() {
            synchronized (ApiScoreboard.this) {
                check();
                return displayName;
            }
        }

        public void setDisplayName(String displayName) {
            checkLength("Display name", displayName, DISPLAY_NAME_LIMIT);
            synchronized (ApiScoreboard.this) {
                check();
                this.displayName = displayName;
                broadcast(PlayPackets.scoreboardObjective(name, displayName, 2));
            }
        }

        public String getCriteria() {
            synchronized (ApiScoreboard.this) {
                check();
                return criteria;
            }
        }

        /** Only dummy objectives take scores from plugins; the game's criteria keep their own. */
        public boolean isModifiable() {
            synchronized (ApiScoreboard.this) {
                check();
                return !org.bukkit.scoreboard.Criterias.HEALTH.equals(criteria);
            }
        }

        public Scoreboard getScoreboard() {
            return ApiScoreboard.this;
        }

        public void unregister() {
            synchronized (ApiScoreboard.this) {
                check();
                registered = false;
                objectives.remove(name);
                slots.values().removeAll(Collections.singleton(this));
                broadcast(PlayPackets.scoreboardObjective(name, displayName, 1));
            }
        }

        public void setDisplaySlot(DisplaySlot slot) {
            synchronized (ApiScoreboard.this) {
                check();
                DisplaySlot old = null;
                for (Map.Entry<DisplaySlot, ApiObjective> e : slots.entrySet()) {
                    if (e.getValue() == this) {
                        old = e.getKey();
                    }
                }
                if (old != null && old != slot) {
                    slots.remove(old);
                    broadcast(PlayPackets.displayScoreboard(slotNumber(old), ""));
                }
                if (slot != null) {
                    slots.put(slot, this);
                    broadcast(PlayPackets.displayScoreboard(slotNumber(slot), name));
                }
            }
        }

        public DisplaySlot getDisplaySlot() {
            synchronized (ApiScoreboard.this) {
                check();
                for (Map.Entry<DisplaySlot, ApiObjective> e : slots.entrySet()) {
                    if (e.getValue() == this) {
                        return e.getKey();
                    }
                }
                return null;
            }
        }

        @Deprecated
        public Score getScore(OfflinePlayer player) {
            return getScore(nameOf(player));
        }

        public Score getScore(String entry) {
            checkLength("Entry", entry, NAME_LIMIT);
            synchronized (ApiScoreboard.this) {
                check();
                return new ApiScore(entry);
            }
        }

        /** An entry's score in this objective; reading one never set gives 0. */
        final class ApiScore implements Score {
            private final String entry;

            ApiScore(String entry) {
                this.entry = entry;
            }

            public String getEntry() {
                return entry;
            }

            @Deprecated
            public OfflinePlayer getPlayer() {
                return server.getOfflinePlayer(entry);
            }

            public Objective getObjective() {
                return ApiObjective.this;
            }

            public int getScore() {
                synchronized (ApiScoreboard.this) {
                    check();
                    Integer v = scores.get(entry);
                    return v == null ? 0 : v;
                }
            }

            public void setScore(int score) {
                synchronized (ApiScoreboard.this) {
                    check();
                    scores.put(entry, score);
                    broadcast(PlayPackets.updateScore(entry, name, score));
                }
            }

            public Scoreboard getScoreboard() {
                return ApiScoreboard.this;
            }

            @Override
            public boolean equals(Object o) {
                return o instanceof ApiScore && ((ApiScore) o).getObjective() == ApiObjective.this
                        && ((ApiScore) o).entry.equals(entry);
            }

            @Override
            public int hashCode() {
                return entry.hashCode() * 31 + name.hashCode();
            }
        }
    }

    /** A team of this board; unregistered, it refuses every use. */
    final class ApiTeam implements Team {
        private final String name;
        private String displayName;
        private String prefix = "";
        private String suffix = "";
        private boolean friendlyFire = true;
        private boolean seeInvisibles;
        private boolean registered = true;
        private final Set<String> players = new LinkedHashSet<String>();

        ApiTeam(String name) {
            this.name = name;
            this.displayName = name;
        }

        /** The Teams packet of this team in that mode, with those players. */
        PacketOut packet(int mode, Collection<String> names) {
            int flags = (friendlyFire ? 1 : 0) | (seeInvisibles ? 2 : 0);
            return PlayPackets.teams(name, mode, displayName, prefix, suffix, flags, new ArrayList<String>(names));
        }

        private void check() {
            if (!registered) {
                throw new IllegalStateException("Unregistered scoreboard component");
            }
        }

        public String getName() {
            synchronized (ApiScoreboard.this) {
                check();
                return name;
            }
        }

        public String getDisplayName() {
            synchronized (ApiScoreboard.this) {
                check();
                return displayName;
            }
        }

        public void setDisplayName(String displayName) {
            checkLength("Display name", displayName, DISPLAY_NAME_LIMIT);
            synchronized (ApiScoreboard.this) {
                check();
                this.displayName = displayName;
                broadcast(packet(2, players));
            }
        }

        public String getPrefix() {
            synchronized (ApiScoreboard.this) {
                check();
                return prefix;
            }
        }

        public void setPrefix(String prefix) {
            checkLength("Prefix", prefix, NAME_LIMIT);
            synchronized (ApiScoreboard.this) {
                check();
                this.prefix = prefix;
                broadcast(packet(2, players));
            }
        }

        public String getSuffix() {
            synchronized (ApiScoreboard.this) {
                check();
                return suffix;
            }
        }

        public void setSuffix(String suffix) {
            checkLength("Suffix", suffix, NAME_LIMIT);
            synchronized (ApiScoreboard.this) {
                check();
                this.suffix = suffix;
                broadcast(packet(2, players));
            }
        }

        public boolean allowFriendlyFire() {
            synchronized (ApiScoreboard.this) {
                check();
                return friendlyFire;
            }
        }

        public void setAllowFriendlyFire(boolean enabled) {
            synchronized (ApiScoreboard.this) {
                check();
                friendlyFire = enabled;
                broadcast(packet(2, players));
            }
        }

        public boolean canSeeFriendlyInvisibles() {
            synchronized (ApiScoreboard.this) {
                check();
                return seeInvisibles;
            }
        }

        public void setCanSeeFriendlyInvisibles(boolean enabled) {
            synchronized (ApiScoreboard.this) {
                check();
                seeInvisibles = enabled;
                broadcast(packet(2, players));
            }
        }

        public Set<OfflinePlayer> getPlayers() {
            Set<String> names;
            synchronized (ApiScoreboard.this) {
                check();
                names = new HashSet<String>(players);
            }
            Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
            for (String n : names) {
                out.add(server.getOfflinePlayer(n));
            }
            return out;
        }

        public int getSize() {
            synchronized (ApiScoreboard.this) {
                check();
                return players.size();
            }
        }

        public Scoreboard getScoreboard() {
            return ApiScoreboard.this;
        }

        /** Adds the player, taking him out of any other team of this board. */
        public void addPlayer(OfflinePlayer player) {
            String n = nameOf(player);
            synchronized (ApiScoreboard.this) {
                check();
                ApiTeam old = teamOf.get(n);
                if (old == this) {
                    return;
                }
                if (old != null) {
                    old.players.remove(n);
                    broadcast(old.packet(4, Collections.singletonList(n)));
                }
                players.add(n);
                teamOf.put(n, this);
                broadcast(packet(3, Collections.singletonList(n)));
            }
        }

        public boolean removePlayer(OfflinePlayer player) {
            String n = nameOf(player);
            synchronized (ApiScoreboard.this) {
                check();
                if (!players.remove(n)) {
                    return false;
                }
                teamOf.remove(n);
                broadcast(packet(4, Collections.singletonList(n)));
                return true;
            }
        }

        public boolean hasPlayer(OfflinePlayer player) {
            String n = nameOf(player);
            synchronized (ApiScoreboard.this) {
                check();
                return players.contains(n);
            }
        }

        public void unregister() {
            synchronized (ApiScoreboard.this) {
                check();
                registered = false;
                teams.remove(name);
                for (String n : players) {
                    teamOf.remove(n);
                }
                players.clear();
                broadcast(PlayPackets.teams(name, 1, "", "", "", 0, Collections.<String>emptyList()));
            }
        }
    }
}
