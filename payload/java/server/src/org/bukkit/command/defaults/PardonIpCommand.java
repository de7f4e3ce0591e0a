package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.command.CommandSender;

/** /pardon-ip: lifts an address's ban. */
public class PardonIpCommand extends GameCommand {
    public PardonIpCommand() {
        super("pardon-ip", "Allows the specified IP address to use this server", "/pardon-ip <address>",
                "bukkit.command.unban.ip");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() != 1) {
            throw usage();
        }
        if (!BanIpCommand.ipValidity.matcher(words.get(0)).matches()) {
            throw new Words.Refusal("Invalid ip");
        }
        Bukkit.unbanIP(words.get(0));
        broadcastCommandMessage(sender, "Pardoned ip " + words.get(0));
    }
}
