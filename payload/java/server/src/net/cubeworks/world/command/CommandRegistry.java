package net.cubeworks.world.command;

import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.logging.Level;

import org.bukkit.command.Command;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.plugin.Plugin;
import net.cubeworks.world.game.Game;
import net.cubeworks.world.plugin.PluginCommands;
import net.cubeworks.world.util.FatalErrors;
import net.cubeworks.world.util.CommandLine;

/**
 * Runs command lines from the console and from players: plugins' commands first (by name,
 * "plugin:name" and alias), then the server's own. Guarded by the world lock.
 */
public final class CommandRegistry implements PluginCommands {
    static final String UNKNOWN_COMMAND = "Unknown command. Type \"help\" for help.";

    private final Object lock;
    private final java.util.logging.Logger logger;
    private final Map<String, PluginCommand> pluginCommands = new LinkedHashMap<String, PluginCommand>();
    private BuiltinCommands builtins;

    public CommandRegistry(Game game, org.bukkit.plugin.PluginManager plugins, Runnable stopServer) {
        this.lock = game.lock();
        this.logger = game.logger();
        this.builtins = new BuiltinCommands(game, this, plugins, stopServer);
    }

    /** Labels to plugin commands in registration order; read under the world lock. */
    Map<String, PluginCommand> pluginCommandMap() {
        return pluginCommands;
    }

    public PluginCommand pluginCommand(String name) {
        synchronized (lock) {
            return pluginCommands.get(name.toLowerCase());
        }
    }

    /** Makes a plugin's plugin.yml commands (and their aliases) dispatchable. */
    public void register(Plugin plugin, List<Command> commands) {
        synchronized (lock) {
            for (Command c : commands) {
                if (!(c instanceof PluginCommand)) {
                    continue;
                }
                PluginCommand pc = (PluginCommand) c;
                String label = pc.getName().toLowerCase();
                String fallback = plugin.getDescription().getName().toLowerCase() + ":" + label;
                pluginCommands.put(fallback, pc);
                if (!pluginCommands.containsKey(label)) {
                    pluginCommands.put(label, pc);
                }
                for (String alias : pc.getAliases()) {
                    String a = alias.toLowerCase();
                    if (!pluginCommands.containsKey(a)) {
                        pluginCommands.put(a, pc);
                    }
                }
            }
        }
    }

    /**
     * Runs a command line for the sender: a plugin's command, else one of the server's own,
     * else the unknown-command answer.
     */
    public boolean dispatch(CommandSender sender, String commandLine) throws CommandException {
        synchronized (lock) {
            String[] words = CommandLine.split(commandLine);
            if (words.length == 0) {
                return false;
            }
            String label = words[0].toLowerCase();
            String[] args = CommandLine.args(words);
            PluginCommand pc = pluginCommands.get(label);
            if (pc != null) {
                try {
                    pc.execute(sender, label, args);
                } catch (CommandException ex) {
                    if (FatalErrors.check(ex, "running the command " + label)) {
                        return true;
                    }
                    sender.sendMessage("\u00a7cAn internal error occurred while attempting to perform this command");
                    logger.log(Level.SEVERE, null, ex);
                }
                return true;
            }
            if (builtins.run(sender, label, args)) {
                return true;
            }
            sender.sendMessage(UNKNOWN_COMMAND);
            return false;
        }
    }
}
