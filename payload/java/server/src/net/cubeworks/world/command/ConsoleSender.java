package net.cubeworks.world.command;

import java.util.logging.Logger;

import org.bukkit.Server;
import org.bukkit.command.ConsoleCommandSender;

import net.cubeworks.world.console.ChatText;


/** The console as a command sender: an operator whose messages become log lines. */
public final class ConsoleSender implements ConsoleCommandSender {
    private final Logger logger;
    private final Server api;

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
        return true;
    }

    public boolean hasPermission(String name) {
        return true;
    }

    public void recalculatePermissions() {
    }
}
