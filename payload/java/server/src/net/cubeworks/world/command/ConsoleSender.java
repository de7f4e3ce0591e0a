package net.cubeworks.world.command;

import java.util.Set;
import java.util.logging.Logger;

import org.bukkit.Server;
import org.bukkit.command.ConsoleCommandSender;
import org.bukkit.permissions.PermissibleBase;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionAttachment;
import org.bukkit.permissions.PermissionAttachmentInfo;
import org.bukkit.plugin.Plugin;

import net.cubeworks.world.console.ChatText;


/**
 * The console as a command sender: an operator whose messages become log lines, and whose
 * permissions follow the registered defaults for operators and the plugins' attachments.
 */
public final class ConsoleSender implements ConsoleCommandSender {
    private final Logger logger;
    private final Server api;
    private final PermissibleBase perm = new PermissibleBase(this);

    public ConsoleSender(Logger logger, Server api) {
        this.logger = logger;
        this.api = api;
    }

    public void sendMessage(String message) {
        for (String line : message.split("\n", -1)) {
            logger.info(ChatText.stripColor(line));
        }
    }

    public void sendMessage(String[] messages) {
        for (String m : messages) {
            sendMessage(m);
        }
    }

    public Server getServer() {
        return api;
    }

    public String getName() {
        return "CONSOLE";
    }

    public boolean isOp() {
        return true;
    }

    public void setOp(boolean value) {
        throw new UnsupportedOperationException("Cannot change operator status of server console");
    }

    public boolean isPermissionSet(String name) {
        return perm.isPermissionSet(name);
    }

    public boolean isPermissionSet(Permission permission) {
        return perm.isPermissionSet(permission);
    }

    public boolean hasPermission(String name) {
        return perm.hasPermission(name);
    }

    public boolean hasPermission(Permission permission) {
        return perm.hasPermission(permission);
    }

    public PermissionAttachment addAttachment(Plugin plugin, String name, boolean value) {
        return perm.addAttachment(plugin, name, value);
    }

    public PermissionAttachment addAttachment(Plugin plugin) {
        return perm.addAttachment(plugin);
    }

    public PermissionAttachment addAttachment(Plugin plugin, String name, boolean value, int ticks) {
        return perm.addAttachment(plugin, name, value, ticks);
    }

    public PermissionAttachment addAttachment(Plugin plugin, int ticks) {
        return perm.addAttachment(plugin, ticks);
    }

    public void removeAttachment(PermissionAttachment attachment) {
        perm.removeAttachment(attachment);
    }

    public void recalculatePermissions() {
        perm.recalculatePermissions();
    }

    public Set<PermissionAttachmentInfo> getEffectivePermissions() {
        return perm.getEffectivePermissions();
    }
}
