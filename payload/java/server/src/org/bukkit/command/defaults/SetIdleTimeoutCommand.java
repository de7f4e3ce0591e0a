package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.command.CommandSender;

/** /setidletimeout: the minutes after which a player who does nothing is kicked (0: never). */
public class SetIdleTimeoutCommand extends GameCommand {
    public SetIdleTimeoutCommand() {
        super("setidletimeout", "Sets the server's idle timeout", "/setidletimeout <Minutes until kick>",
                "bukkit.command.setidletimeout");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() != 1) {
            throw usage();
        }
        int minutes = SpawnpointCommand.whole(words.get(0), 0, Integer.MAX_VALUE);
        Bukkit.getServer().setIdleTimeout(minutes);
        broadcastCommandMessage(sender, "Successful setting the idle timeout to " + minutes + " minutes.");
    }
}
