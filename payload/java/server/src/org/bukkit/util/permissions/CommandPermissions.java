package org.bukkit.util.permissions;

import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionDefault;

/** The permissions of the server's own commands, "bukkit.command.NAME", operators' by default. */
public final class CommandPermissions {
    private static final String ROOT = "bukkit.command";
    private static final String[] OPERATOR_COMMANDS = {"ban", "ban.player", "ban.ip", "unban", "unban.player",
        "unban.ip", "op", "op.give", "op.take", "save", "save.perform", "save.enable", "save.disable", "time",
        "time.add", "time.set", "kick", "stop", "list", "whitelist", "whitelist.add", "whitelist.remove",
        "whitelist.reload", "whitelist.enable", "whitelist.disable", "whitelist.list", "gamemode", "give", "teleport",
        "kill", "me", "tell", "say", "toggledownfall", "xp", "seed", "effect", "enchant", "difficulty", "weather",
        "spawnpoint", "setworldspawn", "gamerule", "defaultgamemode", "clear", "testfor", "spreadplayers",
        "playsound", "achievement", "scoreboard", "setidletimeout"};
    private static final String[] EVERYONE_COMMANDS = {"help", "plugins", "version"};

    private CommandPermissions() {
    }

    public static Permission registerPermissions(Permission parent) {
        Permission commands = DefaultPermissions.registerPermission(ROOT, "Gives the user the ability to use all CraftBukkit commands",
                parent);
        for (String c : OPERATOR_COMMANDS) {
            DefaultPermissions.registerPermission(ROOT + "." + c, "Allows the user to use /" + c, PermissionDefault.OP,
                    commands);
        }
        for (String c : EVERYONE_COMMANDS) {
            DefaultPermissions.registerPermission(ROOT + "." + c, "Allows the user to use /" + c, PermissionDefault.TRUE,
                    commands);
        }
        commands.recalculatePermissibles();
        return commands;
    }
}
