package org.bukkit.entity.minecart;

import org.bukkit.command.CommandSender;
import org.bukkit.entity.Minecart;

/**
 * A command minecart in the world. This server simulates players only, so no entity of this kind
 * exists here.
 */
public interface CommandMinecart extends Minecart, CommandSender {
    String getCommand();
    void setCommand(String command);
    void setName(String name);
}
