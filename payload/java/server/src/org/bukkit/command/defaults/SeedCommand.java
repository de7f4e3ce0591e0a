package org.bukkit.command.defaults;

import org.bukkit.command.CommandSender;

/** /seed: the seed of the world the sender is in. */
public class SeedCommand extends GameCommand {
    public SeedCommand() {
        super("seed", "Shows the world seed", "/seed", "bukkit.command.seed");
    }

    @Override
    void run(CommandSender sender, Words words) {
        sender.sendMessage("Seed: " + words.world().getSeed());
    }
}
