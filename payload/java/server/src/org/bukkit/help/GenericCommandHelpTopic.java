package org.bukkit.help;

import org.bukkit.ChatColor;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.command.ConsoleCommandSender;

/** The help of a command: its description, usage and aliases, seen by those who may run it. */
public class GenericCommandHelpTopic extends HelpTopic {
    protected Command command;

    public GenericCommandHelpTopic(Command command) {
        this.command = command;
        name = command.getLabel().startsWith("/") ? command.getLabel() : "/" + command.getLabel();
        // the index line is the description's first line
        String description = command.getDescription() == null ? "" : command.getDescription();
        int nl = description.indexOf('\n');
        shortText = nl >= 0 ? description.substring(0, nl) : description;
        StringBuilder sb = new StringBuilder();
        sb.append(ChatColor.GOLD).append("Description: ").append(ChatColor.WHITE).append(description);
        sb.append("\n").append(ChatColor.GOLD).append("Usage: ").append(ChatColor.WHITE)
                .append(command.getUsage() == null ? "" : command.getUsage().replace("<command>", name.substring(1)));
        if (command.getAliases() != null && !command.getAliases().isEmpty()) {
            sb.append("\n").append(ChatColor.GOLD).append("Aliases: ").append(ChatColor.WHITE);
            boolean first = true;
            for (String alias : command.getAliases()) {
                sb.append(first ? "" : ", ").append(alias);
                first = false;
            }
        }
        fullText = sb.toString();
    }

    public boolean canSee(CommandSender sender) {
        if (!command.isRegistered()) {
            return false;
        }
        if (sender instanceof ConsoleCommandSender) {
            return true;
        }
        if (amendedPermission != null) {
            return sender.hasPermission(amendedPermission);
        }
        return command.testPermissionSilent(sender);
    }
}
