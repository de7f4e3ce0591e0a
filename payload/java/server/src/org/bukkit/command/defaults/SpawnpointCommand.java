package org.bukkit.command.defaults;

import org.bukkit.Location;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /spawnpoint: where a player comes back after dying, where he stands or at the block given. */
public class SpawnpointCommand extends GameCommand {
    public SpawnpointCommand() {
        super("spawnpoint", "Sets a player's spawn point",
                "/spawnpoint OR /spawnpoint <player> OR /spawnpoint <player> <x> <y> <z>", "bukkit.command.spawnpoint");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() != 0 && words.count() != 1 && words.count() != 4) {
            throw usage();
        }
        Player target = words.playerOrSelf(0, true, "Can't find player {}", "Please provide a player!");
        Location at;
        String where;
        if (words.count() == 4) {
            int x = whole(words.get(1), MIN_COORD, MAX_COORD);
            int y = whole(words.get(2), 0, target.getWorld().getMaxHeight());
            int z = whole(words.get(3), MIN_COORD, MAX_COORD);
            at = new Location(target.getWorld(), x, y, z);
            where = x + ", " + y + ", " + z;
        } else {
            at = target.getLocation();
            where = at.getX() + ", " + at.getY() + ", " + at.getZ();
        }
        target.setBedSpawnLocation(at, true);
        broadcastCommandMessage(sender, "Set " + target.getDisplayName() + "'s spawnpoint to " + where);
    }

    /** A coordinate: a whole number, else refused as the game words it. */
    static int whole(String word, int min, int max) throws Words.Refusal {
        if (!word.matches("-?\\d{1,10}")) {
            throw new Words.Refusal(word + " is not a valid number");
        }
        return (int) Math.max(min, Math.min(max, Long.parseLong(word)));
    }
}
