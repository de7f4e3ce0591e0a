package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.Bukkit;
import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /spawnpoint: where a player comes back after dying: where he stands, or the place given. */
public class SpawnpointCommand extends VanillaCommand {
    public SpawnpointCommand() {
        super("spawnpoint");
        this.description = "Sets a player's spawn point";
        this.usageMessage = "/spawnpoint OR /spawnpoint <player> OR /spawnpoint <player> <x> <y> <z>";
        this.setPermission("bukkit.command.spawnpoint");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        Player player;
        if (args.length == 0) {
            if (sender instanceof Player) {
                player = (Player) sender;
            } else {
                sender.sendMessage("Please provide a player!");
                return true;
            }
        } else {
            player = Bukkit.getPlayerExact(args[0]);
            if (player == null) {
                sender.sendMessage("Can't find player " + args[0]);
                return true;
            }
        }
        World world = player.getWorld();
        if (args.length == 4) {
            if (world != null) {
                final int x;
                final int y;
                final int z;
                try {
                    x = getInteger(sender, args[1], MIN_COORD, MAX_COORD, true);
                    y = getInteger(sender, args[2], 0, world.getMaxHeight(), true);
                    z = getInteger(sender, args[3], MIN_COORD, MAX_COORD, true);
                } catch (NumberFormatException ex) {
                    sender.sendMessage(ex.getMessage());
                    return true;
                }
                player.setBedSpawnLocation(new Location(world, x, y, z), true);
                Command.broadcastCommandMessage(sender, "Set " + player.getDisplayName() + "'s spawnpoint to " + x + ", "
                        + y + ", " + z);
            }
        } else if (args.length <= 1) {
            Location location = player.getLocation();
            player.setBedSpawnLocation(location, true);
            Command.broadcastCommandMessage(sender, "Set " + player.getDisplayName() + "'s spawnpoint to "
                    + location.getX() + ", " + location.getY() + ", " + location.getZ());
        } else {
            return usage(sender);
        }
        return true;
    }
}
