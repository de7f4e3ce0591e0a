package net.cubeworks.world.game.api;

import java.util.ArrayList;
import java.util.Collections;
import java.util.HashSet;
import java.util.IdentityHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.WeakHashMap;
import java.util.logging.Logger;

import org.bukkit.Server;
import org.bukkit.scoreboard.DisplaySlot;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.scoreboard.ScoreboardManager;

import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.storage.StoredScoreboard;
import net.cubeworks.world.storage.Unavailable;

/**
 * The server's scoreboards: the main one every player starts with, and the new ones plugins
 * make, shown to the players who see them. Which board a player sees is kept on the player.
 * The world keeps the main board, as the game does (data/scoreboard.dat): it is read when the
 * boards are first asked for and written with each save of the world; the boards plugins make
 * last for the session, as on Bukkit.
 */
public final class ApiScoreboardManager implements ScoreboardManager {
    private final Server server;
    private final BoardAudience audience;
    private volatile ApiScoreboard main;
    /** The boards made here, so that a board from elsewhere can be refused. */
    private final Set<Scoreboard> made = Collections.synchronizedSet(
            Collections.newSetFromMap(new WeakHashMap<Scoreboard, Boolean>()));

    /** The tags of the kept file and of its objectives and teams this server does not model, written back. */
    private Object keptFile;
    private final Map<Object, Object> keptTags = Collections.synchronizedMap(new IdentityHashMap<Object, Object>());
    /** What the kept file had that breaks the game's limits: not on the board, written back as it was. */
    private final StoredScoreboard aside = new StoredScoreboard();

    /** Reads the kept main board from the file (none: a board made on first use) and saves into it from now on. */
    public ApiScoreboardManager(Server server, Logger logger, BoardFile file, BoardAudience audience) {
        this.server = server;
        this.audience = audience;
        if (file == null) {
            return;
        }
        try {
            StoredScoreboard kept = file.load();
            if (kept != null) {
                main = fromStored(kept, logger);
                made.add(main);
            }
            file.saveWith(new java.util.function.Supplier<StoredScoreboard>() {
                public StoredScoreboard get() {
                    return snapshot();
                }
            });
        } catch (Unavailable e) {
            logger.warning(e.getMessage() + "; the scoreboard is not saved until the server is started again");
        } catch (RuntimeException e) {
            // what the file holds could not be put on a board: the file is left as it is
            main = null;
            logger.log(java.util.logging.Level.WARNING, "The world's scoreboard could not be read; it is left as it "
                    + "is and not saved until the server is started again", e);
        }
    }

    private static boolean fits(String value, int limit) {
        return value != null && value.length() <= limit;
    }

    private static DisplaySlot slot(int number) {
        return number == 0 ? DisplaySlot.PLAYER_LIST : number == 1 ? DisplaySlot.SIDEBAR : DisplaySlot.BELOW_NAME;
    }

    /**
     * The main board as the world kept it. What breaks the game's limits (names longer than a
     * client takes) is not put on the board, whose every change goes to the clients, but set
     * aside and written back with each save, and the console is told which.
     */
    private ApiScoreboard fromStored(StoredScoreboard s, Logger logger) {
        keptFile = s.kept;
        ApiScoreboard b = new ApiScoreboard(server, audience);
        List<String> refused = new ArrayList<String>();
        synchronized (b) {
            for (StoredScoreboard.Objective o : s.objectives) {
                if (!fits(o.name, ApiScoreboard.NAME_LIMIT) || !fits(o.displayName, ApiScoreboard.DISPLAY_NAME_LIMIT)
                        || b.objectives.containsKey(o.name)) {
                    aside.objectives.add(o);
                    refused.add("objective '" + o.name + "'");
                    continue;
                }
                ApiScoreboardObjective objective = new ApiScoreboardObjective(b, o.name, o.criteria);
                objective.displayName = o.displayName;
                b.objectives.put(o.name, objective);
                keptTags.put(objective, o.kept);
            }
            for (StoredScoreboard.Score score : s.scores) {
                ApiScoreboardObjective objective = b.objectives.get(score.objective);
                if (objective == null || !fits(score.entry, ApiScoreboard.NAME_LIMIT)) {
                    aside.scores.add(score);
                    if (objective != null) {
                        refused.add("score of '" + score.entry + "'");
                    }
                    continue;
                }
                objective.scores.put(score.entry, score.value);
            }
            for (StoredScoreboard.Team t : s.teams) {
                if (!fits(t.name, ApiScoreboard.NAME_LIMIT) || !fits(t.displayName, ApiScoreboard.DISPLAY_NAME_LIMIT)
                        || !fits(t.prefix, ApiScoreboard.NAME_LIMIT) || !fits(t.suffix, ApiScoreboard.NAME_LIMIT)
                        || b.teams.containsKey(t.name)) {
                    aside.teams.add(t);
                    refused.add("team '" + t.name + "'");
                    continue;
                }
                ApiScoreboardTeam team = new ApiScoreboardTeam(b, t.name);
                b.teams.put(t.name, team);
                team.setDisplayName(t.displayName);
                team.setPrefix(t.prefix);
                team.setSuffix(t.suffix);
                team.setAllowFriendlyFire(t.friendlyFire);
                team.setCanSeeFriendlyInvisibles(t.seeInvisibles);
                for (String player : t.players) {
                    // a player is in one team at most: the first that names him keeps him
                    if (player != null && !b.teamOf.containsKey(player)) {
                        team.players.add(player);
                        b.teamOf.put(player, team);
                    }
                }
                keptTags.put(team, t.kept);
            }
            for (int i = 0; i < StoredScoreboard.SLOTS; i++) {
                ApiScoreboardObjective objective = s.slots[i] == null ? null : b.objectives.get(s.slots[i]);
                if (objective != null) {
                    b.slots.put(slot(i), objective);
                } else {
                    aside.slots[i] = s.slots[i];
                }
            }
        }
        if (!refused.isEmpty()) {
            logger.warning("The kept scoreboard's " + refused + " break the game's limits (16 characters for "
                    + "names, prefixes and suffixes, 32 for display names): they are left off the board and kept in "
                    + "the world's scoreboard.dat as they are");
        }
        return b;
    }

    /**
     * The main board as the world is to keep it, with what was set aside at the start (unless the
     * board has something of its name now); null when there is no main board to write.
     */
    StoredScoreboard snapshot() {
        ApiScoreboard b = main;
        if (b == null) {
            return null;
        }
        StoredScoreboard s = new StoredScoreboard();
        s.kept = keptFile;
        Set<String> objectives = new HashSet<String>();
        Set<String> teams = new HashSet<String>();
        synchronized (b) {
            for (ApiScoreboardObjective o : b.objectives.values()) {
                StoredScoreboard.Objective so = new StoredScoreboard.Objective(o.name, o.criteria, o.displayName);
                so.kept = keptTags.get(o);
                s.objectives.add(so);
                objectives.add(o.name);
                for (Map.Entry<String, Integer> e : o.scores.entrySet()) {
                    s.scores.add(new StoredScoreboard.Score(e.getKey(), o.name, e.getValue()));
                }
            }
            for (ApiScoreboardTeam t : b.teams.values()) {
                StoredScoreboard.Team st = new StoredScoreboard.Team(t.name);
                st.displayName = t.getDisplayName();
                st.prefix = t.getPrefix();
                st.suffix = t.getSuffix();
                st.friendlyFire = t.allowFriendlyFire();
                st.seeInvisibles = t.canSeeFriendlyInvisibles();
                st.players.addAll(t.players);
                st.kept = keptTags.get(t);
                s.teams.add(st);
                teams.add(t.name);
            }
            for (Map.Entry<DisplaySlot, ApiScoreboardObjective> e : b.slots.entrySet()) {
                s.slots[ApiScoreboard.slotNumber(e.getKey())] = e.getValue().name;
            }
        }
        Set<String> asideObjectives = new HashSet<String>();
        for (StoredScoreboard.Objective o : aside.objectives) {
            if (objectives.add(o.name)) {
                s.objectives.add(o);
                asideObjectives.add(o.name);
            }
        }
        for (StoredScoreboard.Score score : aside.scores) {
            if (objectives.contains(score.objective)) {
                s.scores.add(score);
            }
        }
        for (StoredScoreboard.Team t : aside.teams) {
            if (teams.add(t.name)) {
                s.teams.add(t);
            }
        }
        for (int i = 0; i < StoredScoreboard.SLOTS; i++) {
            if (s.slots[i] == null && aside.slots[i] != null && asideObjectives.contains(aside.slots[i])) {
                s.slots[i] = aside.slots[i];
            }
        }
        return s;
    }

    /** What a client that joins is told of the main board: nothing until something was put on it. */
    public List<PacketOut> mainBoard() {
        ApiScoreboard m = main;
        return m == null ? Collections.<PacketOut>emptyList() : m.wholeBoard();
    }

    public Scoreboard getMainScoreboard() {
        ApiScoreboard m = main;
        if (m == null) {
            synchronized (this) {
                if (main == null) {
                    main = new ApiScoreboard(server, audience);
                    made.add(main);
                }
                m = main;
            }
        }
        return m;
    }

    public Scoreboard getNewScoreboard() {
        ApiScoreboard b = new ApiScoreboard(server, audience);
        made.add(b);
        return b;
    }

    public boolean madeHere(Scoreboard board) {
        return made.contains(board);
    }
}
