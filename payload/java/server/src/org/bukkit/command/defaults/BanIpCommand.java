package org.bukkit.command.defaults;

import java.util.ArrayList;
import java.util.regex.Pattern;

import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /ban-ip: bans an address, or a player's address; whoever plays from it is kicked. */
public class BanIpCommand extends VanillaCommand {
    public static final Pattern ipValidity = Pattern.compile(
            "^([01]?\\d\\d?|2[0-4]\\d|25[0-5])\\.([01]?\\d\\d?|2[0-4]\\d|25[0-5])\\.([01]?\\d\\d?|2[0-4]\\d|25[0-5])\\."
            + "([01]?\\d\\d?|2[0-4]\\d|25[0-5])$");

    public BanIpCommand() {
        super("ban-ip");
        this.description = "Prevents the specified IP address from using this server";
        this.usageMessage = "/ban-ip <address|player> [reason ...]";
        this.setPermission("bukkit.command.ban.ip");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length < 1) {
            return usage(sender);
        }
        String reason = args.length > 1 ? createString(args, 1, " ") : null;
        if (ipValidity.matcher(args[0]).matches()) {
            processIPBan(args[0], sender, reason);
        } else {
            Player player = Bukkit.getPlayer(args[0]);
            if (player == null || player.getAddress() == null) {
                sender.sendMessage(ChatColor.RED + "Can't find player " + args[0]);
                return false;
            }
            processIPBan(player.getAddress().getAddress().getHostAddress(), sender, reason);
        }
        return true;
    }

    private void processIPBan(String ip, CommandSender sender, String reason) {
        Bukkit.getBanList(org.bukkit.BanList.Type.IP).addBan(ip, reason, null, sender.getName());
        for (Player player : Bukkit.getOnlinePlayers()) {
            if (player.getAddress() != null && player.getAddress().getAddress().getHostAddress().equals(ip)) {
                player.kickPlayer("You have been IP banned.");
            }
        }
        Command.broadcastCommandMessage(sender, "Banned IP Address " + ip);
    }
}
