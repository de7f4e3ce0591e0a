package net.cubeworks.world.game.thread;

import org.bukkit.Server;
import org.bukkit.command.CommandSender;
import org.bukkit.event.Event;

/** What the game needs from the floors above it: the plugins' events, the commands, the API's server. */
public interface GameHost {
    /** Delivers the event to the plugins' listeners; a cancellable event may come back cancelled. */
    void callEvent(Event event);

    /** Runs a command line for the sender, as typed after the "/". */
    boolean dispatchCommand(CommandSender sender, String commandLine);

    /** The completions of a command line ("/" and all) for the sender; null or empty when there are none. */
    java.util.List<String> tabCompleteCommand(CommandSender sender, String commandLine);

    /** The server as plugins see it. */
    Server api();
}
