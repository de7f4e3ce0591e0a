package org.bukkit.scoreboard;

/** The criteria the game itself keeps scores for; any other name is a dummy a plugin sets. */
public class Criterias {
    public static final String HEALTH = "health";
    public static final String PLAYER_KILLS = "playerKillCount";
    public static final String TOTAL_KILLS = "totalKillCount";
    public static final String DEATHS = "deathCount";

    private Criterias() {
    }
}
