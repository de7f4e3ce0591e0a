package org.bukkit.command;

/** Runs commands; returning false makes the server print the command's usage. */
public interface CommandExecutor {
    boolean onCommand(CommandSender sender, Command command, String label, String[] args);
}
