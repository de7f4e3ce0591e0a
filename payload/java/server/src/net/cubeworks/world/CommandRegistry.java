package net.cubeworks.world;

import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.logging.Level;

import org.bukkit.command.Command;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.plugin.Plugin;

/**
 * Runs command lines from the console and from players: plugins' commands first (by name,
 * "plugin:name" and alias), then the server's own. Guarded by the server lock.
 */
final class CommandRegistry {
    static final String UNKNOWN_COMMAND = "Unknown command. Type \"help\" for help.";

    private final WorldServer server;
    private final Map<String, PluginCommand> pluginCommands = new LinkedHashMap<String, PluginCommand>();
    private final BuiltinCommands builtins;

    CommandRegistry(WorldServer server) {
        this.server = server;
        this.builtins = new BuiltinCommands(server);
    }

    /** Labels to plugin commands in registration order; read under the server lock. */
    Map<String, PluginCommand> pluginCommandMap() {
        return pluginCommands;
    }

    PluginCommand pluginCommand(String name) {
        synchronized (server.lock) {
            return pluginCommands.get(name.toLowerCase());
        }
    }

    /** Makes a plugin's plugin.yml commands (and their aliases) dispatchable. */
    void register(Plugin plugin, List<Command> commands) {
        synchronized (server.lock) {
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
    boolean dispatch(CommandSender sender, String commandLine) throws CommandException {
        synchronized (server.lock) {
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
                    sender.sendMessage("\u00a7cAn internal error occurred while attempting to perform this command");
                    server.logger().log(Level.SEVERE, null, ex);
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
