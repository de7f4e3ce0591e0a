package org.bukkit.scoreboard;

import org.bukkit.OfflinePlayer;

public interface Objective {
    String getCriteria() throws IllegalStateException;
    String getDisplayName() throws IllegalStateException;
    DisplaySlot getDisplaySlot() throws IllegalStateException;
    String getName() throws IllegalStateException;
    @Deprecated
    Score getScore(OfflinePlayer player) throws IllegalArgumentException, IllegalStateException;
    Score getScore(String entry) throws IllegalArgumentException, IllegalStateException;
    Scoreboard getScoreboard();
    boolean isModifiable() throws IllegalStateException;
    void setDisplayName(String displayName) throws IllegalStateException, IllegalArgumentException;
    void setDisplaySlot(DisplaySlot displaySlot) throws IllegalStateException;
    void unregister() throws IllegalStateException;
}
