package org.bukkit.command.defaults;

import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /setworldspawn: the world's spawn, at the block the player stands on or the one given. */
public class SetWorldSpawnCommand extends GameCommand {
    public SetWorldSpawnCommand() {
        super("setworldspawn", "Sets a worlds's spawn point. If no coordinates are specified, the player's coordinates "
                + "will be used.", "/setworldspawn OR /setworldspawn <x> <y> <z>", "bukkit.command.setworldspawn");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        World world = words.world();
        int x;
        int y;
        int z;
        if (words.count() == 3) {
            x = SpawnpointCommand.whole(words.get(0), MIN_COORD, MAX_COORD);
            y = SpawnpointCommand.whole(words.get(1), 0, world.getMaxHeight());
            z = SpawnpointCommand.whole(words.get(2), MIN_COORD, MAX_COORD);
        } else if (words.count() == 0) {
            if (!(sender instanceof Player)) {
                throw new Words.Refusal("You can only perform this command as a player");
            }
            Location here = ((Player) sender).getLocation();
            x = here.getBlockX();
            y = here.getBlockY();
            z = here.getBlockZ();
        } else {
            throw usage();
        }
        world.setSpawnLocation(x, y, z);
        broadcastCommandMessage(sender, "Set world " + world.getName() + "'s spawnpoint to (" + x + ", " + y + ", " + z
                + ")");
    }
}
