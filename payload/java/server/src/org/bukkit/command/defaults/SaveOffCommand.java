package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.World;
import org.bukkit.command.CommandSender;

/** /save-off: the worlds are no longer saved every while (save-all and the stop still save them). */
public class SaveOffCommand extends GameCommand {
    public SaveOffCommand() {
        super("save-off", "Disables server autosaving", "/save-off", "bukkit.command.save.disable");
    }

    @Override
    void run(CommandSender sender, Words words) {
        for (World world : Bukkit.getWorlds()) {
            world.setAutoSave(false);
        }
        broadcastCommandMessage(sender, "Disabled level saving..");
    }
}
