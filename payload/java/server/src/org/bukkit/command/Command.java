package org.bukkit.command;

import java.util.ArrayList;
import java.util.List;

/** A named command with its description, usage text, aliases and permission. */
public abstract class Command {
    private final String name;
    private String label;
    private List<String> aliases;
    protected String description;
    protected String usageMessage;
    private String permission;
    private String permissionMessage;
    private CommandMap commandMap;

    protected Command(String name) {
        this(name, "", "/" + name, new ArrayList<String>());
    }

    protected Command(String name, String description, String usageMessage, List<String> aliases) {
        this.name = name;
        this.label = name;
        this.description = description;
        this.usageMessage = usageMessage;
        this.aliases = aliases;
    }

    public abstract boolean execute(CommandSender sender, String commandLabel, String[] args);

    /** The old form of completion, which no command answers: null. */
    @Deprecated
    public List<String> tabComplete(CommandSender sender, String[] args) {
        return null;
    }

    /** Tells the server's operators what the sender did, in grey italics, and the console, plainly. */
    public static void broadcastCommandMessage(CommandSender source, String message) {
        broadcastCommandMessage(source, message, true);
    }

    /** As above; sendToSource also tells the sender the message itself. */
    public static void broadcastCommandMessage(CommandSender source, String message, boolean sendToSource) {
        String result = source.getName() + ": " + message;
        String colored = org.bukkit.ChatColor.GRAY + "" + org.bukkit.ChatColor.ITALIC + "[" + result + "]";
        if (sendToSource && !(source instanceof ConsoleCommandSender)) {
            source.sendMessage(message);
        }
        org.bukkit.Server server = org.bukkit.Bukkit.getServer();
        if (server == null) {
            return;
        }
        for (org.bukkit.entity.Player p : server.getOnlinePlayers()) {
            if (p != source && p.hasPermission(org.bukkit.Server.BROADCAST_CHANNEL_ADMINISTRATIVE)) {
                p.sendMessage(colored);
            }
        }
        // the console hears every one, its own included, as "NAME: message"
        server.getConsoleSender().sendMessage(result);
    }

    /** Completes the last argument with the names of the online players that start with it. */
    public List<String> tabComplete(CommandSender sender, String alias, String[] args) throws IllegalArgumentException {
        if (sender == null || alias == null || args == null) {
            throw new IllegalArgumentException("Sender, alias and arguments cannot be null");
        }
        if (args.length == 0) {
            return java.util.Collections.emptyList();
        }
        String last = args[args.length - 1].toLowerCase();
        List<String> matched = new ArrayList<String>();
        org.bukkit.Server server = org.bukkit.Bukkit.getServer();
        if (server != null) {
            for (org.bukkit.entity.Player p : server.getOnlinePlayers()) {
                if (p.getName().toLowerCase().startsWith(last)) {
                    matched.add(p.getName());
                }
            }
        }
        java.util.Collections.sort(matched, String.CASE_INSENSITIVE_ORDER);
        return matched;
    }

    /** Remembers the map this command is registered in; false when it is in another one already. */
    public boolean register(CommandMap commandMap) {
        if (this.commandMap == null || this.commandMap == commandMap) {
            this.commandMap = commandMap;
            return true;
        }
        return false;
    }

    public boolean unregister(CommandMap commandMap) {
        if (this.commandMap == commandMap) {
            this.commandMap = null;
            return true;
        }
        return false;
    }

    public boolean isRegistered() {
        return commandMap != null;
    }

    public String getName() {
        return name;
    }

    public String getLabel() {
        return label;
    }

    public boolean setLabel(String name) {
        this.label = name;
        return true;
    }

    public String getPermission() {
        return permission;
    }

    public void setPermission(String permission) {
        this.permission = permission;
    }

    /** True when the sender may run this command; operators may run everything. */
    public boolean testPermissionSilent(CommandSender target) {
        if (permission == null || permission.length() == 0) {
            return true;
        }
        for (String p : permission.split(";")) {
            if (target.hasPermission(p)) {
                return true;
            }
        }
        return false;
    }

    /** Like testPermissionSilent, but tells the sender when the permission is missing. */
    public boolean testPermission(CommandSender target) {
        if (testPermissionSilent(target)) {
            return true;
        }
        if (permissionMessage == null) {
            target.sendMessage("\u00a7cI'm sorry, but you do not have permission to perform this command. "
                    + "Please contact the server administrators if you believe that this is in error.");
        } else if (permissionMessage.length() != 0) {
            for (String line : permissionMessage.replace("<permission>", permission).split("\n")) {
                target.sendMessage(line);
            }
        }
        return false;
    }

    public List<String> getAliases() {
        return aliases;
    }

    public String getPermissionMessage() {
        return permissionMessage;
    }

    public String getDescription() {
        return description;
    }

    public String getUsage() {
        return usageMessage;
    }

    public Command setAliases(List<String> aliases) {
        this.aliases = aliases;
        return this;
    }

    public Command setDescription(String description) {
        this.description = description;
        return this;
    }

    public Command setPermissionMessage(String permissionMessage) {
        this.permissionMessage = permissionMessage;
        return this;
    }

    public Command setUsage(String usage) {
        this.usageMessage = usage;
        return this;
    }

    @Override
    public String toString() {
        return getClass().getName() + '(' + name + ')';
    }
}
