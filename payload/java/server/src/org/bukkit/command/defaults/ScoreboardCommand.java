package org.bukkit.command.defaults;

import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;

import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.OfflinePlayer;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.scoreboard.DisplaySlot;
import org.bukkit.scoreboard.Objective;
import org.bukkit.scoreboard.Score;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.scoreboard.Team;

/**
 * /scoreboard: the main scoreboard's objectives (list, add, remove, setdisplay), players' scores
 * (set, add, remove, reset, list) and teams (list, add, remove, empty, join, leave, option), with
 * the game's 1.7 rules and answers. The board is the one every player sees unless a plugin gave
 * him another.
 */
public class ScoreboardCommand extends GameCommand {
    private static final int NAME_LIMIT = 16;
    private static final int DISPLAY_LIMIT = 32;
    private static final String[] CRITERIA = {"dummy", "deathCount", "playerKillCount", "totalKillCount", "health"};

    public ScoreboardCommand() {
        super("scoreboard", "Scoreboard control", "/scoreboard <objectives|players|teams>", "bukkit.command.scoreboard");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        Scoreboard board = Bukkit.getScoreboardManager().getMainScoreboard();
        String part = words.has(0) ? words.get(0).toLowerCase() : "";
        if (part.equals("objectives")) {
            objectives(sender, words, board);
        } else if (part.equals("players")) {
            players(sender, words, board);
        } else if (part.equals("teams")) {
            teams(sender, words, board);
        } else {
            throw usage();
        }
    }

    private static Words.Refusal red(String text) {
        return new Words.Refusal(ChatColor.RED + text);
    }

    private static Words.Refusal usage(String text) {
        return Words.usage(text);
    }

    // --- objectives ---

    private void objectives(CommandSender sender, Words words, Scoreboard board) throws Words.Refusal {
        String usage = "/scoreboard objectives <list|add|remove|setdisplay> ...";
        String action = words.has(1) ? words.get(1).toLowerCase() : "";
        if (action.equals("list")) {
            Set<Objective> all = board.getObjectives();
            if (all.isEmpty()) {
                throw red("There are no objectives on the scoreboard");
            }
            sender.sendMessage(ChatColor.DARK_GREEN + "Showing " + all.size() + " objective(s) on scoreboard:");
            for (Objective o : all) {
                sender.sendMessage("- " + o.getName() + ": displays as '" + o.getDisplayName() + "' and is type '"
                        + o.getCriteria() + "'");
            }
        } else if (action.equals("add")) {
            if (words.count() < 4) {
                throw usage("/scoreboard objectives add <name> <criteriaType> [display name ...]");
            }
            String name = words.get(2);
            String criteria = words.get(3);
            if (!validCriteria(criteria)) {
                throw red("Invalid objective criteria type '" + criteria + "'");
            }
            if (board.getObjective(name) != null) {
                throw red("An objective with the name '" + name + "' already exists");
            }
            if (name.length() > NAME_LIMIT) {
                throw red("The name '" + name + "' is too long for an objective, it can be at most " + NAME_LIMIT
                        + " characters long");
            }
            String display = words.rest(4);
            if (display != null && display.length() > DISPLAY_LIMIT) {
                throw red("The display name '" + display + "' is too long for an objective, it can be at most "
                        + DISPLAY_LIMIT + " characters long");
            }
            Objective o = board.registerNewObjective(name, criteria);
            if (display != null) {
                o.setDisplayName(display);
            }
            broadcastCommandMessage(sender, "Added new objective '" + name + "' successfully");
        } else if (action.equals("remove")) {
            if (words.count() != 3) {
                throw usage("/scoreboard objectives remove <name>");
            }
            objective(board, words.get(2), false).unregister();
            broadcastCommandMessage(sender, "Removed objective '" + words.get(2) + "' successfully");
        } else if (action.equals("setdisplay")) {
            if (words.count() != 3 && words.count() != 4) {
                throw usage("/scoreboard objectives setdisplay <slot> [objective]");
            }
            DisplaySlot slot = slot(words.get(2));
            if (slot == null) {
                throw red("No such display slot '" + words.get(2) + "'");
            }
            if (words.count() == 3) {
                board.clearSlot(slot);
                broadcastCommandMessage(sender, "Cleared objective display slot '" + words.get(2) + "'");
            } else {
                objective(board, words.get(3), false).setDisplaySlot(slot);
                broadcastCommandMessage(sender, "Set the display objective in slot '" + words.get(2) + "' to '"
                        + words.get(3) + "'");
            }
        } else {
            throw usage(usage);
        }
    }

    private static boolean validCriteria(String criteria) {
        for (String c : CRITERIA) {
            if (c.equals(criteria)) {
                return true;
            }
        }
        return criteria.startsWith("stat.") || criteria.startsWith("achievement.");
    }

    /** The slots by the game's names: list, sidebar, belowName. */
    private static DisplaySlot slot(String name) {
        if (name.equalsIgnoreCase("list")) {
            return DisplaySlot.PLAYER_LIST;
        } else if (name.equalsIgnoreCase("sidebar")) {
            return DisplaySlot.SIDEBAR;
        } else if (name.equalsIgnoreCase("belowName")) {
            return DisplaySlot.BELOW_NAME;
        }
        return null;
    }

    private static Objective objective(Scoreboard board, String name, boolean toWrite) throws Words.Refusal {
        Objective o = board.getObjective(name);
        if (o == null) {
            throw red("No objective was found by the name '" + name + "'");
        }
        if (toWrite && !o.isModifiable()) {
            throw red("The objective '" + name + "' is read-only and cannot be set");
        }
        return o;
    }

    // --- players' scores ---

    private void players(CommandSender sender, Words words, Scoreboard board) throws Words.Refusal {
        String action = words.has(1) ? words.get(1).toLowerCase() : "";
        if (action.equals("set") || action.equals("add") || action.equals("remove")) {
            if (words.count() < 5) {
                throw usage("/scoreboard players " + action + " <player> <objective> <" + (action.equals("set") ? "score"
                        : "count") + ">");
            }
            String player = words.get(2);
            Objective o = objective(board, words.get(3), true);
            int value = action.equals("set") ? words.number(4, Integer.MIN_VALUE, Integer.MAX_VALUE)
                    : words.number(4, 1, Integer.MAX_VALUE);
            Score score = o.getScore(player);
            int now = action.equals("set") ? value : action.equals("add") ? score.getScore() + value
                    : score.getScore() - value;
            score.setScore(now);
            broadcastCommandMessage(sender, "Set score of " + o.getName() + " for player " + player + " to " + now);
        } else if (action.equals("reset")) {
            if (words.count() != 3) {
                throw usage("/scoreboard players reset <player>");
            }
            board.resetScores(words.get(2));
            broadcastCommandMessage(sender, "Reset all scores of player " + words.get(2));
        } else if (action.equals("list")) {
            if (words.count() == 2) {
                Set<String> tracked = board.getEntries();
                if (tracked.isEmpty()) {
                    throw red("There are no tracked players on the scoreboard");
                }
                sender.sendMessage(ChatColor.DARK_GREEN + "Showing " + tracked.size()
                        + " tracked player(s) on the scoreboard:");
                sender.sendMessage(join(tracked));
            } else {
                String player = words.get(2);
                Set<Score> scores = board.getScores(player);
                if (scores.isEmpty()) {
                    throw red("Player " + player + " has no scores recorded");
                }
                sender.sendMessage(ChatColor.DARK_GREEN + "Showing " + scores.size() + " tracked objective(s) for "
                        + player + ":");
                for (Score s : scores) {
                    sender.sendMessage("- " + s.getObjective().getDisplayName() + ": " + s.getScore() + " ("
                            + s.getObjective().getName() + ")");
                }
            }
        } else {
            throw usage("/scoreboard players <set|add|remove|reset|list> ...");
        }
    }

    private static String join(Iterable<String> names) {
        StringBuilder sb = new StringBuilder();
        for (String n : names) {
            sb.append(sb.length() == 0 ? "" : ", ").append(n);
        }
        return sb.toString();
    }

    // --- teams ---

    @SuppressWarnings("deprecation")
    private static OfflinePlayer member(String name) {
        return Bukkit.getOfflinePlayer(name);
    }

    private static Team team(Scoreboard board, String name) throws Words.Refusal {
        Team t = board.getTeam(name);
        if (t == null) {
            throw red("No team was found by the name '" + name + "'");
        }
        return t;
    }

    private void teams(CommandSender sender, Words words, Scoreboard board) throws Words.Refusal {
        String action = words.has(1) ? words.get(1).toLowerCase() : "";
        if (action.equals("list")) {
            if (words.count() == 2) {
                Set<Team> all = board.getTeams();
                if (all.isEmpty()) {
                    throw red("There are no teams registered on the scoreboard");
                }
                sender.sendMessage(ChatColor.DARK_GREEN + "Showing " + all.size() + " teams on the scoreboard:");
                for (Team t : all) {
                    sender.sendMessage("- " + t.getName() + ": '" + t.getDisplayName() + "' has " + t.getSize()
                            + " players");
                }
            } else {
                Team t = team(board, words.get(2));
                if (t.getSize() == 0) {
                    throw red("Team " + t.getName() + " has no players");
                }
                sender.sendMessage(ChatColor.DARK_GREEN + "Showing " + t.getSize() + " player(s) in team " + t.getName()
                        + ":");
                List<String> names = new ArrayList<String>();
                for (OfflinePlayer p : t.getPlayers()) {
                    names.add(p.getName());
                }
                sender.sendMessage(join(names));
            }
        } else if (action.equals("add")) {
            if (words.count() < 3) {
                throw usage("/scoreboard teams add <name> [display name ...]");
            }
            String name = words.get(2);
            if (board.getTeam(name) != null) {
                throw red("A team with the name '" + name + "' already exists");
            }
            if (name.length() > NAME_LIMIT) {
                throw red("The name '" + name + "' is too long for a team, it can be at most " + NAME_LIMIT
                        + " characters long");
            }
            String display = words.rest(3);
            if (display != null && display.length() > DISPLAY_LIMIT) {
                throw red("The display name '" + display + "' is too long for a team, it can be at most "
                        + DISPLAY_LIMIT + " characters long");
            }
            Team t = board.registerNewTeam(name);
            if (display != null) {
                t.setDisplayName(display);
            }
            broadcastCommandMessage(sender, "Added new team '" + name + "' successfully");
        } else if (action.equals("remove")) {
            if (words.count() != 3) {
                throw usage("/scoreboard teams remove <name>");
            }
            team(board, words.get(2)).unregister();
            broadcastCommandMessage(sender, "Removed team " + words.get(2));
        } else if (action.equals("empty")) {
            if (words.count() != 3) {
                throw usage("/scoreboard teams empty <name>");
            }
            Team t = team(board, words.get(2));
            Set<OfflinePlayer> members = new LinkedHashSet<OfflinePlayer>(t.getPlayers());
            if (members.isEmpty()) {
                throw red("Team " + t.getName() + " is already empty, cannot remove nonexistant players");
            }
            for (OfflinePlayer p : members) {
                t.removePlayer(p);
            }
            broadcastCommandMessage(sender, "Removed all " + members.size() + " player(s) from team " + t.getName());
        } else if (action.equals("join")) {
            if (words.count() < 3) {
                throw usage("/scoreboard teams join <team> [player...]");
            }
            Team t = team(board, words.get(2));
            List<String> names = names(sender, words, 3);
            for (String n : names) {
                t.addPlayer(member(n));
            }
            broadcastCommandMessage(sender, "Added " + names.size() + " player(s) to team " + t.getName() + ": "
                    + join(names));
        } else if (action.equals("leave")) {
            List<String> names = names(sender, words, 2);
            List<String> left = new ArrayList<String>();
            for (String n : names) {
                Team t = board.getPlayerTeam(member(n));
                if (t != null && t.removePlayer(member(n))) {
                    left.add(n);
                }
            }
            if (left.isEmpty()) {
                throw red(words.count() == 2 ? "You are not in a team" : "Could not remove " + names.size()
                        + " player(s) from their teams: " + join(names));
            }
            broadcastCommandMessage(sender, "Removed " + left.size() + " player(s) from their teams: " + join(left));
        } else if (action.equals("option")) {
            option(sender, words, board);
        } else {
            throw usage("/scoreboard teams <list|add|remove|empty|join|leave|option> ...");
        }
    }

    /** The players named from index on, or the sender himself when none is. */
    private static List<String> names(CommandSender sender, Words words, int index) throws Words.Refusal {
        List<String> out = new ArrayList<String>();
        for (int i = index; i < words.count(); i++) {
            out.add(words.get(i));
        }
        if (out.isEmpty()) {
            if (!(sender instanceof Player)) {
                throw red("You must specify which player you wish to perform this action on.");
            }
            out.add(sender.getName());
        }
        return out;
    }

    private void option(CommandSender sender, Words words, Scoreboard board) throws Words.Refusal {
        if (words.count() != 4 && words.count() != 5) {
            throw usage("/scoreboard teams option <team> <friendlyfire|color|seeFriendlyInvisibles> <value>");
        }
        Team t = team(board, words.get(2));
        String option = words.get(3);
        boolean color = option.equalsIgnoreCase("color");
        boolean fire = option.equalsIgnoreCase("friendlyfire");
        boolean invisibles = option.equalsIgnoreCase("seeFriendlyInvisibles");
        if (!color && !fire && !invisibles) {
            throw usage("/scoreboard teams option <team> <friendlyfire|color|seeFriendlyInvisibles> <value>");
        }
        String valid = color ? colours() : "true, false";
        if (words.count() == 4) {
            throw red("Valid values for option " + option + " are: " + valid);
        }
        String value = words.get(4);
        if (color) {
            ChatColor chosen = null;
            for (ChatColor c : ChatColor.values()) {
                if (c.isColor() && c.name().equalsIgnoreCase(value) || c == ChatColor.RESET && value.equalsIgnoreCase("reset")) {
                    chosen = c;
                }
            }
            if (chosen == null) {
                throw red("Valid values for option " + option + " are: " + valid);
            }
            t.setPrefix(chosen.toString());
            t.setSuffix(ChatColor.RESET.toString());
        } else if (!value.equalsIgnoreCase("true") && !value.equalsIgnoreCase("false")) {
            throw red("Valid values for option " + option + " are: " + valid);
        } else if (fire) {
            t.setAllowFriendlyFire(Boolean.parseBoolean(value.toLowerCase()));
        } else {
            t.setCanSeeFriendlyInvisibles(Boolean.parseBoolean(value.toLowerCase()));
        }
        broadcastCommandMessage(sender, "Set option " + option + " for team " + t.getName() + " to " + value);
    }

    private static String colours() {
        List<String> names = new ArrayList<String>();
        for (ChatColor c : ChatColor.values()) {
            if (c.isColor()) {
                names.add(c.name().toLowerCase());
            }
        }
        names.add("reset");
        return join(names);
    }
}
