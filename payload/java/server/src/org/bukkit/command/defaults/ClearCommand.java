package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.Material;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;

/** /clear: empties a player's inventory, or takes one kind of item (of one data value) out of it. */
public class ClearCommand extends GameCommand {
    public ClearCommand() {
        super("clear", "Clears the player's inventory. Can specify item and data filters too.",
                "/clear <player> [item] [data]", "bukkit.command.clear");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        Player target = words.playerOrSelf(0, false, ChatColor.RED + "Can't find player {}",
                ChatColor.RED + "Please provide a player!");
        int id = -1;
        if (words.has(1) && !words.get(1).equals("-1")) {
            Material kind = org.bukkit.Bukkit.getUnsafe().getMaterialFromInternalName(words.get(1));
            if (kind == null) {
                throw new Words.Refusal(ChatColor.RED + "There's no item called " + words.get(1));
            }
            id = kind.getId();
        }
        int data = words.has(2) ? words.number(2, 0, Integer.MAX_VALUE) : -1;
        int removed = target.getInventory().clear(id, data);
        broadcastCommandMessage(sender, "Cleared the inventory of " + target.getDisplayName() + ", removing " + removed
                + " items");
    }
}
