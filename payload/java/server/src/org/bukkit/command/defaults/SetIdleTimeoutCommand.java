package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.Bukkit;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;

/** /setidletimeout: minutes after which a player who does nothing is kicked (0: never). */
public class SetIdleTimeoutCommand extends VanillaCommand {
    public SetIdleTimeoutCommand() {
        super("setidletimeout");
        this.description = "Sets the server's idle timeout";
        this.usageMessage = "/setidletimeout <Minutes until kick>";
        this.setPermission("bukkit.command.setidletimeout");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length == 1) {
            int minutes;
            try {
                minutes = getInteger(sender, args[0], 0, Integer.MAX_VALUE, true);
            } catch (NumberFormatException ex) {
                sender.sendMessage(ex.getMessage());
                return true;
            }
            Bukkit.getServer().setIdleTimeout(minutes);
            Command.broadcastCommandMessage(sender, "Successful setting the idle timeout to " + minutes + " minutes.");
            return true;
        }
        return usage(sender);
    }
}
