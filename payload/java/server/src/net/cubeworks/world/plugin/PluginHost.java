package net.cubeworks.world.plugin;

import java.io.File;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.Comparator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.Server;

import org.bukkit.command.PluginCommandYamlParser;
import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;
import org.bukkit.event.EventHandler;
import org.bukkit.event.Listener;
import org.bukkit.plugin.InvalidDescriptionException;
import org.bukkit.plugin.InvalidPluginException;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginDescriptionFile;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.java.JavaPluginLoader;

import net.cubeworks.world.util.FatalErrors;

/**
 * Loads the plugin jars of the plugins folder, enables and disables them, and delivers
 * events to their @EventHandler methods. A jar that cannot be loaded is reported and
 * skipped; the others load as usual.
 */
public final class PluginHost implements PluginManager {
    /** One @EventHandler method of a registered listener. */
    private static final class Handler {
        final Plugin plugin;
        final Listener listener;
        final Method method;
        final Class<?> eventType;
        final EventHandler meta;

        Handler(Plugin plugin, Listener listener, Method method, EventHandler meta) {
            this.plugin = plugin;
            this.listener = listener;
            this.method = method;
            this.eventType = method.getParameterTypes()[0];
            this.meta = meta;
        }
    }

    private final Logger logger;
    private final PluginCommands commands;
    private final TaskScheduler scheduler;
    private final JavaPluginLoader loader;
    private final List<Plugin> plugins = new CopyOnWriteArrayList<Plugin>();
    private final List<Handler> handlers = new CopyOnWriteArrayList<Handler>();

    public PluginHost(Logger logger, Server api, PluginCommands commands, TaskScheduler scheduler) {
        this.logger = logger;
        this.commands = commands;
        this.scheduler = scheduler;
        this.loader = new JavaPluginLoader(api);
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
        for (Handler h : handlers) {
            if (h.plugin == plugin) {
                handlers.remove(h);
            }
        }
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
        handlers.clear();
    }

    public void registerEvents(Listener listener, Plugin plugin) {
        if (!plugin.isEnabled()) {
            throw new IllegalStateException("Plugin attempted to register " + listener + " while not enabled");
        }
        List<Method> methods;
        try {
            methods = new ArrayList<Method>(Arrays.asList(listener.getClass().getMethods()));
            for (Method m : listener.getClass().getDeclaredMethods()) {
                if (!methods.contains(m)) {
                    methods.add(m);
                }
            }
        } catch (NoClassDefFoundError ex) {
            // a handler for an event this server does not have: that listener is left out, the
            // plugin and its other listeners go on
            plugin.getLogger().severe(plugin.getDescription().getFullName() + " has failed to register events for "
                    + listener.getClass() + " because " + ex.getMessage() + " does not exist.");
            return;
        }
        for (Method m : methods) {
            EventHandler meta = m.getAnnotation(EventHandler.class);
            if (meta == null || m.isBridge() || m.isSynthetic()) {
                continue;
            }
            Class<?>[] params = m.getParameterTypes();
            if (params.length != 1 || !Event.class.isAssignableFrom(params[0])) {
                plugin.getLogger().severe(plugin.getDescription().getFullName()
                        + " attempted to register an invalid EventHandler method signature \"" + m
                        + "\" in " + listener.getClass());
                continue;
            }
            m.setAccessible(true);
            handlers.add(new Handler(plugin, listener, m, meta));
        }
        List<Handler> sorted = new ArrayList<Handler>(handlers);
        Collections.sort(sorted, new Comparator<Handler>() {
            public int compare(Handler a, Handler b) {
                return a.meta.priority().getSlot() - b.meta.priority().getSlot();
            }
        });
        handlers.clear();
        handlers.addAll(sorted);
    }

    /** Delivers the event to every matching handler, lowest priority first. */
    public void callEvent(Event event) {
        for (Handler h : handlers) {
            if (!h.eventType.isInstance(event) || !h.plugin.isEnabled()) {
                continue;
            }
            if (h.meta.ignoreCancelled() && event instanceof Cancellable && ((Cancellable) event).isCancelled()) {
                continue;
            }
            try {
                h.method.invoke(h.listener, event);
            } catch (InvocationTargetException ex) {
                if (!FatalErrors.check(ex.getCause(), "in " + h.plugin.getDescription().getFullName())) {
                    logger.log(Level.SEVERE, "Could not pass event " + event.getEventName() + " to "
                            + h.plugin.getDescription().getFullName(), ex.getCause());
                }
            } catch (Throwable ex) {
                if (!FatalErrors.check(ex, "in " + h.plugin.getDescription().getFullName())) {
                    logger.log(Level.SEVERE, "Could not pass event " + event.getEventName() + " to "
                            + h.plugin.getDescription().getFullName(), ex);
                }
            }
        }
    }
}
