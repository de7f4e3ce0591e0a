package net.cubeworks.world.command;

import org.bukkit.command.CommandSender;

/** Numbers typed in commands, with the game's answers when they are not numbers or out of range. */
final class Numbers {
    private Numbers() {
    }

    static String notANumber(String s) {
        return "\u00a7c'" + s + "' is not a valid number";
    }

    /** A whole number of at least min, or null after telling the sender what is wrong with it. */
    static Long atLeast(CommandSender sender, String s, int min) {
        int n;
        try {
            n = Integer.parseInt(s);
        } catch (NumberFormatException ex) {
            sender.sendMessage(notANumber(s));
            return null;
        }
        if (n < min) {
            sender.sendMessage("\u00a7cThe number you have entered (" + n + ") is too small, it must be at least " + min);
            return null;
        }
        return (long) n;
    }
}
