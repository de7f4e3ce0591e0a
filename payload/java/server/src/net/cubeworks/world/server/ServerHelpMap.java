package net.cubeworks.world.server;

import java.util.ArrayList;
import java.util.Collection;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;
import java.util.concurrent.CopyOnWriteArrayList;

import org.bukkit.command.Command;
import org.bukkit.command.PluginCommand;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.help.GenericCommandHelpTopic;
import org.bukkit.help.HelpMap;
import org.bukkit.help.HelpTopic;
import org.bukkit.help.HelpTopicComparator;
import org.bukkit.help.HelpTopicFactory;
import org.bukkit.help.IndexHelpTopic;

/**
 * The server's help over its command map: a topic for each command registered there (made by
 * the factory registered for its class, when a plugin gave one), the topics plugins add, and ""
 * the index of them all. Commands registered later come in the next time the help is read.
 */
final class ServerHelpMap implements HelpMap {
    private final SimpleCommandMap commands;
    private final Map<String, HelpTopic> added = new LinkedHashMap<String, HelpTopic>();
    private final Map<Class<?>, HelpTopicFactory<?>> factories = new LinkedHashMap<Class<?>, HelpTopicFactory<?>>();
    private final List<String> ignored = new CopyOnWriteArrayList<String>();

    ServerHelpMap(SimpleCommandMap commands) {
        this.commands = commands;
    }

    /** Every topic by name, in the help's order. */
    @SuppressWarnings({"unchecked", "rawtypes"})
    private synchronized TreeMap<String, HelpTopic> topics() {
        TreeMap<String, HelpTopic> out = new TreeMap<String, HelpTopic>(HelpTopicComparator.topicNameComparatorInstance());
        for (Command c : commands.getCommands()) {
            if (c instanceof PluginCommand && ignored.contains(((PluginCommand) c).getPlugin().getName())) {
                continue;
            }
            HelpTopic t = null;
            HelpTopicFactory f = factoryFor(c);
            if (f != null) {
                t = f.createTopic(c);
                if (t == null) {
                    continue;
                }
            } else {
                t = new GenericCommandHelpTopic(c);
            }
            if (!out.containsKey(t.getName())) {
                out.put(t.getName(), t);
            }
        }
        for (HelpTopic t : added.values()) {
            out.put(t.getName(), t);
        }
        return out;
    }

    private HelpTopicFactory<?> factoryFor(Command c) {
        for (Map.Entry<Class<?>, HelpTopicFactory<?>> e : factories.entrySet()) {
            if (e.getKey().isInstance(c)
                    || (c instanceof PluginCommand && e.getKey().isInstance(((PluginCommand) c).getExecutor()))) {
                return e.getValue();
            }
        }
        return null;
    }

    public HelpTopic getHelpTopic(String topicName) {
        if (topicName == null) {
            return null;
        }
        TreeMap<String, HelpTopic> all = topics();
        if (topicName.length() == 0) {
            return new IndexHelpTopic("", null, null, all.values(),
                    "Use /help [n] to get page n of help.");
        }
        return all.get(topicName);
    }

    public Collection<HelpTopic> getHelpTopics() {
        return new ArrayList<HelpTopic>(topics().values());
    }

    public synchronized void addTopic(HelpTopic topic) {
        if (!added.containsKey(topic.getName())) {
            added.put(topic.getName(), topic);
        }
    }

    public synchronized void clear() {
        added.clear();
    }

    public synchronized void registerHelpTopicFactory(Class<?> commandClass, HelpTopicFactory<?> factory) {
        if (!Command.class.isAssignableFrom(commandClass)
                && !org.bukkit.command.CommandExecutor.class.isAssignableFrom(commandClass)) {
            throw new IllegalArgumentException("commandClass must implement either Command or CommandExecutor!");
        }
        factories.put(commandClass, factory);
    }

    public List<String> getIgnoredPlugins() {
        return ignored;
    }
}
