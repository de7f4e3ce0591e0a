package org.bukkit.scoreboard;

import java.util.Set;
import org.bukkit.OfflinePlayer;

public interface Scoreboard {
    void clearSlot(DisplaySlot slot) throws IllegalArgumentException;
    Set<String> getEntries();
    Objective getObjective(DisplaySlot slot) throws IllegalArgumentException;
    Objective getObjective(String name) throws IllegalArgumentException;
    Set<Objective> getObjectives();
    Set<Objective> getObjectivesByCriteria(String criteria) throws IllegalArgumentException;
    Team getPlayerTeam(OfflinePlayer player) throws IllegalArgumentException;
    @Deprecated
    Set<OfflinePlayer> getPlayers();
    Set<Score> getScores(String entry) throws IllegalArgumentException;
    @Deprecated
    Set<Score> getScores(OfflinePlayer player) throws IllegalArgumentException;
    Team getTeam(String teamName) throws IllegalArgumentException;
    Set<Team> getTeams();
    Objective registerNewObjective(String name, String criteria) throws IllegalArgumentException;
    Team registerNewTeam(String name) throws IllegalArgumentException;
    void resetScores(String entry) throws IllegalArgumentException;
    @Deprecated
    void resetScores(OfflinePlayer player) throws IllegalArgumentException;
}
