package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.command.CommandSender;

/** The server's /say: broadcasts the given message as the sender. The server runs it (see {@link ServerOwn}). */
public class SayCommand extends VanillaCommand {
    public SayCommand() {
        super("say");
        this.description = "Broadcasts the given message as the sender";
        this.usageMessage = "/say <message ...>";
        this.setPermission("bukkit.command.say");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        return ServerOwn.run(sender, getName(), args);
    }
}
