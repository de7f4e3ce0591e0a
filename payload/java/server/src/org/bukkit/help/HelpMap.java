package org.bukkit.help;

import java.util.Collection;
import java.util.List;

/** The server's help: a topic for each command, and index topics; "" is the index of all. */
public interface HelpMap {
    /** The topic of the name (a command with its slash, or an index), or null. */
    HelpTopic getHelpTopic(String topicName);

    Collection<HelpTopic> getHelpTopics();

    /** Adds a topic; a topic of that name already there stays. */
    void addTopic(HelpTopic topic);

    void clear();

    /** Makes the topics of commands of the class (or whose executor is of the class) with the factory. */
    void registerHelpTopicFactory(Class<?> commandClass, HelpTopicFactory<?> factory);

    /** Plugins whose commands are left out of the help. */
    List<String> getIgnoredPlugins();
}
