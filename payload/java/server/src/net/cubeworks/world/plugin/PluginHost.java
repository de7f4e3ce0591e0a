package net.cubeworks.world.plugin;

import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.Server;

import org.bukkit.command.PluginCommandYamlParser;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.Listener;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.InvalidDescriptionException;
import org.bukkit.plugin.InvalidPluginException;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginDescriptionFile;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.java.JavaPluginLoader;

/**
 * Loads the plugin jars of the plugins folder, enables and disables them, and delivers
 * events to their @EventHandler methods. A jar that cannot be loaded is reported and
 * skipped; the others load as usual.
 */
public final class PluginHost implements PluginManager {
    private final Logger logger;
    private final PluginCommands commands;
    private final TaskScheduler scheduler;
    private final JavaPluginLoader loader;
    private final List<Plugin> plugins = new CopyOnWriteArrayList<Plugin>();
    private final EventDispatch events;

    public PluginHost(Logger logger, Server api, PluginCommands commands, TaskScheduler scheduler) {
        this.logger = logger;
        this.commands = commands;
        this.scheduler = scheduler;
        this.loader = new JavaPluginLoader(api);
        this.events = new EventDispatch(logger);
    }

    private void reportFailure(File file, File directory, Throwable ex) {
        logger.log(Level.SEVERE, "Could not load '" + file.getPath() + "' in folder '"
                + directory.getPath() + "'", ex);
    }

    /**
     * Loads every jar of the folder in name order, dependencies first, and runs each
     * plugin's onLoad after the "Loading" line.
     */
    public Plugin[] loadPlugins(File directory) {
        File[] files = directory.listFiles();
        if (files == null) {
            return new Plugin[0];
        }
        Arrays.sort(files);
        Map<String, File> byName = new LinkedHashMap<String, File>();
        Map<String, PluginDescriptionFile> descriptions = new LinkedHashMap<String, PluginDescriptionFile>();
        for (File file : files) {
            if (!file.isFile() || !file.getName().toLowerCase().endsWith(".jar")) {
                continue;
            }
            PluginDescriptionFile d;
            try {
                d = loader.getPluginDescription(file);
            } catch (InvalidDescriptionException ex) {
                reportFailure(file, directory, new InvalidPluginException(ex));
                continue;
            } catch (RuntimeException ex) {
                reportFailure(file, directory, new InvalidPluginException(ex));
                continue;
            }
            if (byName.containsKey(d.getName())) {
                logger.severe("Ambiguous plugin name `" + d.getName() + "' for files `"
                        + file.getPath() + "' and `" + byName.get(d.getName()).getPath() + "' in `"
                        + directory.getPath() + "'");
                continue;
            }
            byName.put(d.getName(), file);
            descriptions.put(d.getName(), d);
        }
        List<Plugin> loaded = new ArrayList<Plugin>();
        while (!byName.isEmpty()) {
            String next = null;
            for (String name : byName.keySet()) {
                if (ready(descriptions.get(name), byName)) {
                    next = name;
                    break;
                }
            }
            if (next == null) {
                // what is left waits on a missing plugin or on each other
                String name = byName.keySet().iterator().next();
                List<String> missing = new ArrayList<String>();
                for (String dep : descriptions.get(name).getDepend()) {
                    if (getPlugin(dep) == null) {
                        missing.add(dep);
                    }
                }
                File file = byName.remove(name);
                reportFailure(file, directory, new InvalidPluginException(
                        "Unknown dependency " + missing + ". Please download and install it to run this plugin."));
                continue;
            }
            File file = byName.remove(next);
            Plugin plugin = loadOne(file, directory);
            if (plugin != null) {
                loaded.add(plugin);
            }
        }
        return loaded.toArray(new Plugin[loaded.size()]);
    }

    /** True when every dependency of the plugin is loaded and no soft dependency is pending. */
    private boolean ready(PluginDescriptionFile d, Map<String, File> pending) {
        for (String dep : d.getDepend()) {
            if (getPlugin(dep) == null) {
                return false;
            }
        }
        for (String dep : d.getSoftDepend()) {
            if (pending.containsKey(dep)) {
                return false;
            }
        }
        return true;
    }

    private Plugin loadOne(File file, File directory) {
        Plugin plugin;
        try {
            plugin = loader.loadPlugin(file);
        } catch (InvalidPluginException ex) {
            reportFailure(file, directory, ex);
            return null;
        } catch (Throwable ex) {
            reportFailure(file, directory, new InvalidPluginException(ex));
            return null;
        }
        plugins.add(plugin);
        try {
            plugin.getLogger().info("Loading " + plugin.getDescription().getFullName());
            plugin.onLoad();
        } catch (Throwable ex) {
            logger.log(Level.SEVERE, ex.getMessage() + " initializing "
                    + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
        return plugin;
    }

    /** Registers each plugin's commands and enables it, in load order. */
    public void enableAll() {
        for (Plugin plugin : plugins) {
            enablePlugin(plugin);
        }
    }

    public Plugin loadPlugin(File file) throws InvalidPluginException, InvalidDescriptionException {
        Plugin plugin = loader.loadPlugin(file);
        plugins.add(plugin);
        plugin.onLoad();
        return plugin;
    }

    public Plugin getPlugin(String name) {
        for (Plugin p : plugins) {
            if (p.getDescription().getName().equalsIgnoreCase(name)) {
                return p;
            }
        }
        return null;
    }

    public Plugin[] getPlugins() {
        return plugins.toArray(new Plugin[0]);
    }

    public boolean isPluginEnabled(String name) {
        Plugin p = getPlugin(name);
        return p != null && p.isEnabled();
    }

    public boolean isPluginEnabled(Plugin plugin) {
        return plugin != null && plugins.contains(plugin) && plugin.isEnabled();
    }

    public void enablePlugin(Plugin plugin) {
        if (plugin.isEnabled()) {
            return;
        }
        try {
            commands.register(plugin, PluginCommandYamlParser.parse(plugin));
        } catch (RuntimeException ex) {
            logger.log(Level.SEVERE, "Error occurred while registering commands of "
                    + plugin.getDescription().getFullName(), ex);
        }
        loader.enablePlugin(plugin);
    }

    public void disablePlugin(Plugin plugin) {
        if (!plugin.isEnabled()) {
            return;
        }
        loader.disablePlugin(plugin);
        if (scheduler != null) {
            scheduler.cancelTasks(plugin);
        }
        events.unregister(plugin);
    }

    /** Disables the plugins in the reverse order of loading. */
    public void disablePlugins() {
        List<Plugin> reversed = new ArrayList<Plugin>(plugins);
        Collections.reverse(reversed);
        for (Plugin p : reversed) {
            disablePlugin(p);
        }
    }

    public void clearPlugins() {
        disablePlugins();
        plugins.clear();
        events.unregisterAll();
    }

    public void registerEvents(Listener listener, Plugin plugin) {
        events.registerEvents(listener, plugin);
    }

    public void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin) {
        events.registerEvent(event, listener, priority, executor, plugin, false);
    }

    public void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin, boolean ignoreCancelled) {
        events.registerEvent(event, listener, priority, executor, plugin, ignoreCancelled);
    }

    /** Delivers the event to its handler list's listeners, lowest priority first. */
    public void callEvent(Event event) {
        events.callEvent(event);
    }
}
