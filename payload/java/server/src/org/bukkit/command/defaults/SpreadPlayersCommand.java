package org.bukkit.command.defaults;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Random;

import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.scoreboard.Team;

/**
 * The game's /spreadplayers: players (or, with teams respected, each team together) put on the
 * land's surface at random places within a square of the given range around a centre, at least
 * the given distance apart.
 */
public class SpreadPlayersCommand extends GameCommand {
    private static final Random RANDOM = new Random();
    private static final int TRIES = 10000;

    public SpreadPlayersCommand() {
        super("spreadplayers", "Spreads players around a point",
                "/spreadplayers <x> <z> <spreadDistance> <maxRange> <respectTeams true|false> <player ...>",
                "bukkit.command.spreadplayers");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() < 6) {
            throw usage();
        }
        World world = words.world();
        double x = getDouble(sender, words.get(0), -30000000, 30000000);
        double z = getDouble(sender, words.get(1), -30000000, 30000000);
        double distance = getDouble(sender, words.get(2), 0, Double.MAX_VALUE);
        double range = getDouble(sender, words.get(3), 0, 30000000);
        if (range < distance + 1) {
            throw red("The number you have entered (" + range + ") is too small, it must be at least " + (distance + 1));
        }
        boolean teams = Boolean.parseBoolean(words.get(4).toLowerCase());
        // the groups that stay together: each team of the players named, or each player alone
        Map<Object, List<Player>> groups = new LinkedHashMap<Object, List<Player>>();
        for (int i = 5; i < words.count(); i++) {
            Player p = words.player(i, false, ChatColor.RED + "That player cannot be found");
            Team team = teams ? Bukkit.getScoreboardManager().getMainScoreboard().getPlayerTeam(p) : null;
            Object key = team != null ? team : p;
            if (!groups.containsKey(key)) {
                groups.put(key, new ArrayList<Player>());
            }
            if (!groups.get(key).contains(p)) {
                groups.get(key).add(p);
            }
        }
        sender.sendMessage("Spreading " + groups.size() + " " + (teams ? "teams" : "players") + " " + range
                + " blocks around " + x + "," + z + " (min " + distance + " blocks apart)");
        List<double[]> places = new ArrayList<double[]>();
        for (int group = 0; group < groups.size(); group++) {
            double[] place = null;
            for (int t = 0; t < TRIES && place == null; t++) {
                double[] tried = {x - range + RANDOM.nextDouble() * 2 * range, z - range + RANDOM.nextDouble() * 2 * range};
                boolean apart = true;
                for (double[] other : places) {
                    if (Math.hypot(other[0] - tried[0], other[1] - tried[1]) < distance) {
                        apart = false;
                        break;
                    }
                }
                if (apart) {
                    place = tried;
                }
            }
            if (place == null) {
                throw red("Could not spread " + groups.size() + " " + (teams ? "teams" : "players") + " around " + x
                        + "," + z + " (too many " + (teams ? "teams" : "players") + " for space - try using spread of at most "
                        + String.format("%.2f", Math.sqrt(range * range * 4 / groups.size())) + ")");
            }
            places.add(place);
        }
        int i = 0;
        for (List<Player> members : groups.values()) {
            double[] place = places.get(i++);
            int bx = (int) Math.floor(place[0]);
            int bz = (int) Math.floor(place[1]);
            // the land there is read (or made) first, so that its surface is known
            if (!world.loadChunk(bx >> 4, bz >> 4, true)) {
                throw red("The land at " + bx + "," + bz + " cannot be read now; nobody was moved there");
            }
            Location to = new Location(world, bx + 0.5, world.getHighestBlockYAt(bx, bz), bz + 0.5);
            for (Player p : members) {
                p.teleport(to);
            }
        }
        sender.sendMessage("Successfully spread " + groups.size() + " " + (teams ? "teams" : "players") + " around " + x
                + "," + z);
    }

    private static Words.Refusal red(String text) {
        return new Words.Refusal(ChatColor.RED + text);
    }
}
