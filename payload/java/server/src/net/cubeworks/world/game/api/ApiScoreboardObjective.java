package net.cubeworks.world.game.api;

import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.OfflinePlayer;
import org.bukkit.scoreboard.DisplaySlot;
import org.bukkit.scoreboard.Objective;
import org.bukkit.scoreboard.Score;
import org.bukkit.scoreboard.Scoreboard;

import net.cubeworks.world.protocol.PlayPackets;

/** An objective of a board; unregistered, it refuses every use. */
final class ApiScoreboardObjective implements Objective {
    private final ApiScoreboard board;

    final String name;
    final String criteria;
    String displayName;
    private boolean registered = true;
    final Map<String, Integer> scores = new LinkedHashMap<String, Integer>();

    ApiScoreboardObjective(ApiScoreboard board, String name, String criteria) {
        this.board = board;
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
            board.broadcast(PlayPackets.scoreboardObjective(name, displayName, 2));
        }
    }

    public String getCriteria() {
        synchronized (board) {
            check();
            return criteria;
        }
    }

    /** Only dummy objectives take scores from plugins; the game's criteria keep their own. */
    public boolean isModifiable() {
        synchronized (board) {
            check();
            return !org.bukkit.scoreboard.Criterias.HEALTH.equals(criteria);
        }
    }

    public Scoreboard getScoreboard() {
        return board;
    }

    public void unregister() {
        synchronized (board) {
            check();
            registered = false;
            board.objectives.remove(name);
            board.slots.values().removeAll(Collections.singleton(this));
            board.broadcast(PlayPackets.scoreboardObjective(name, displayName, 1));
        }
    }

    public void setDisplaySlot(DisplaySlot slot) {
        synchronized (board) {
            check();
            DisplaySlot old = null;
            for (Map.Entry<DisplaySlot, ApiScoreboardObjective> e : board.slots.entrySet()) {
                if (e.getValue() == this) {
                    old = e.getKey();
                }
            }
            if (old != null && old != slot) {
                board.slots.remove(old);
                board.broadcast(PlayPackets.displayScoreboard(ApiScoreboard.slotNumber(old), ""));
            }
            if (slot != null) {
                board.slots.put(slot, this);
                board.broadcast(PlayPackets.displayScoreboard(ApiScoreboard.slotNumber(slot), name));
            }
        }
    }

    public DisplaySlot getDisplaySlot() {
        synchronized (board) {
            check();
            for (Map.Entry<DisplaySlot, ApiScoreboardObjective> e : board.slots.entrySet()) {
                if (e.getValue() == this) {
                    return e.getKey();
                }
            }
            return null;
        }
    }

    @Deprecated
    public Score getScore(OfflinePlayer player) {
        return getScore(ApiScoreboard.nameOf(player));
    }

    public Score getScore(String entry) {
        ApiScoreboard.checkLength("Entry", entry, ApiScoreboard.NAME_LIMIT);
        synchronized (board) {
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
            return board.server.getOfflinePlayer(entry);
        }

        public Objective getObjective() {
            return ApiScoreboardObjective.this;
        }

        public int getScore() {
            synchronized (board) {
                check();
                Integer v = scores.get(entry);
                return v == null ? 0 : v;
            }
        }

        public void setScore(int score) {
            synchronized (board) {
                check();
                scores.put(entry, score);
                board.broadcast(PlayPackets.updateScore(entry, name, score));
            }
        }

        public Scoreboard getScoreboard() {
            return board;
        }

        @Override
        public boolean equals(Object o) {
            return o instanceof ApiScore && ((ApiScore) o).getObjective() == ApiScoreboardObjective.this
                    && ((ApiScore) o).entry.equals(entry);
        }

        @Override
        public int hashCode() {
            return entry.hashCode() * 31 + name.hashCode();
        }
    }
}
