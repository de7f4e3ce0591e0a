package net.cubeworks.world.command;

import java.io.File;
import java.util.List;

import org.bukkit.command.CommandSender;

import net.cubeworks.world.settings.AccessLists;

/**
 * "whitelist on|off|list|add|remove|reload", with the game's answers. While the white-list is
 * on, only its names and the operators may join; players online when it is turned on stay.
 */
final class WhitelistCommand {
    static final String USAGE = "/whitelist <on|off|list|add|remove|reload>";

    private final AccessLists access;
    private final File properties;
    private final File playerFolder;

    /** properties: the server.properties that keeps white-list=; playerFolder: where the players seen are kept. */
    WhitelistCommand(AccessLists access, File properties, File playerFolder) {
        this.access = access;
        this.properties = properties;
        this.playerFolder = playerFolder;
    }

    void run(CommandSender sender, String[] args) {
        String what = args.length > 0 ? args[0].toLowerCase(java.util.Locale.ROOT) : "";
        if (what.equals("on") && args.length == 1) {
            access.setWhitelistOn(true, properties);
            sender.sendMessage("Turned on the whitelist");
        } else if (what.equals("off") && args.length == 1) {
            access.setWhitelistOn(false, properties);
            sender.sendMessage("Turned off the whitelist");
        } else if (what.equals("list") && args.length == 1) {
            List<String> names = access.whitelistNames();
            sender.sendMessage("There are " + names.size() + " (out of " + playersSeen() + " seen) whitelisted players:");
            sender.sendMessage(BuiltinCommands.joinNames(names));
        } else if (what.equals("add")) {
            if (args.length != 2 || args[1].length() == 0) {
                sender.sendMessage("\u00a7cUsage: /whitelist add <player>");
            } else {
                access.setWhitelisted(args[1], true);
                sender.sendMessage("Added " + args[1] + " to the whitelist");
            }
        } else if (what.equals("remove")) {
            if (args.length != 2 || args[1].length() == 0) {
                sender.sendMessage("\u00a7cUsage: /whitelist remove <player>");
            } else {
                access.setWhitelisted(args[1], false);
                sender.sendMessage("Removed " + args[1] + " from the whitelist");
            }
        } else if (what.equals("reload") && args.length == 1) {
            access.loadWhitelist();
            sender.sendMessage("Reloaded the whitelist");
        } else {
            sender.sendMessage("\u00a7cUsage: " + USAGE);
        }
    }

    /** The players the world has kept a file for. */
    private int playersSeen() {
        String[] files = playerFolder.list();
        int n = 0;
        if (files != null) {
            for (String f : files) {
                if (f.endsWith(".dat")) {
                    n++;
                }
            }
        }
        return n;
    }
}
