package org.bukkit.command.defaults;

import org.bukkit.World;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;

/** /toggledownfall: rain stops where it rains and starts where it does not, in the sender's world. */
public class ToggleDownfallCommand extends GameCommand {
    public ToggleDownfallCommand() {
        super("toggledownfall", "Toggles rain on/off on a given world", "/toggledownfall",
                "bukkit.command.toggledownfall");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() > 1) {
            throw usage();
        }
        World world = words.world();
        world.setStorm(!world.hasStorm());
        Command.broadcastCommandMessage(sender, "Toggled downfall");
    }
}
