package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.Bukkit;
import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /setworldspawn: the world's spawn, where the player stands or at the place given. */
public class SetWorldSpawnCommand extends VanillaCommand {
    public SetWorldSpawnCommand() {
        super("setworldspawn");
        this.description = "Sets a worlds's spawn point. If no coordinates are specified, the player's coordinates will "
                + "be used.";
        this.usageMessage = "/setworldspawn OR /setworldspawn <x> <y> <z>";
        this.setPermission("bukkit.command.setworldspawn");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        Player player = null;
        World world;
        if (sender instanceof Player) {
            player = (Player) sender;
            world = player.getWorld();
        } else {
            world = Bukkit.getWorlds().get(0);
        }
        final int x;
        final int y;
        final int z;
        if (args.length == 0) {
            if (player == null) {
                sender.sendMessage("You can only perform this command as a player");
                return true;
            }
            Location location = player.getLocation();
            x = location.getBlockX();
            y = location.getBlockY();
            z = location.getBlockZ();
        } else if (args.length == 3) {
            try {
                x = getInteger(sender, args[0], MIN_COORD, MAX_COORD, true);
                y = getInteger(sender, args[1], 0, world.getMaxHeight(), true);
                z = getInteger(sender, args[2], MIN_COORD, MAX_COORD, true);
            } catch (NumberFormatException ex) {
                sender.sendMessage(ex.getMessage());
                return true;
            }
        } else {
            return usage(sender);
        }
        world.setSpawnLocation(x, y, z);
        Command.broadcastCommandMessage(sender, "Set world " + world.getName() + "'s spawnpoint to (" + x + ", " + y
                + ", " + z + ")");
        return true;
    }
}
