package net.cubeworks.world.command;

import java.io.File;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;

import org.bukkit.GameMode;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginManager;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.plugin.ServerVersion;
import net.cubeworks.world.util.CommandLine;

/** The server's own console and chat commands. They run on the game thread. */
public final class BuiltinCommands {
    static final String NO_PERMISSION = "\u00a7cI'm sorry, but you do not have permission to perform this command. "
            + "Please contact the server administrators if you believe that this is in error.";
    static final String PLAYER_NOT_FOUND = "\u00a7cThat player cannot be found";

    /** Name, usage, description, and whether players need to be operators. */
    private static final String[][] COMMANDS = {
        {"help", "/help", "Shows the list of commands", "no"},
        {"stop", "/stop", "Stops the server", "op"},
        {"list", "/list", "Lists the players online", "no"},
        {"say", "/say <message ...>", "Broadcasts a message as the server", "op"},
        {"me", "/me <action ...>", "Describes an action of yours", "no"},
        {"tell", "/tell <player> <private message ...>", "Sends a private message", "no"},
        {"op", "/op <player>", "Makes a player an operator", "op"},
        {"deop", "/deop <player>", "Takes operator status away from a player", "op"},
        {"kick", "/kick <player> [reason ...]", "Disconnects a player", "op"},
        {"ban", "/ban <player> [reason ...]", "Bans a player by name", "op"},
        {"pardon", "/pardon <player>", "Lifts a player's ban", "op"},
        {"banlist", "/banlist", "Lists the banned players", "op"},
        {"whitelist", WhitelistCommand.USAGE, "Manages who may join while the white-list is on", "op"},
        {"time", TimeCommand.USAGE, "Sets or moves on the time of day", "op"},
        {"tp", TeleportCommand.USAGE, "Teleports a player to another or to a place", "op"},
        {"gamemode", "/gamemode <mode> [player]", "Changes a player's game mode (0, 1, 2)", "op"},
        {"defaultgamemode", "/defaultgamemode <mode>", "Sets the game mode of new players", "op"},
        {"give", "/give <player> <item> [amount [data]]", "Gives items to a player", "op"},
        {"save-all", "/save-all", "Saves the server's lists", "op"},
        {"plugins", "/plugins", "Lists the plugins", "no"},
        {"version", "/version", "Shows the server version", "no"},
    };

    private final Game game;
    private final CommandRegistry registry;
    private final PluginManager plugins;
    private final Runnable stopServer;
    private final WhitelistCommand whitelist;
    private final TimeCommand time;
    private final TeleportCommand teleport;

    BuiltinCommands(Game game, CommandRegistry registry, PluginManager plugins, Runnable stopServer) {
        this.game = game;
        this.registry = registry;
        this.plugins = plugins;
        this.stopServer = stopServer;
        this.whitelist = new WhitelistCommand(game.access(), new File("server.properties"),
                new File(game.properties().levelName(), "players"));
        this.time = new TimeCommand(game);
        this.teleport = new TeleportCommand(game);
    }

    private static String[] find(String label) {
        if (label.equals("?")) {
            label = "help";
        } else if (label.equals("msg") || label.equals("w")) {
            label = "tell";
        } else if (label.equals("pl")) {
            label = "plugins";
        } else if (label.equals("ver") || label.equals("about")) {
            label = "version";
        }
        for (String[] c : COMMANDS) {
            if (c[0].equals(label)) {
                return c;
            }
        }
        return null;
    }

    private static void usage(CommandSender sender, String[] cmd) {
        sender.sendMessage("\u00a7cUsage: " + cmd[1]);
    }

    /** Runs the command when it is one of ours; false when the label is unknown here. */
    boolean run(CommandSender sender, String label, String[] args) {
        return run(sender, label, args, false);
    }

    /**
     * Runs the command when it is one of ours (its permission already tested when permitted;
     * else players need to be operators for the operators' commands); false when unknown here.
     */
    boolean run(CommandSender sender, String label, String[] args, boolean permitted) {
        String[] cmd = find(label);
        if (cmd == null) {
            return false;
        }
        if (!permitted && cmd[3].equals("op") && !sender.isOp()) {
            sender.sendMessage(NO_PERMISSION);
            return true;
        }
        String name = cmd[0];
        if (name.equals("help")) {
            help(sender);
        } else if (name.equals("stop")) {
            sender.sendMessage("Stopping the server");
            stopServer.run();
        } else if (name.equals("list")) {
            list(sender);
        } else if (name.equals("say")) {
            if (args.length == 0) {
                usage(sender, cmd);
            } else {
                String who = sender instanceof Player ? sender.getName() : "Server";
                game.players().broadcast("\u00a7d[" + who + "] " + CommandLine.join(args, 0));
            }
        } else if (name.equals("me")) {
            if (args.length == 0) {
                usage(sender, cmd);
            } else {
                String who = sender instanceof Player ? sender.getName() : "Server";
                game.players().broadcast("* " + who + " " + CommandLine.join(args, 0));
            }
        } else if (name.equals("tell")) {
            tell(sender, cmd, args);
        } else if (name.equals("op") || name.equals("deop")) {
            if (args.length != 1 || args[0].length() == 0) {
                usage(sender, cmd);
            } else {
                boolean op = name.equals("op");
                game.players().setOp(args[0], op);
                sender.sendMessage((op ? "Opped " : "De-opped ") + args[0]);
            }
        } else if (name.equals("kick")) {
            kick(sender, cmd, args);
        } else if (name.equals("ban")) {
            if (args.length == 0 || args[0].length() == 0) {
                usage(sender, cmd);
            } else {
                String reason = args.length > 1 ? CommandLine.join(args, 1) : null;
                game.players().setBanned(args[0], true, reason, sender.getName());
                sender.sendMessage("Banned player " + args[0]);
            }
        } else if (name.equals("pardon")) {
            if (args.length != 1 || args[0].length() == 0) {
                usage(sender, cmd);
            } else {
                game.players().setBanned(args[0], false, null, sender.getName());
                sender.sendMessage("Unbanned player " + args[0]);
            }
        } else if (name.equals("banlist")) {
            List<String> names = game.access().bannedNames();
            sender.sendMessage("There are " + names.size() + " total banned players:");
            sender.sendMessage(joinNames(names));
        } else if (name.equals("whitelist")) {
            whitelist.run(sender, args);
        } else if (name.equals("time")) {
            time.run(sender, args);
        } else if (name.equals("tp")) {
            teleport.run(sender, args);
        } else if (name.equals("gamemode")) {
            gamemode(sender, cmd, args);
        } else if (name.equals("defaultgamemode")) {
            GameMode mode = args.length == 1 ? parseMode(args[0]) : null;
            if (mode == null) {
                usage(sender, cmd);
            } else {
                game.players().setDefaultGameMode(mode);
                sender.sendMessage("The world's default game mode is now " + modeName(mode));
            }
        } else if (name.equals("give")) {
            give(sender, cmd, args);
        } else if (name.equals("save-all")) {
            sender.sendMessage("Saving...");
            String unsaved = game.world().saveAndWait();
            if (unsaved == null) {
                sender.sendMessage("Saved the world");
            } else {
                sender.sendMessage("Saving failed: " + unsaved
                        + "; what is unsaved is kept in memory and tried again with the next save");
            }
        } else if (name.equals("plugins")) {
            plugins(sender);
        } else if (name.equals("version")) {
            sender.sendMessage("This server is running " + ServerVersion.SERVER_NAME + " version " + ServerVersion.SERVER_VERSION
                    + " (Implementing API version " + ServerVersion.API_VERSION + ")");
        }
        return true;
    }

    private void help(CommandSender sender) {
        sender.sendMessage("--------- Help: Index ---------");
        for (String[] c : COMMANDS) {
            Command registered = registry.serverCommand(c[0]);
            if (registered != null ? registered.testPermissionSilent(sender) : c[3].equals("no") || sender.isOp()) {
                sender.sendMessage(c[1] + ": " + c[2]);
            }
        }
        for (Command c : registry.otherServerCommands()) {
            if (c.testPermissionSilent(sender)) {
                sender.sendMessage(c.getUsage().split("\n")[0] + ": " + c.getDescription());
            }
        }
        for (Map.Entry<String, Command> e : registry.pluginCommandMap().entrySet()) {
            Command pc = e.getValue();
            if (e.getKey().equals(pc.getName().toLowerCase()) && pc.testPermissionSilent(sender)) {
                String desc = pc.getDescription() == null ? "" : pc.getDescription();
                sender.sendMessage("/" + pc.getName() + ": " + desc);
            }
        }
    }

    private void list(CommandSender sender) {
        List<OnlinePlayer> players = game.players().inJoinOrder();
        List<String> names = new ArrayList<String>();
        for (OnlinePlayer p : players) {
            names.add(p.getDisplayName());
        }
        sender.sendMessage("There are " + players.size() + "/" + game.properties().maxPlayers() + " players online:");
        sender.sendMessage(joinNames(names));
    }

    static String joinNames(List<String> names) {
        StringBuilder sb = new StringBuilder();
        for (String n : names) {
            if (sb.length() > 0) {
                sb.append(", ");
            }
            sb.append(n);
        }
        return sb.toString();
    }

    private void tell(CommandSender sender, String[] cmd, String[] args) {
        if (args.length < 2) {
            usage(sender, cmd);
            return;
        }
        OnlinePlayer target = game.players().findExact(args[0]);
        if (target == null) {
            sender.sendMessage(PLAYER_NOT_FOUND);
            return;
        }
        String text = CommandLine.join(args, 1);
        String from = sender instanceof Player ? sender.getName() : "Server";
        target.sendMessage("\u00a77\u00a7o" + from + " whispers to you: " + text);
        sender.sendMessage("\u00a77\u00a7oYou whisper to " + target.getName() + ": " + text);
    }

    private void kick(CommandSender sender, String[] cmd, String[] args) {
        if (args.length == 0 || args[0].length() == 0) {
            usage(sender, cmd);
            return;
        }
        OnlinePlayer target = game.players().findExact(args[0]);
        if (target == null) {
            sender.sendMessage(PLAYER_NOT_FOUND);
            return;
        }
        String reason = args.length > 1 ? CommandLine.join(args, 1) : null;
        game.players().kick(target, reason == null ? "Kicked by an operator." : reason);
        sender.sendMessage(reason == null ? "Kicked " + target.getName() + " from the game"
                : "Kicked " + target.getName() + " from the game: '" + reason + "'");
    }

    /** A mode from its number, its name or the name's first letter; null when unknown. */
    static GameMode parseMode(String s) {
        String m = s.toLowerCase();
        if (m.equals("0") || m.equals("s") || m.equals("survival")) {
            return GameMode.SURVIVAL;
        }
        if (m.equals("1") || m.equals("c") || m.equals("creative")) {
            return GameMode.CREATIVE;
        }
        if (m.equals("2") || m.equals("a") || m.equals("adventure")) {
            return GameMode.ADVENTURE;
        }
        return null;
    }

    static String modeName(GameMode mode) {
        switch (mode) {
            case CREATIVE: return "Creative Mode";
            case ADVENTURE: return "Adventure Mode";
            default: return "Survival Mode";
        }
    }

    private void gamemode(CommandSender sender, String[] cmd, String[] args) {
        if (args.length == 0 || args.length > 2) {
            usage(sender, cmd);
            return;
        }
        GameMode mode = parseMode(args[0]);
        if (mode == null) {
            usage(sender, cmd);
            return;
        }
        OnlinePlayer target;
        if (args.length == 2) {
            target = game.players().findExact(args[1]);
            if (target == null) {
                sender.sendMessage(PLAYER_NOT_FOUND);
                return;
            }
        } else if (sender instanceof OnlinePlayer) {
            target = (OnlinePlayer) sender;
        } else {
            sender.sendMessage("\u00a7cYou must specify which player you wish to perform this action on.");
            return;
        }
        game.players().setGameMode(target, mode);
        if (target.getGameMode() != mode) {
            // a plugin refused the change (PlayerGameModeChangeEvent)
            sender.sendMessage("Game mode change for " + target.getName() + " failed!");
            return;
        }
        target.sendMessage("Your game mode has been updated");
        if (target != sender) {
            sender.sendMessage("Set " + target.getName() + "'s game mode to " + modeName(mode));
        }
    }

    /** Item ids of 1.7.2: blocks (165 to 169 are none), items and music discs. */
    static boolean knownItem(int id) {
        return (id >= 1 && id <= 164) || (id >= 170 && id <= 175) || (id >= 256 && id <= 422)
                || (id >= 2256 && id <= 2267);
    }

    private void give(CommandSender sender, String[] cmd, String[] args) {
        if (args.length < 2 || args.length > 4) {
            usage(sender, cmd);
            return;
        }
        OnlinePlayer target = game.players().findExact(args[0]);
        if (target == null) {
            sender.sendMessage(PLAYER_NOT_FOUND);
            return;
        }
        // an item by the game's name ("diamond_sword", "minecraft:planks") or its id
        int item = net.cubeworks.world.level.ItemNames.itemId(args[1]);
        if (item < 0) {
            try {
                item = Integer.parseInt(args[1]);
            } catch (NumberFormatException ex) {
                sender.sendMessage("\u00a7cThere is no such item with name " + args[1]);
                return;
            }
        }
        if (!knownItem(item)) {
            sender.sendMessage("\u00a7cThere is no such item with ID " + item);
            return;
        }
        int amount = 1;
        int data = 0;
        try {
            if (args.length >= 3) {
                amount = Integer.parseInt(args[2]);
            }
            if (args.length >= 4) {
                data = Integer.parseInt(args[3]);
            }
        } catch (NumberFormatException ex) {
            sender.sendMessage("\u00a7c'" + (args.length >= 4 ? args[2] + "' or '" + args[3] : args[2])
                    + "' is not a valid number");
            return;
        }
        if (amount < 1) {
            sender.sendMessage("\u00a7cThe number you have entered (" + amount + ") is too small, it must be at least 1");
            return;
        }
        if (amount > 64) {
            sender.sendMessage("\u00a7cThe number you have entered (" + amount + ") is too big, it must be at most 64");
            return;
        }
        target.giveItem(item, amount, data);
        String label = data == 0 ? String.valueOf(item) : item + ":" + data;
        sender.sendMessage("Given [" + label + "] * " + amount + " to " + target.getName());
    }

    private void plugins(CommandSender sender) {
        Plugin[] list = plugins.getPlugins();
        StringBuilder sb = new StringBuilder();
        for (Plugin p : list) {
            if (sb.length() > 0) {
                sb.append("\u00a7f, ");
            }
            sb.append(p.isEnabled() ? "\u00a7a" : "\u00a7c").append(p.getDescription().getName());
        }
        sender.sendMessage("Plugins (" + list.length + "): " + sb);
    }
}
