package net.cubeworks.world;

import org.bukkit.Server;
import org.bukkit.command.ConsoleCommandSender;

import net.cubeworks.world.console.ChatText;

/** The console as a command sender: an operator whose messages become log lines. */
final class ConsoleSender implements ConsoleCommandSender {
    private final WorldServer server;

    ConsoleSender(WorldServer server) {
        this.server = server;
    }

    public void sendMessage(String message) {
        for (String line : message.split("\n", -1)) {
            server.logger().info(ChatText.stripColor(line));
        }
    }

    public void sendMessage(String[] messages) {
        for (String m : messages) {
            sendMessage(m);
        }
    }

    public Server getServer() {
        return server.api();
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
