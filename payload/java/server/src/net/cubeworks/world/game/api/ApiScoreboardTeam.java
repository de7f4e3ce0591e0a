package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.Collection;
import java.util.Collections;
import java.util.HashSet;
import java.util.LinkedHashSet;
import java.util.Set;

import org.bukkit.OfflinePlayer;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.scoreboard.Team;

import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/** A team of a board; unregistered, it refuses every use. */
final class ApiScoreboardTeam implements Team {
    private final ApiScoreboard board;

    final String name;
    private String displayName;
    private String prefix = "";
    private String suffix = "";
    private boolean friendlyFire = true;
    private boolean seeInvisibles;
    private boolean registered = true;
    final Set<String> players = new LinkedHashSet<String>();

    ApiScoreboardTeam(ApiScoreboard board, String name) {
        this.board = board;
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
        synchronized (board) {
            check();
            return name;
        }
    }

    public String getDisplayName() {
        synchronized (board) {
            check();
            return displayName;
        }
    }

    public void setDisplayName(String displayName) {
        ApiScoreboard.checkLength("Display name", displayName, ApiScoreboard.DISPLAY_NAME_LIMIT);
        synchronized (board) {
            check();
            this.displayName = displayName;
            board.broadcast(packet(2, players));
        }
    }

    public String getPrefix() {
        synchronized (board) {
            check();
            return prefix;
        }
    }

    public void setPrefix(String prefix) {
        ApiScoreboard.checkLength("Prefix", prefix, ApiScoreboard.NAME_LIMIT);
        synchronized (board) {
            check();
            this.prefix = prefix;
            board.broadcast(packet(2, players));
        }
    }

    public String getSuffix() {
        synchronized (board) {
            check();
            return suffix;
        }
    }

    public void setSuffix(String suffix) {
        ApiScoreboard.checkLength("Suffix", suffix, ApiScoreboard.NAME_LIMIT);
        synchronized (board) {
            check();
            this.suffix = suffix;
            board.broadcast(packet(2, players));
        }
    }

    public boolean allowFriendlyFire() {
        synchronized (board) {
            check();
            return friendlyFire;
        }
    }

    public void setAllowFriendlyFire(boolean enabled) {
        synchronized (board) {
            check();
            friendlyFire = enabled;
            board.broadcast(packet(2, players));
        }
    }

    public boolean canSeeFriendlyInvisibles() {
        synchronized (board) {
            check();
            return seeInvisibles;
        }
    }

    public void setCanSeeFriendlyInvisibles(boolean enabled) {
        synchronized (board) {
            check();
            seeInvisibles = enabled;
            board.broadcast(packet(2, players));
        }
    }

    public Set<OfflinePlayer> getPlayers() {
        Set<String> names;
        synchronized (board) {
            check();
            names = new HashSet<String>(players);
        }
        Set<OfflinePlayer> out = new LinkedHashSet<OfflinePlayer>();
        for (String n : names) {
            out.add(board.server.getOfflinePlayer(n));
        }
        return out;
    }

    public int getSize() {
        synchronized (board) {
            check();
            return players.size();
        }
    }

    public Scoreboard getScoreboard() {
        return board;
    }

    /** Adds the player, taking him out of any other team of a board. */
    public void addPlayer(OfflinePlayer player) {
        String n = ApiScoreboard.nameOf(player);
        synchronized (board) {
            check();
            ApiScoreboardTeam old = board.teamOf.get(n);
            if (old == this) {
                return;
            }
            if (old != null) {
                old.players.remove(n);
                board.broadcast(old.packet(4, Collections.singletonList(n)));
            }
            players.add(n);
            board.teamOf.put(n, this);
            board.broadcast(packet(3, Collections.singletonList(n)));
        }
    }

    public boolean removePlayer(OfflinePlayer player) {
        String n = ApiScoreboard.nameOf(player);
        synchronized (board) {
            check();
            if (!players.remove(n)) {
                return false;
            }
            board.teamOf.remove(n);
            board.broadcast(packet(4, Collections.singletonList(n)));
            return true;
        }
    }

    public boolean hasPlayer(OfflinePlayer player) {
        String n = ApiScoreboard.nameOf(player);
        synchronized (board) {
            check();
            return players.contains(n);
        }
    }

    public void unregister() {
        synchronized (board) {
            check();
            registered = false;
            board.teams.remove(name);
            for (String n : players) {
                board.teamOf.remove(n);
            }
            players.clear();
            board.broadcast(PlayPackets.teams(name, 1, "", "", "", 0, Collections.<String>emptyList()));
        }
    }
}
