package org.bukkit.scoreboard;

/** Where the client shows an objective: under players' names, in the player list, or at the side. */
public enum DisplaySlot {
    BELOW_NAME, PLAYER_LIST, SIDEBAR
}
