package net.cubeworks.world.storage;

import java.util.ArrayList;
import java.util.List;

/**
 * What the world keeps of its main scoreboard between runs (data/scoreboard.dat): the
 * objectives, the entries' scores, the teams and which objective each display slot shows.
 */
public final class StoredScoreboard {
    /** An objective: its name, the criteria it counts by and the name it is shown under. */
    public static final class Objective {
        public final String name;
        public final String criteria;
        public final String displayName;
        /** The rest of its tags (a later version's), written back unchanged; null for none. */
        public Object kept;

        public Objective(String name, String criteria, String displayName) {
            this.name = name;
            this.criteria = criteria;
            this.displayName = displayName;
        }
    }

    /** An entry's (a player's name, or any name) score in an objective. */
    public static final class Score {
        public final String entry;
        public final String objective;
        public final int value;
        public Object kept;

        public Score(String entry, String objective, int value) {
            this.entry = entry;
            this.objective = objective;
            this.value = value;
        }
    }

    /** A team: its names and options, and its players by name. */
    public static final class Team {
        public final String name;
        public String displayName;
        public String prefix = "";
        public String suffix = "";
        public boolean friendlyFire = true;
        public boolean seeInvisibles;
        public final List<String> players = new ArrayList<String>();
        public Object kept;

        public Team(String name) {
            this.name = name;
            this.displayName = name;
        }
    }

    /** The display slots the game numbers 0 (the player list), 1 (the sidebar) and 2 (below the name). */
    public static final int SLOTS = 3;

    public final List<Objective> objectives = new ArrayList<Objective>();
    public final List<Score> scores = new ArrayList<Score>();
    public final List<Team> teams = new ArrayList<Team>();
    /** The objective shown in each display slot by its name, null for none. */
    public final String[] slots = new String[SLOTS];
    /** The rest of the file's tags, written back unchanged; null for none. */
    public Object kept;
}
