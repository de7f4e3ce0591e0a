package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.command.CommandSender;

/**
 * A command of the game the server answers itself through the plugin API: it checks the
 * sender's permission, reads the words (see {@link Words}) and tells the sender what did not fit.
 */
abstract class GameCommand extends VanillaCommand {
    GameCommand(String name, String description, String usage, String permission) {
        super(name);
        this.description = description;
        this.usageMessage = usage;
        setPermission(permission);
        setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String label, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        try {
            run(sender, new Words(sender, args));
        } catch (Words.Refusal refusal) {
            for (String line : refusal.getMessage().split("\n")) {
                sender.sendMessage(line);
            }
        }
        return true;
    }

    /** Runs the command; a refusal's text goes to the sender. */
    abstract void run(CommandSender sender, Words words) throws Words.Refusal;

    /** The usage line as a refusal. */
    Words.Refusal usage() {
        return Words.usage(usageMessage);
    }
}
