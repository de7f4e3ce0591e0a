package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.command.CommandSender;

/**
 * The commands whose rules the server keeps itself (help, stop, list, say, me, tell, op, deop,
 * kick, ban, pardon, banlist, whitelist, time, tp, gamemode, defaultgamemode, give, save-all,
 * plugins, version). The server registers its instances of them in the command map and runs
 * them itself; one a plugin made or holds and executes runs the server's command of its name,
 * under its "bukkit:" label, which always names the server's own.
 */
final class ServerOwn {
    private ServerOwn() {
    }

    static boolean run(CommandSender sender, String name, String[] args) {
        StringBuilder line = new StringBuilder("bukkit:").append(name);
        for (String a : args) {
            line.append(' ').append(a);
        }
        return Bukkit.getServer().dispatchCommand(sender, line.toString());
    }
}
