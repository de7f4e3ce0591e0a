package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.Location;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/**
 * /playsound: a sound of the game by its name to one player, at a place (where he stands unless
 * given, "~" counting from there). A sound beyond its hearing distance (16 blocks, times the
 * volume above 1) is not heard, unless a minimum volume is given: then it plays at that volume
 * from two blocks towards the place.
 */
public class PlaySoundCommand extends GameCommand {
    public PlaySoundCommand() {
        super("playsound", "Plays a sound to a given player",
                "/playsound <sound> <player> [x] [y] [z] [volume] [pitch] [minimumVolume]", "bukkit.command.playsound");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() < 2) {
            throw usage();
        }
        String sound = words.get(0);
        Player target = words.player(1, true, ChatColor.RED + "Can't find player {}");
        Location ear = target.getLocation();
        double[] at = {Math.floor(ear.getX()), Math.floor(ear.getY() + 0.5), Math.floor(ear.getZ())};
        for (int i = 0; i < 3 && words.has(2 + i); i++) {
            at[i] = getRelativeDouble(at[i], sender, words.get(2 + i));
        }
        double volume = words.has(5) ? getDouble(sender, words.get(5), 0.0, Float.MAX_VALUE) : 1.0;
        double pitch = words.has(6) ? getDouble(sender, words.get(6), 0.0, 2.0) : 1.0;
        double minimum = words.has(7) ? getDouble(sender, words.get(7), 0.0, 1.0) : 0.0;
        double reach = Math.max(1.0, volume) * 16.0;
        Location source = new Location(target.getWorld(), at[0], at[1], at[2]);
        if (ear.distanceSquared(source) <= reach * reach) {
            target.playSound(source, sound, (float) volume, (float) pitch);
        } else if (minimum > 0.0) {
            double dx = at[0] - ear.getX();
            double dy = at[1] - ear.getY();
            double dz = at[2] - ear.getZ();
            double half = Math.sqrt(dx * dx + dy * dy + dz * dz) / 2.0;
            Location near = ear.clone();
            if (half > 0.0) {
                near.add(dx / half, dy / half, dz / half);
            }
            target.playSound(near, sound, (float) minimum, (float) pitch);
        } else {
            throw new Words.Refusal(ChatColor.RED + words.get(1) + " is too far away to hear the sound");
        }
        sender.sendMessage("Played '" + sound + "' to " + words.get(1));
    }
}
