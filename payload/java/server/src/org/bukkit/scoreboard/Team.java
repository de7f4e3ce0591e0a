package org.bukkit.scoreboard;

import java.util.Set;
import org.bukkit.OfflinePlayer;

public interface Team {
    void addPlayer(OfflinePlayer player) throws IllegalStateException, IllegalArgumentException;
    boolean allowFriendlyFire() throws IllegalStateException;
    boolean canSeeFriendlyInvisibles() throws IllegalStateException;
    String getDisplayName() throws IllegalStateException;
    String getName() throws IllegalStateException;
    Set<OfflinePlayer> getPlayers() throws IllegalStateException;
    String getPrefix() throws IllegalStateException;
    Scoreboard getScoreboard();
    int getSize() throws IllegalStateException;
    String getSuffix() throws IllegalStateException;
    boolean hasPlayer(OfflinePlayer player) throws IllegalArgumentException, IllegalStateException;
    boolean removePlayer(OfflinePlayer player) throws IllegalStateException, IllegalArgumentException;
    void setAllowFriendlyFire(boolean enabled) throws IllegalStateException;
    void setCanSeeFriendlyInvisibles(boolean enabled) throws IllegalStateException;
    void setDisplayName(String displayName) throws IllegalStateException, IllegalArgumentException;
    void setPrefix(String prefix) throws IllegalStateException, IllegalArgumentException;
    void setSuffix(String suffix) throws IllegalStateException, IllegalArgumentException;
    void unregister() throws IllegalStateException;
}
