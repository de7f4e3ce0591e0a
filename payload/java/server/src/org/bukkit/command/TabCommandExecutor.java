package org.bukkit.command;

import java.util.List;

/** The first form of a command executor with completion, before TabCompleter. */
@Deprecated
public interface TabCommandExecutor extends CommandExecutor {
    List<String> onTabComplete();
}
