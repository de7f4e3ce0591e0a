package org.bukkit.scoreboard;

public interface ScoreboardManager {
    Scoreboard getMainScoreboard();
    Scoreboard getNewScoreboard();
}
