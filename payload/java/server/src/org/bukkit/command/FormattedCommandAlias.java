package org.bukkit.command;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.Bukkit;

/**
 * An alias that runs command lines made from its formats: "$1" is the first argument given,
 * "$2-" the second and every one after it; "$$1" marks an argument that must be given. A lone
 * "$" stays as it is.
 */
public class FormattedCommandAlias extends Command {
    private final String[] formatStrings;

    public FormattedCommandAlias(String alias, String[] formatStrings) {
        super(alias);
        this.formatStrings = formatStrings;
    }

    /** True when every line ran; a line naming an argument the sender did not give is an error to him. */
    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        List<String> lines = new ArrayList<String>();
        for (String format : formatStrings) {
            try {
                lines.add(buildCommand(format, args));
            } catch (IllegalArgumentException ex) {
                sender.sendMessage(org.bukkit.ChatColor.RED + ex.getMessage());
                return false;
            }
        }
        boolean result = true;
        for (String line : lines) {
            result &= Bukkit.dispatchCommand(sender, line);
        }
        return result;
    }

    private static String buildCommand(String format, String[] args) {
        StringBuilder out = new StringBuilder();
        int i = 0;
        while (i < format.length()) {
            char c = format.charAt(i);
            if (c != '$') {
                out.append(c);
                i++;
                continue;
            }
            int start = i;
            i++;
            boolean required = false;
            if (i < format.length() && format.charAt(i) == '$') {
                required = true;
                i++;
            }
            int numStart = i;
            while (i < format.length() && Character.isDigit(format.charAt(i))) {
                i++;
            }
            if (i == numStart) {
                // a lone "$" (or "$$" with no number) is kept as it is
                out.append(format, start, i);
                continue;
            }
            int index = Integer.parseInt(format.substring(numStart, i)) - 1;
            boolean rest = i < format.length() && format.charAt(i) == '-';
            if (rest) {
                i++;
            }
            if (index < 0) {
                throw new IllegalArgumentException("Invalid replacement token");
            }
            if (index >= args.length) {
                if (required) {
                    throw new IllegalArgumentException("Missing required argument " + (index + 1));
                }
                continue;
            }
            StringBuilder value = new StringBuilder(args[index]);
            if (rest) {
                for (int k = index + 1; k < args.length; k++) {
                    value.append(' ').append(args[k]);
                }
            }
            out.append(value);
        }
        return out.toString();
    }
}
