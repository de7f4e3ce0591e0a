package org.bukkit.command;

import org.bukkit.block.Block;

/** A command block running a command; this server has none yet, so no sender is of this kind. */
public interface BlockCommandSender extends CommandSender {
    /** The command block that runs the command. */
    Block getBlock();
}
