package org.bukkit.command.defaults;

import java.util.regex.Pattern;

import org.bukkit.BanList;
import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /ban-ip: bans an IPv4 address, or the one a player plays from; whoever plays from it is kicked. */
public class BanIpCommand extends GameCommand {
    /** A dotted IPv4 address, each part 0 to 255. */
    public static final Pattern ipValidity = Pattern.compile("^((25[0-5]|2[0-4]\\d|[01]?\\d\\d?)\\.){3}"
            + "(25[0-5]|2[0-4]\\d|[01]?\\d\\d?)$");

    public BanIpCommand() {
        super("ban-ip", "Prevents the specified IP address from using this server", "/ban-ip <address|player> [reason ...]",
                "bukkit.command.ban.ip");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() == 0) {
            throw usage();
        }
        String address = words.get(0);
        if (!ipValidity.matcher(address).matches()) {
            Player player = words.player(0, false, ChatColor.RED + "Can't find player {}");
            if (player.getAddress() == null) {
                throw new Words.Refusal(ChatColor.RED + "Can't find player " + address);
            }
            address = player.getAddress().getAddress().getHostAddress();
        }
        Bukkit.getBanList(BanList.Type.IP).addBan(address, words.rest(1), null, sender.getName());
        for (Player p : Bukkit.getOnlinePlayers()) {
            if (p.getAddress() != null && address.equals(p.getAddress().getAddress().getHostAddress())) {
                p.kickPlayer("You have been IP banned.");
            }
        }
        broadcastCommandMessage(sender, "Banned IP Address " + address);
    }
}
