package net.cubeworks.world.command;

import java.util.Collections;
import java.util.IdentityHashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.logging.Level;

import org.bukkit.command.Command;
import org.bukkit.command.CommandException;
import org.bukkit.command.CommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.command.defaults.AchievementCommand;
import org.bukkit.command.defaults.BanCommand;
import org.bukkit.command.defaults.BanIpCommand;
import org.bukkit.command.defaults.BanListCommand;
import org.bukkit.command.defaults.ClearCommand;
import org.bukkit.command.defaults.DefaultGameModeCommand;
import org.bukkit.command.defaults.DeopCommand;
import org.bukkit.command.defaults.DifficultyCommand;
import org.bukkit.command.defaults.EffectCommand;
import org.bukkit.command.defaults.EnchantCommand;
import org.bukkit.command.defaults.ExpCommand;
import org.bukkit.command.defaults.GameModeCommand;
import org.bukkit.command.defaults.GameRuleCommand;
import org.bukkit.command.defaults.GiveCommand;
import org.bukkit.command.defaults.HelpCommand;
import org.bukkit.command.defaults.KickCommand;
import org.bukkit.command.defaults.KillCommand;
import org.bukkit.command.defaults.ListCommand;
import org.bukkit.command.defaults.MeCommand;
import org.bukkit.command.defaults.OpCommand;
import org.bukkit.command.defaults.PardonCommand;
import org.bukkit.command.defaults.PardonIpCommand;
import org.bukkit.command.defaults.PlaySoundCommand;
import org.bukkit.command.defaults.PluginsCommand;
import org.bukkit.command.defaults.ReloadCommand;
import org.bukkit.command.defaults.SaveCommand;
import org.bukkit.command.defaults.SaveOffCommand;
import org.bukkit.command.defaults.SaveOnCommand;
import org.bukkit.command.defaults.ScoreboardCommand;
import org.bukkit.command.defaults.SetBlockCommand;
import org.bukkit.command.defaults.SpreadPlayersCommand;
import org.bukkit.command.defaults.SayCommand;
import org.bukkit.command.defaults.SeedCommand;
import org.bukkit.command.defaults.SetIdleTimeoutCommand;
import org.bukkit.command.defaults.SetWorldSpawnCommand;
import org.bukkit.command.defaults.SpawnpointCommand;
import org.bukkit.command.defaults.StopCommand;
import org.bukkit.command.defaults.TeleportCommand;
import org.bukkit.command.defaults.TellCommand;
import org.bukkit.command.defaults.TestForCommand;
import org.bukkit.command.defaults.SummonCommand;
import org.bukkit.command.defaults.TimeCommand;
import org.bukkit.command.defaults.ToggleDownfallCommand;
import org.bukkit.command.defaults.WeatherCommand;
import org.bukkit.command.defaults.TimingsCommand;
import org.bukkit.command.defaults.VersionCommand;
import org.bukkit.command.defaults.WhitelistCommand;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionDefault;
import org.bukkit.plugin.Plugin;
import net.cubeworks.world.game.Game;
import net.cubeworks.world.util.FatalErrors;
import net.cubeworks.world.util.CommandLine;

/**
 * Runs command lines from the console and from players through the command map: plugins'
 * commands (by name, "plugin:name" and alias) and the server's own, which are registered there
 * as Bukkit's org.bukkit.command.defaults commands (under "bukkit:" too), so that plugins find,
 * override and alias them. As on the real server, save-all, save-on, save-off, stop, version,
 * reload, plugins and timings are registered before the plugins (a plugin's command of such a
 * name keeps only its "plugin:name" label); the others after the plugins are enabled, under the
 * labels no plugin took. Guarded by the world lock.
 */
public final class CommandRegistry {
    static final String UNKNOWN_COMMAND = "Unknown command. Type \"help\" for help.";

    private final Object lock;
    private final java.util.logging.Logger logger;
    private final SimpleCommandMap commandMap;
    private final org.bukkit.plugin.PluginManager plugins;
    private BuiltinCommands builtins;
    private final Game game;
    /** The server's own commands whose rules BuiltinCommands keeps, as registered in the map. */
    private final Set<Command> own = Collections.newSetFromMap(new IdentityHashMap<Command, Boolean>());
    private volatile boolean fallbacksRegistered;

    /**
     * The registry over the command map that plugins' plugin.yml commands go in, and that
     * command frameworks register their own commands in directly.
     */
    public CommandRegistry(Game game, org.bukkit.plugin.PluginManager plugins, SimpleCommandMap commandMap,
            Runnable stopServer) {
        this.lock = game.lock();
        this.logger = game.logger();
        this.commandMap = commandMap;
        this.plugins = plugins;
        this.game = game;
        this.builtins = new BuiltinCommands(game, this, plugins, stopServer);
        registerDefaultCommands();
    }

    /**
     * The bukkit.command.* permissions, and the commands registered before the plugins (again
     * after a reload cleared the map and the permissions).
     */
    public void registerDefaultCommands() {
        fallbacksRegistered = false;
        own.clear();
        registerPermissions();
        register(ownCommand(new SaveCommand()));
        register(new SaveOnCommand());
        register(new SaveOffCommand());
        register(ownCommand(new StopCommand()));
        register(ownCommand(new VersionCommand("version")));
        register(new ReloadCommand("reload"));
        register(ownCommand(new PluginsCommand("plugins")));
        register(new TimingsCommand("timings"));
    }

    private Command ownCommand(Command c) {
        own.add(c);
        return c;
    }

    private void register(Command c) {
        commandMap.register("bukkit", c);
    }

    /**
     * The server's other commands, once the plugins are enabled: each takes its label unless a
     * plugin's command has it, and keeps "bukkit:name" either way.
     */
    public void registerFallbackCommands() {
        Command[] fallbacks = {
            ownCommand(new ListCommand()), ownCommand(new OpCommand()), ownCommand(new DeopCommand()),
            new BanIpCommand(), new PardonIpCommand(), ownCommand(new BanCommand()), ownCommand(new PardonCommand()),
            ownCommand(new KickCommand()), ownCommand(new TeleportCommand()), ownCommand(new GiveCommand()),
            ownCommand(new TimeCommand()), ownCommand(new SayCommand()), ownCommand(new WhitelistCommand()),
            ownCommand(new TellCommand()), ownCommand(new MeCommand()), new KillCommand(),
            ownCommand(new GameModeCommand()), ownCommand(new HelpCommand()), new ExpCommand(),
            ownCommand(new BanListCommand()), ownCommand(new DefaultGameModeCommand()), new SeedCommand(),
            new DifficultyCommand(), new SpawnpointCommand(), new ClearCommand(), new GameRuleCommand(),
            new EnchantCommand(), new TestForCommand(), new EffectCommand(), new PlaySoundCommand(),
            new SetWorldSpawnCommand(), new SetIdleTimeoutCommand(), new AchievementCommand(), new ScoreboardCommand(),
            new SetBlockCommand(), new SpreadPlayersCommand(), new TestForBlockCommand(), new WeatherCommand(),
            new ToggleDownfallCommand(), new SummonCommand(),
            new TellrawCommand(game),
        };
        for (Command c : fallbacks) {
            register(c);
        }
        fallbacksRegistered = true;
    }

    /** Whether the command is one of the server's own that BuiltinCommands runs. */
    boolean isOwn(Command c) {
        return own.contains(c);
    }

    /**
     * The bukkit.command.* permissions, operators' by default except those every player has as
     * on the real server (help, list, me, tell, plugins, version, kill), under bukkit.command.
     */
    private void registerPermissions() {
        if (plugins == null) {
            return;
        }
        String[] everyone = {"help", "list", "me", "tell", "plugins", "version", "kill"};
        String[] operators = {"stop", "say", "op.give", "op.take", "kick", "ban.player", "ban.ip", "ban.list",
            "unban.player", "unban.ip", "whitelist.reload", "whitelist.enable", "whitelist.disable", "whitelist.list",
            "whitelist.add", "whitelist.remove", "time.add", "time.set", "teleport", "gamemode", "defaultgamemode",
            "give", "save.perform", "save.enable", "save.disable", "reload", "timings", "xp", "effect", "enchant",
            "clear", "difficulty", "gamerule", "spawnpoint", "setworldspawn", "seed", "playsound", "tellraw",
            "testfor", "achievement", "setidletimeout", "scoreboard", "setblock", "spreadplayers", "testforblock",
            "weather", "toggledownfall", "summon"};
        Map<String, Boolean> children = new LinkedHashMap<String, Boolean>();
        for (String n : everyone) {
            add(new Permission("bukkit.command." + n, PermissionDefault.TRUE));
            children.put("bukkit.command." + n, true);
        }
        for (String n : operators) {
            add(new Permission("bukkit.command." + n, PermissionDefault.OP));
            children.put("bukkit.command." + n, true);
        }
        add(new Permission("bukkit.command", "Gives the user the ability to use all CraftBukkit commands",
                PermissionDefault.OP, children));
    }

    private void add(Permission perm) {
        if (plugins.getPermission(perm.getName()) == null) {
            plugins.addPermission(perm);
        }
    }

    /** Labels to the plugins' commands in registration order (the server's own left out), a copy. */
    Map<String, Command> pluginCommandMap() {
        Map<String, Command> out = new LinkedHashMap<String, Command>();
        for (Command c : commandMap.getCommands()) {
            if (!isServerCommand(c)) {
                out.put(c.getName().toLowerCase(), c);
            }
        }
        return out;
    }

    /** The server's commands that BuiltinCommands does not keep, in registration order. */
    List<Command> otherServerCommands() {
        List<Command> out = new java.util.ArrayList<Command>();
        for (Command c : commandMap.getCommands()) {
            if (isServerCommand(c) && !isOwn(c)) {
                out.add(c);
            }
        }
        return out;
    }

    /** The server's registered command of that name, or null. */
    Command serverCommand(String name) {
        Command c = commandMap.getCommand("bukkit:" + name);
        return c != null && isServerCommand(c) ? c : null;
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
     * Runs a command line for the sender: the command of its first word in the command map, else
     * (before the server's other commands are registered) one of the server's own, else the
     * unknown-command answer. The server's commands take the game's player selectors.
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
                if (isServerCommand(pc)) {
                    List<String[]> each = Selectors.expand(game, sender, args);
                    if (each == null) {
                        return true; // a selector that matched nobody: told
                    }
                    for (String[] a : each) {
                        runOne(sender, label, pc, a);
                    }
                    return true;
                }
                runOne(sender, label, pc, args);
                return true;
            }
            if (!fallbacksRegistered && builtins.run(sender, label, args)) {
                return true;
            }
            sender.sendMessage(UNKNOWN_COMMAND);
            return false;
        }
    }

    /** Whether the command is one of the server's (Bukkit's defaults, or the game's own tellraw and testforblock). */
    private boolean isServerCommand(Command c) {
        return isOwn(c) || c instanceof TellrawCommand || c instanceof TestForBlockCommand || (c.getClass().getName().startsWith("org.bukkit.command.defaults.")
                && c.getClass().getClassLoader() == Command.class.getClassLoader());
    }

    private void runOne(CommandSender sender, String label, Command pc, String[] args) {
        try {
            if (isOwn(pc)) {
                if (pc.testPermission(sender)) {
                    builtins.run(sender, pc.getName(), args, true);
                }
            } else {
                pc.execute(sender, label, args);
            }
        } catch (RuntimeException | LinkageError ex) {
            // a plugin.yml command wraps its executor's failure; a command a framework
            // registered may throw anything; a plugin built for another API version
            // fails on a member it cannot find, and the sender is told as for any failure
            if (FatalErrors.check(ex, "running the command " + label)) {
                return;
            }
            sender.sendMessage("\u00a7cAn internal error occurred while attempting to perform this command");
            logger.log(Level.SEVERE, null, ex);
        }
    }
}
