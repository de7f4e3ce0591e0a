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
