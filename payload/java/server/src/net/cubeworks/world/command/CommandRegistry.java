package net.cubeworks.world.command;

import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.logging.Level;

import org.bukkit.command.Command;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.plugin.Plugin;
import net.cubeworks.world.game.Game;
import net.cubeworks.world.util.FatalErrors;
import net.cubeworks.world.util.CommandLine;

/**
 * Runs command lines from the console and from players: plugins' commands first (by name,
 * "plugin:name" and alias), then the server's own. Guarded by the world lock.
 */
public final class CommandRegistry {
    static final String UNKNOWN_COMMAND = "Unknown command. Type \"help\" for help.";

    private final Object lock;
    private final java.util.logging.Logger logger;
    private final SimpleCommandMap commandMap;
    private BuiltinCommands builtins;

    /**
     * The registry over the command map that plugins' plugin.yml commands go in, and that
     * command frameworks register their own commands in directly.
     */
    public CommandRegistry(Game game, org.bukkit.plugin.PluginManager plugins, SimpleCommandMap commandMap,
            Runnable stopServer) {
        this.lock = game.lock();
        this.logger = game.logger();
        this.commandMap = commandMap;
        this.builtins = new BuiltinCommands(game, this, plugins, stopServer);
    }

    /** Labels to the plugins' commands in registration order, a copy. */
    Map<String, Command> pluginCommandMap() {
        Map<String, Command> out = new LinkedHashMap<String, Command>();
        for (Command c : commandMap.getCommands()) {
            out.put(c.getName().toLowerCase(), c);
        }
        return out;
    }

    /** The plugin.yml command of the label, or null (also for a command a framework registered). */
    public PluginCommand pluginCommand(String name) {
        Command c = commandMap.getCommand(name);
        return c instanceof PluginCommand ? (PluginCommand) c : null;
    }

    /** Makes a plugin's plugin.yml commands (and their aliases) dispatchable. */
    public void register(Plugin plugin, List<Command> commands) {
        commandMap.registerAll(plugin.getDescription().getName(), commands);
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
            Command pc = commandMap.getCommand(label);
            if (pc != null) {
                try {
                    pc.execute(sender, label, args);
                } catch (RuntimeException | LinkageError ex) {
                    // a plugin.yml command wraps its executor's failure; a command a framework
                    // registered may throw anything; a plugin built for another API version
                    // fails on a member it cannot find, and the sender is told as for any failure
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
