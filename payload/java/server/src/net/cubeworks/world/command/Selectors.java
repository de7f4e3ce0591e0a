package net.cubeworks.world.command;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Random;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import org.bukkit.Location;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.player.OnlinePlayer;

/**
 * The game's player selectors in the arguments of the server's commands: {@code @p} the nearest
 * player (to the player who types it, or to the world's spawn for the console), {@code @r} a
 * random one, {@code @a} every one (the command runs once for each), with the game's arguments
 * {@code [x=,y=,z=,r=,rm=,m=,c=,name=]} (also as the first values without names: x, y, z, r).
 */
final class Selectors {
    private static final Pattern SELECTOR = Pattern.compile("^@([par])(?:\\[([\\w=,!\\-.]*)\\])?$");
    private static final Pattern PLAIN = Pattern.compile("^(-?\\d+)$");
    private static final Random RANDOM = new Random();

    private Selectors() {
    }

    /**
     * The argument lists to run the command with: the arguments themselves when no selector is
     * among them, else one list per player the selector stands for. Null, with the sender told,
     * when a selector stands for nobody or is not understood.
     */
    static List<String[]> expand(Game game, CommandSender sender, String[] args) {
        for (int i = 0; i < args.length; i++) {
            Matcher m = SELECTOR.matcher(args[i]);
            if (!m.matches()) {
                continue;
            }
            List<OnlinePlayer> chosen = choose(game, sender, m.group(1).charAt(0), m.group(2));
            if (chosen == null) {
                sender.sendMessage("\u00a7cThe selector " + args[i] + " is not one the server understands");
                return null;
            }
            if (chosen.isEmpty()) {
                sender.sendMessage(BuiltinCommands.PLAYER_NOT_FOUND);
                return null;
            }
            List<String[]> out = new ArrayList<String[]>();
            for (OnlinePlayer p : chosen) {
                String[] copy = args.clone();
                copy[i] = p.getName();
                List<String[]> rest = expand(game, sender, copy);
                if (rest == null) {
                    return null;
                }
                out.addAll(rest);
            }
            return out;
        }
        List<String[]> one = new ArrayList<String[]>();
        one.add(args);
        return one;
    }

    /** The players the selector stands for, nearest first; null when an argument is not understood. */
    private static List<OnlinePlayer> choose(Game game, CommandSender sender, char kind, String arguments) {
        Location origin = sender instanceof Player ? ((Player) sender).getLocation()
                : game.world().api().getSpawnLocation();
        double x = origin.getX();
        double y = origin.getY();
        double z = origin.getZ();
        int r = -1;
        int rm = -1;
        int mode = -1;
        int count = kind == 'a' ? 0 : 1;
        String name = null;
        boolean notName = false;
        if (arguments != null && arguments.length() > 0) {
            String[] parts = arguments.split(",", -1);
            String[] positional = {"x", "y", "z", "r"};
            for (int i = 0; i < parts.length; i++) {
                String key;
                String value;
                int eq = parts[i].indexOf('=');
                if (eq < 0) {
                    if (i >= positional.length || !PLAIN.matcher(parts[i]).matches()) {
                        return null;
                    }
                    key = positional[i];
                    value = parts[i];
                } else {
                    key = parts[i].substring(0, eq);
                    value = parts[i].substring(eq + 1);
                }
                try {
                    if (key.equals("x")) {
                        x = Integer.parseInt(value);
                    } else if (key.equals("y")) {
                        y = Integer.parseInt(value);
                    } else if (key.equals("z")) {
                        z = Integer.parseInt(value);
                    } else if (key.equals("r")) {
                        r = Integer.parseInt(value);
                    } else if (key.equals("rm")) {
                        rm = Integer.parseInt(value);
                    } else if (key.equals("m")) {
                        mode = Integer.parseInt(value);
                    } else if (key.equals("c")) {
                        count = Integer.parseInt(value);
                    } else if (key.equals("name")) {
                        notName = value.startsWith("!");
                        name = notName ? value.substring(1) : value;
                    } else {
                        return null;
                    }
                } catch (NumberFormatException ex) {
                    return null;
                }
            }
        }
        final double cx = x;
        final double cy = y;
        final double cz = z;
        List<OnlinePlayer> found = new ArrayList<OnlinePlayer>();
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            double d = Math.sqrt(sq(p.getLocation().getX() - cx) + sq(p.getLocation().getY() - cy)
                    + sq(p.getLocation().getZ() - cz));
            if ((r >= 0 && d > r) || (rm >= 0 && d < rm)) {
                continue;
            }
            if (mode >= 0 && p.getGameMode().getValue() != mode) {
                continue;
            }
            if (name != null && p.getName().equalsIgnoreCase(name) == notName) {
                continue;
            }
            found.add(p);
        }
        if (kind == 'r') {
            Collections.shuffle(found, RANDOM);
        } else {
            Collections.sort(found, new java.util.Comparator<OnlinePlayer>() {
                public int compare(OnlinePlayer a, OnlinePlayer b) {
                    return Double.compare(distance(a), distance(b));
                }

                private double distance(OnlinePlayer p) {
                    Location l = p.getLocation();
                    return sq(l.getX() - cx) + sq(l.getY() - cy) + sq(l.getZ() - cz);
                }
            });
        }
        if (count < 0) {
            Collections.reverse(found);
            count = -count;
        }
        if (count > 0 && found.size() > count) {
            found = new ArrayList<OnlinePlayer>(found.subList(0, count));
        }
        return found;
    }

    private static double sq(double v) {
        return v * v;
    }
}
