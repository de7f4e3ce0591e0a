package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.Location;
import org.bukkit.World;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Entity;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Player;

/**
 * /summon EntityName [x y z]: a mob (or an arrow) of the game's name ("Zombie", "Cow", ...) where
 * the sender stands or at the place ("~" counting from the sender; whole numbers are a block's
 * middle), through the world's spawning. A data tag is refused: the server does not read one.
 */
public class SummonCommand extends GameCommand {
    public SummonCommand() {
        super("summon", "Summons an entity", "/summon <EntityName> [x] [y] [z] [dataTag]", "bukkit.command.summon");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() != 1 && words.count() != 4) {
            throw words.count() > 4 ? new Words.Refusal(ChatColor.RED + "Data tags are not read by this server")
                    : usage();
        }
        World world = words.world();
        Location origin = sender instanceof Player ? ((Player) sender).getLocation() : world.getSpawnLocation();
        double x = origin.getX();
        double y = origin.getY();
        double z = origin.getZ();
        if (words.count() == 4) {
            x = coordinate(x, words.get(1));
            y = coordinate(y, words.get(2));
            z = coordinate(z, words.get(3));
        }
        if (y < 0 || y >= world.getMaxHeight()) {
            throw new Words.Refusal(ChatColor.RED + "Cannot summon the object out of the world");
        }
        EntityType type = EntityType.fromName(words.get(0));
        Entity made = null;
        if (type != null && type.isSpawnable()) {
            made = world.spawnEntity(new Location(world, x, y, z), type);
        }
        if (made == null) {
            throw new Words.Refusal(ChatColor.RED + "Unable to summon object");
        }
        broadcastCommandMessage(sender, "Object successfully summoned");
    }

    /** A coordinate: "~" and "~n" count from the origin; a whole number is the middle of its block. */
    private static double coordinate(double origin, String word) throws Words.Refusal {
        boolean relative = word.startsWith("~");
        String n = relative ? word.substring(1) : word;
        double v;
        if (n.isEmpty()) {
            v = 0;
        } else {
            try {
                v = Double.parseDouble(n);
            } catch (NumberFormatException ex) {
                throw new Words.Refusal(ChatColor.RED + "'" + n + "' is not a valid number");
            }
            if (Double.isNaN(v) || Math.abs(v) > 30000000) {
                throw new Words.Refusal(ChatColor.RED + "'" + n + "' is not a valid number");
            }
        }
        if (!relative && !n.contains(".")) {
            v += 0.5;
        }
        return relative ? origin + v : v;
    }
}
