package org.bukkit.command;

import java.util.List;

import org.bukkit.plugin.Plugin;

/** A command declared in a plugin's plugin.yml, run by the plugin's executor. */
public final class PluginCommand extends Command implements PluginIdentifiableCommand {
    private final Plugin owningPlugin;
    private CommandExecutor executor;
    private TabCompleter completer;

    protected PluginCommand(String name, Plugin owner) {
        super(name);
        this.executor = owner;
        this.owningPlugin = owner;
        this.usageMessage = "";
    }

    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        if (!owningPlugin.isEnabled()) {
            return false;
        }
        if (!testPermission(sender)) {
            return true;
        }
        boolean success;
        try {
            success = executor.onCommand(sender, this, commandLabel, args);
        } catch (Throwable ex) {
            throw new CommandException("Unhandled exception executing command '" + commandLabel
                    + "' in plugin " + owningPlugin.getDescription().getFullName(), ex);
        }
        if (!success && usageMessage.length() > 0) {
            for (String line : usageMessage.replace("<command>", commandLabel).split("\n")) {
                sender.sendMessage(line);
            }
        }
        return success;
    }

    public void setExecutor(CommandExecutor executor) {
        this.executor = executor == null ? owningPlugin : executor;
    }

    public CommandExecutor getExecutor() {
        return executor;
    }

    public void setTabCompleter(TabCompleter completer) {
        this.completer = completer;
    }

    public TabCompleter getTabCompleter() {
        return completer;
    }

    public Plugin getPlugin() {
        return owningPlugin;
    }

    /** Completions from the tab completer, or from the executor when it completes too. */
    public List<String> tabComplete(CommandSender sender, String alias, String[] args) {
        if (completer != null) {
            return completer.onTabComplete(sender, this, alias, args);
        }
        if (executor instanceof TabCompleter) {
            return ((TabCompleter) executor).onTabComplete(sender, this, alias, args);
        }
        return null;
    }
}
