package net.cubeworks.world.plugin;

import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.Server;

import org.bukkit.command.PluginCommandYamlParser;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.Listener;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.InvalidDescriptionException;
import org.bukkit.plugin.InvalidPluginException;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginDescriptionFile;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.ServicesManager;
import org.bukkit.plugin.SimpleServicesManager;
import org.bukkit.plugin.UnknownDependencyException;
import org.bukkit.plugin.messaging.Messenger;
import org.bukkit.permissions.Permissible;
import org.bukkit.permissions.Permission;
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

    private final PermissionRegistry permissions = new PermissionRegistry();
    private final ServicesManager services = new SimpleServicesManager();
    private Messenger messenger;
    /** Found by name through reflection by command frameworks: keep the field's name and type. */
    private final SimpleCommandMap commandMap;

    public PluginHost(Logger logger, Server api, PluginCommands commands, TaskScheduler scheduler) {
        this.logger = logger;
        this.commands = commands;
        this.scheduler = scheduler;
        this.loader = new JavaPluginLoader(api);
        this.events = new EventDispatch(logger);
        this.commandMap = new SimpleCommandMap(api);
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
        return loadInOrder(byName, descriptions, directory);
    }

    /**
     * Loads the plugins so that each comes after those it depends on ("depend", "softdepend") and
     * before those it names in "loadbefore". A plugin whose hard dependency is not there, or did
     * not load, is reported and left out; plugins that wait on each other in a circle are
     * reported as such; a soft dependency that is missing is no obstacle.
     */
    private Plugin[] loadInOrder(Map<String, File> byName, Map<String, PluginDescriptionFile> descriptions,
            File directory) {
        Map<String, Set<String>> hard = new LinkedHashMap<String, Set<String>>();
        Map<String, Set<String>> soft = new LinkedHashMap<String, Set<String>>();
        for (Map.Entry<String, PluginDescriptionFile> e : descriptions.entrySet()) {
            hard.put(e.getKey(), new LinkedHashSet<String>(e.getValue().getDepend()));
            Set<String> s = soft.get(e.getKey());
            if (s == null) {
                s = new LinkedHashSet<String>();
                soft.put(e.getKey(), s);
            }
            s.addAll(e.getValue().getSoftDepend());
        }
        for (Map.Entry<String, PluginDescriptionFile> e : descriptions.entrySet()) {
            for (String later : e.getValue().getLoadBefore()) {
                Set<String> s = soft.get(later);
                if (s != null) {
                    s.add(e.getKey());
                }
            }
        }
        List<Plugin> loaded = new ArrayList<Plugin>();
        while (!byName.isEmpty()) {
            boolean progress = false;
            for (String name : new ArrayList<String>(byName.keySet())) {
                Set<String> deps = hard.get(name);
                String missing = null;
                for (java.util.Iterator<String> it = deps.iterator(); it.hasNext();) {
                    String dep = it.next();
                    if (isLoaded(dep)) {
                        it.remove();
                    } else if (!pending(byName, dep)) {
                        missing = dep;
                        break;
                    }
                }
                if (missing != null) {
                    File file = byName.remove(name);
                    reportFailure(file, directory, new UnknownDependencyException(missing));
                    progress = true;
                    continue;
                }
                for (java.util.Iterator<String> it = soft.get(name).iterator(); it.hasNext();) {
                    if (!pending(byName, it.next())) {
                        it.remove();
                    }
                }
                if (deps.isEmpty() && soft.get(name).isEmpty()) {
                    progress = true;
                    Plugin plugin = loadOne(byName.remove(name), directory);
                    if (plugin != null) {
                        loaded.add(plugin);
                    }
                }
            }
            if (progress) {
                continue;
            }
            // Only soft dependencies wait on each other: the first plugin that needs nothing
            // else goes ahead of its soft dependencies.
            for (String name : new ArrayList<String>(byName.keySet())) {
                if (hard.get(name).isEmpty()) {
                    soft.get(name).clear();
                    Plugin plugin = loadOne(byName.remove(name), directory);
                    if (plugin != null) {
                        loaded.add(plugin);
                    }
                    progress = true;
                    break;
                }
            }
            if (progress) {
                continue;
            }
            // Every plugin left needs another that is left: a circle of hard dependencies.
            for (Map.Entry<String, File> e : byName.entrySet()) {
                logger.log(Level.SEVERE, "Could not load '" + e.getValue().getPath() + "' in folder '"
                        + directory.getPath() + "': circular dependency detected");
            }
            byName.clear();
        }
        return loaded.toArray(new Plugin[loaded.size()]);
    }

    private boolean isLoaded(String name) {
        return getPlugin(name) != null;
    }

    private static boolean pending(Map<String, File> byName, String name) {
        for (String n : byName.keySet()) {
            if (n.equalsIgnoreCase(name)) {
                return true;
            }
        }
        return false;
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
        PluginDescriptionFile d = loader.getPluginDescription(file);
        for (String dep : d.getDepend()) {
            if (!isLoaded(dep)) {
                throw new UnknownDependencyException(dep);
            }
        }
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
        for (Permission perm : plugin.getDescription().getPermissions()) {
            try {
                addPermission(perm);
            } catch (IllegalArgumentException ex) {
                logger.log(Level.WARNING, "Plugin " + plugin.getDescription().getFullName()
                        + " tried to register permission '" + perm.getName() + "' but it's already registered", ex);
            }
        }
        loader.enablePlugin(plugin);
    }

    private final List<java.util.function.Consumer<Plugin>> disableHooks =
            new java.util.concurrent.CopyOnWriteArrayList<java.util.function.Consumer<Plugin>>();

    /** Runs the hook for each plugin disabled, after it was (to drop what the server keeps for it). */
    public void onDisable(java.util.function.Consumer<Plugin> hook) {
        disableHooks.add(hook);
    }

    public void disablePlugin(Plugin plugin) {
        if (!plugin.isEnabled()) {
            return;
        }
        loader.disablePlugin(plugin);
        for (java.util.function.Consumer<Plugin> hook : disableHooks) {
            hook.accept(plugin);
        }
        if (scheduler != null) {
            scheduler.cancelTasks(plugin);
        }
        events.unregister(plugin);
        services.unregisterAll(plugin);
        if (messenger != null) {
            messenger.unregisterIncomingPluginChannel(plugin);
            messenger.unregisterOutgoingPluginChannel(plugin);
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

    /** The channels of the plugins' messages, cleared of a plugin's registrations when it is disabled. */
    public void setMessenger(Messenger messenger) {
        this.messenger = messenger;
    }

    public SimpleCommandMap commandMap() {
        return commandMap;
    }

    public ServicesManager services() {
        return services;
    }

    // --- permissions ---

    public Permission getPermission(String name) {
        return permissions.get(name);
    }

    public void addPermission(Permission perm) {
        permissions.add(perm);
    }

    public void removePermission(Permission perm) {
        permissions.remove(perm.getName());
    }

    public void removePermission(String name) {
        permissions.remove(name);
    }

    public Set<Permission> getDefaultPermissions(boolean op) {
        return permissions.defaults(op);
    }

    public void recalculatePermissionDefaults(Permission perm) {
        permissions.recalculateDefaults(perm);
    }

    public void subscribeToPermission(String permission, Permissible permissible) {
        permissions.subscribe(permission, permissible);
    }

    public void unsubscribeFromPermission(String permission, Permissible permissible) {
        permissions.unsubscribe(permission, permissible);
    }

    public Set<Permissible> getPermissionSubscriptions(String permission) {
        return permissions.subscribers(permission);
    }

    public void subscribeToDefaultPerms(boolean op, Permissible permissible) {
        permissions.subscribeToDefaults(op, permissible);
    }

    public void unsubscribeFromDefaultPerms(boolean op, Permissible permissible) {
        permissions.unsubscribeFromDefaults(op, permissible);
    }

    public Set<Permissible> getDefaultPermSubscriptions(boolean op) {
        return permissions.defaultSubscribers(op);
    }

    public Set<Permission> getPermissions() {
        return permissions.all();
    }

    public boolean useTimings() {
        return false;
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
