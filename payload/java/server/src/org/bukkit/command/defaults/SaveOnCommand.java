package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.World;
import org.bukkit.command.CommandSender;

/** /save-on: the worlds are saved every while again. */
public class SaveOnCommand extends GameCommand {
    public SaveOnCommand() {
        super("save-on", "Enables server autosaving", "/save-on", "bukkit.command.save.enable");
    }

    @Override
    void run(CommandSender sender, Words words) {
        for (World world : Bukkit.getWorlds()) {
            world.setAutoSave(true);
        }
        broadcastCommandMessage(sender, "Enabled level saving..");
    }
}
