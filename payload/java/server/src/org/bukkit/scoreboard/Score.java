package org.bukkit.scoreboard;

import org.bukkit.OfflinePlayer;

public interface Score {
    String getEntry();
    Objective getObjective();
    @Deprecated
    OfflinePlayer getPlayer();
    int getScore() throws IllegalStateException;
    Scoreboard getScoreboard();
    void setScore(int score) throws IllegalStateException;
}
