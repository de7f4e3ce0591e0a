package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.Collections;
import java.util.EnumMap;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
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
public final class ApiScoreboard implements Scoreboard {
    static final int NAME_LIMIT = 16;
    static final int DISPLAY_NAME_LIMIT = 32;

    final Server server;
    /** The players who may see this board; null for a board no one sees (in tests). */
    private final BoardAudience audience;
    final Map<String, ApiScoreboardObjective> objectives = new LinkedHashMap<String, ApiScoreboardObjective>();
    final Map<String, ApiScoreboardTeam> teams = new LinkedHashMap<String, ApiScoreboardTeam>();
    /** Each player's team by his name. */
    final Map<String, ApiScoreboardTeam> teamOf = new HashMap<String, ApiScoreboardTeam>();
    final Map<DisplaySlot, ApiScoreboardObjective> slots = new EnumMap<DisplaySlot, ApiScoreboardObjective>(DisplaySlot.class);

    public ApiScoreboard(Server server, BoardAudience audience) {
        this.server = server;
        this.audience = audience;
    }

    /** Sends a change to the players who see this board. */
    void broadcast(PacketOut packet) {
        if (audience != null) {
            audience.sendToViewersOf(this, packet.frame());
        }
    }

    static int slotNumber(DisplaySlot slot) {
        return slot == DisplaySlot.PLAYER_LIST ? 0 : slot == DisplaySlot.SIDEBAR ? 1 : 2;
    }

    /** Everything on the board, as a client that comes to see it is to be told. */
    public synchronized List<PacketOut> wholeBoard() {
        List<PacketOut> out = new ArrayList<PacketOut>();
        for (ApiScoreboardObjective o : objectives.values()) {
            out.add(PlayPackets.scoreboardObjective(o.name, o.displayName, 0));
            for (Map.Entry<String, Integer> e : o.scores.entrySet()) {
                out.add(PlayPackets.updateScore(e.getKey(), o.name, e.getValue()));
            }
        }
        for (Map.Entry<DisplaySlot, ApiScoreboardObjective> e : slots.entrySet()) {
            out.add(PlayPackets.displayScoreboard(slotNumber(e.getKey()), e.getValue().name));
        }
        for (ApiScoreboardTeam t : teams.values()) {
            out.add(t.packet(0, t.players));
        }
        return out;
    }

    /** What takes the board away from a client that sees another from now on. */
    public synchronized List<PacketOut> removal() {
        List<PacketOut> out = new ArrayList<PacketOut>();
        for (ApiScoreboardObjective o : objectives.values()) {
            out.add(PlayPackets.scoreboardObjective(o.name, o.displayName, 1));
        }
        for (ApiScoreboardTeam t : teams.values()) {
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

    static String nameOf(OfflinePlayer player) {
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
        ApiScoreboardObjective o = new ApiScoreboardObjective(this, name, criteria);
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
        for (ApiScoreboardObjective o : objectives.values()) {
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
        for (ApiScoreboardObjective o : objectives.values()) {
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
        for (ApiScoreboardObjective o : objectives.values()) {
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
        ApiScoreboardTeam t = new ApiScoreboardTeam(this, name);
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
        for (ApiScoreboardObjective o : objectives.values()) {
            out.addAll(o.scores.keySet());
        }
        return out;
    }

}
