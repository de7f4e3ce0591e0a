package org.bukkit.command.defaults;

import java.util.List;

import org.bukkit.ChatColor;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;

/** A command in the game's own manner, with the game's helpers for reading numbers ("~" relative ones too). */
public abstract class VanillaCommand extends Command {
    static final int MAX_COORD = 30000000;
    static final int MIN_COORD_MINUS_ONE = -30000001;
    static final int MIN_COORD = -30000000;

    protected VanillaCommand(String name) {
        super(name);
    }

    protected VanillaCommand(String name, String description, String usageMessage, List<String> aliasesList) {
        super(name, description, usageMessage, aliasesList);
    }

    /** Whether the input names this command. */
    public boolean matches(String input) {
        return input.equalsIgnoreCase(getName());
    }

    /** The number, at least min; min (and a word to the sender) when it is none. */
    protected int getInteger(CommandSender sender, String value, int min) {
        return getInteger(sender, value, min, Integer.MAX_VALUE);
    }

    int getInteger(CommandSender sender, String value, int min, int max) {
        int i = min;
        try {
            i = Integer.valueOf(value);
        } catch (NumberFormatException ex) {
            sender.sendMessage(ChatColor.RED + "'" + value + "' is not a valid number");
        }
        return Math.max(min, Math.min(max, i));
    }

    /** "~" or "~n" counts from original; a plain number is itself (a whole number at the block's centre). */
    public static double getRelativeDouble(double original, CommandSender sender, String input) {
        boolean relative = input.startsWith("~");
        double result = relative ? original : 0;
        if (!relative || input.length() > 1) {
            boolean exact = input.contains(".");
            if (relative) {
                input = input.substring(1);
            }
            double testResult = getDouble(sender, input);
            if (testResult == MIN_COORD_MINUS_ONE) {
                return MIN_COORD_MINUS_ONE;
            }
            result += testResult;
            if (!exact && !relative) {
                result += 0.5;
            }
        }
        if (result < MIN_COORD) {
            result = MIN_COORD;
        } else if (result > MAX_COORD) {
            result = MAX_COORD;
        }
        return result;
    }

    /** The number, or one below the least coordinate when it is none. */
    public static double getDouble(CommandSender sender, String input) {
        try {
            return Double.parseDouble(input);
        } catch (NumberFormatException ex) {
            return MIN_COORD_MINUS_ONE;
        }
    }

    /** The number within min and max; a word to the sender and min otherwise. */
    public static double getDouble(CommandSender sender, String input, double min, double max) {
        double result = getDouble(sender, input);
        if (result < min) {
            result = min;
        } else if (result > max) {
            result = max;
        }
        return result;
    }
}
