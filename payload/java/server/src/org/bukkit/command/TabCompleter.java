package org.bukkit.command;

import java.util.List;

/** Offers completions for a command's arguments. */
public interface TabCompleter {
    List<String> onTabComplete(CommandSender sender, Command command, String alias, String[] args);
}
