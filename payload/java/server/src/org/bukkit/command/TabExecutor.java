package org.bukkit.command;

/** A command executor that also completes arguments. */
public interface TabExecutor extends TabCompleter, CommandExecutor {
}
