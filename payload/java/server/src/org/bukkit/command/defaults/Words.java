package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.World;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/**
 * How the server's commands read their words: the player a word names (or the sender when the
 * word is left out), whole numbers within bounds, the world the sender stands in. A word that
 * does not fit is a {@link Refusal}, whose text the command tells the sender.
 */
final class Words {
    /** A command's words that do not fit; the text is what the sender is told. */
    static final class Refusal extends Exception {
        private static final long serialVersionUID = 1L;

        Refusal(String text) {
            super(text);
        }
    }

    private final CommandSender sender;
    private final String[] args;

    Words(CommandSender sender, String[] args) {
        this.sender = sender;
        this.args = args;
    }

    int count() {
        return args.length;
    }

    boolean has(int index) {
        return index < args.length;
    }

    String get(int index) {
        return args[index];
    }

    /** The words from index on, joined by spaces; null when there are none. */
    String rest(int index) {
        if (index >= args.length) {
            return null;
        }
        StringBuilder sb = new StringBuilder(args[index]);
        for (int i = index + 1; i < args.length; i++) {
            sb.append(' ').append(args[i]);
        }
        return sb.toString();
    }

    /** The online player the word names (exactly when exact, else by the start of the name). */
    Player player(int index, boolean exact, String missing) throws Refusal {
        String name = args[index];
        Player p = exact ? Bukkit.getPlayerExact(name) : Bukkit.getPlayer(name);
        if (p == null) {
            throw new Refusal(missing.replace("{}", name));
        }
        return p;
    }

    /** The player the word names, or the sender himself when the word is left out. */
    Player playerOrSelf(int index, boolean exact, String missing, String consoleMust) throws Refusal {
        if (has(index)) {
            return player(index, exact, missing);
        }
        if (sender instanceof Player) {
            return (Player) sender;
        }
        throw new Refusal(consoleMust);
    }

    /** The word as a whole number within the bounds; one that is none is refused with the game's words. */
    int number(int index, int min, int max) throws Refusal {
        return number(args[index], min, max);
    }

    static int number(String word, int min, int max) throws Refusal {
        int n;
        try {
            n = Integer.parseInt(word);
        } catch (NumberFormatException ex) {
            throw new Refusal(ChatColor.RED + "'" + word + "' is not a valid number");
        }
        return Math.max(min, Math.min(max, n));
    }

    /** The world the sender stands in; the first world for the console. */
    World world() {
        if (sender instanceof Player && ((Player) sender).getWorld() != null) {
            return ((Player) sender).getWorld();
        }
        return Bukkit.getWorlds().get(0);
    }

    /** The usage line, red, as a refusal. */
    static Refusal usage(String usage) {
        return new Refusal(ChatColor.RED + "Usage: " + usage);
    }
}
