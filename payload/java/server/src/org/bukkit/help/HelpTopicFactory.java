package org.bukkit.help;

import org.bukkit.command.Command;

/** Makes the help topic of a plugin's kind of command; a null topic leaves the command out of the help. */
public interface HelpTopicFactory<TCommand extends Command> {
    HelpTopic createTopic(TCommand command);
}
