package org.bukkit.plugin;

import java.io.File;
import java.lang.reflect.Constructor;
import java.lang.reflect.Method;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.HashMap;
import java.util.HashSet;
import java.util.Iterator;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.WeakHashMap;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.logging.Level;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

import org.bukkit.Server;
import org.bukkit.command.PluginCommandYamlParser;
import org.bukkit.command.SimpleCommandMap;
import org.bukkit.command.Command;
import org.bukkit.event.Event;
import org.bukkit.event.EventException;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.permissions.Permissible;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionDefault;

/**
 * Bukkit's plugin manager: finds plugin files by the loaders registered for their names, loads
 * them dependencies first, enables and disables them, delivers events through each event class's
 * {@link HandlerList}, and keeps the registered permissions and who holds which.
 * <p>
 * Plugins of the 1.7 era reach into this class by reflection, by the field names and types of
 * Bukkit's own: {@code plugins}, {@code lookupNames}, {@code commandMap}, {@code permissions},
 * {@code defaultPerms}, {@code permSubs}, {@code defSubs}, {@code fileAssociations}. Some replace
 * those maps with their own (PermissionsEx puts its own maps in {@code permissions} and
 * {@code permSubs}), so every method reads the field each time and goes through the map's own
 * {@code get}, {@code put} and {@code remove}: what a plugin put there is what the manager uses.
 */
public final class SimplePluginManager implements PluginManager {
    private final Server server;
    private final Map<Pattern, PluginLoader> fileAssociations = new HashMap<Pattern, PluginLoader>();
    private final List<Plugin> plugins = new ArrayList<Plugin>();
    private final Map<String, Plugin> lookupNames = new HashMap<String, Plugin>();
    private static File updateDirectory = null;
    private final SimpleCommandMap commandMap;
    private final Map<String, Permission> permissions = new HashMap<String, Permission>();
    private final Map<Boolean, Set<Permission>> defaultPerms = new LinkedHashMap<Boolean, Set<Permission>>();
    private final Map<String, Map<Permissible, Boolean>> permSubs = new HashMap<String, Map<Permissible, Boolean>>();
    private final Map<Boolean, Map<Permissible, Boolean>> defSubs = new HashMap<Boolean, Map<Permissible, Boolean>>();
    private boolean useTimings = false;

    /** Run after a plugin was disabled (the server drops what it keeps for the plugin); not Bukkit's. */
    private final List<DisableHook> disableHooks = new CopyOnWriteArrayList<DisableHook>();

    /** What the server does after a plugin was disabled, besides what the manager does itself. */
    public interface DisableHook {
        void disabled(Plugin plugin);
    }

    public SimplePluginManager(Server instance, SimpleCommandMap commandMap) {
        this.server = instance;
        this.commandMap = commandMap;
        defaultPerms.put(true, new LinkedHashSet<Permission>());
        defaultPerms.put(false, new LinkedHashSet<Permission>());
    }

    /** Adds something the server does after each plugin is disabled (not part of Bukkit's API). */
    public void addDisableHook(DisableHook hook) {
        disableHooks.add(hook);
    }

    /** The command map plugins' plugin.yml commands are registered in. */
    public SimpleCommandMap getCommandMap() {
        return commandMap;
    }

    public void registerInterface(Class<? extends PluginLoader> loader) throws IllegalArgumentException {
        PluginLoader instance;
        if (PluginLoader.class.isAssignableFrom(loader)) {
            Constructor<? extends PluginLoader> constructor;
            try {
                constructor = loader.getConstructor(Server.class);
                instance = constructor.newInstance(server);
            } catch (NoSuchMethodException ex) {
                String className = loader.getName();
                throw new IllegalArgumentException(String.format("Class %s does not have a public %s(Server) constructor",
                        className, className), ex);
            } catch (Exception ex) {
                throw new IllegalArgumentException(String.format("Unexpected exception %s while attempting to construct "
                        + "a new instance of %s", ex.getClass().getName(), loader.getName()), ex);
            }
        } else {
            throw new IllegalArgumentException(String.format("Class %s does not implement interface PluginLoader",
                    loader.getName()));
        }
        Pattern[] patterns = instance.getPluginFileFilters();
        synchronized (this) {
            for (Pattern pattern : patterns) {
                fileAssociations.put(pattern, instance);
            }
        }
    }

    /** The loader registered for the file's name, or null. */
    private synchronized PluginLoader loaderFor(File file) {
        for (Map.Entry<Pattern, PluginLoader> e : fileAssociations.entrySet()) {
            Matcher match = e.getKey().matcher(file.getName());
            if (match.find()) {
                return e.getValue();
            }
        }
        return null;
    }

    private void reportFailure(File file, File directory, Throwable ex) {
        server.getLogger().log(Level.SEVERE, "Could not load '" + file.getPath() + "' in folder '"
                + directory.getPath() + "'", ex);
    }

    /**
     * Loads every plugin file of the folder in name order, dependencies first, and runs each
     * plugin's onLoad after its "Loading" line. A file that cannot be loaded is reported and
     * skipped; the others load as usual.
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
            if (!file.isFile()) {
                continue;
            }
            PluginLoader loader = loaderFor(file);
            if (loader == null) {
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
                server.getLogger().severe("Ambiguous plugin name `" + d.getName() + "' for files `"
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
                for (Iterator<String> it = deps.iterator(); it.hasNext();) {
                    String dep = it.next();
                    if (getPlugin(dep) != null) {
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
                for (Iterator<String> it = soft.get(name).iterator(); it.hasNext();) {
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
                server.getLogger().log(Level.SEVERE, "Could not load '" + e.getValue().getPath() + "' in folder '"
                        + directory.getPath() + "': circular dependency detected");
            }
            byName.clear();
        }
        return loaded.toArray(new Plugin[loaded.size()]);
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
            PluginLoader loader = loaderFor(file);
            if (loader == null) {
                return null;
            }
            plugin = loader.loadPlugin(file);
        } catch (InvalidPluginException ex) {
            reportFailure(file, directory, ex);
            return null;
        } catch (Throwable ex) {
            reportFailure(file, directory, new InvalidPluginException(ex));
            return null;
        }
        add(plugin);
        try {
            plugin.getLogger().info("Loading " + plugin.getDescription().getFullName());
            plugin.onLoad();
        } catch (Throwable ex) {
            server.getLogger().log(Level.SEVERE, ex.getMessage() + " initializing "
                    + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
        return plugin;
    }

    private synchronized void add(Plugin plugin) {
        plugins.add(plugin);
        lookupNames.put(plugin.getDescription().getName(), plugin);
    }

    /** Loads one plugin file whose hard dependencies are loaded, and runs its onLoad. */
    public synchronized Plugin loadPlugin(File file) throws InvalidPluginException, UnknownDependencyException {
        if (file == null) {
            throw new IllegalArgumentException("File cannot be null");
        }
        PluginLoader loader = loaderFor(file);
        if (loader == null) {
            return null;
        }
        PluginDescriptionFile d;
        try {
            d = loader.getPluginDescription(file);
        } catch (InvalidDescriptionException ex) {
            throw new InvalidPluginException(ex);
        }
        for (String dep : d.getDepend()) {
            if (getPlugin(dep) == null) {
                throw new UnknownDependencyException(dep);
            }
        }
        Plugin plugin = loader.loadPlugin(file);
        add(plugin);
        plugin.onLoad();
        return plugin;
    }

    /** Where plugin updates wait (not used by this server: it has no update folder). */
    static File getUpdateDirectory() {
        return updateDirectory;
    }

    /** The plugin of that name: exactly as plugin.yml spells it (spaces as '_'), else in any case. */
    public synchronized Plugin getPlugin(String name) {
        Plugin p = lookupNames.get(name.replace(' ', '_'));
        if (p != null) {
            return p;
        }
        for (Plugin q : plugins) {
            if (q.getDescription().getName().equalsIgnoreCase(name)) {
                return q;
            }
        }
        return null;
    }

    public synchronized Plugin[] getPlugins() {
        return plugins.toArray(new Plugin[plugins.size()]);
    }

    public boolean isPluginEnabled(String name) {
        Plugin plugin = getPlugin(name);
        return isPluginEnabled(plugin);
    }

    public synchronized boolean isPluginEnabled(Plugin plugin) {
        return plugin != null && plugins.contains(plugin) && plugin.isEnabled();
    }

    /** Registers each loaded plugin's commands and enables it, in load order. */
    public void enablePlugins() {
        for (Plugin plugin : getPlugins()) {
            enablePlugin(plugin);
        }
    }

    public void enablePlugin(final Plugin plugin) {
        if (plugin.isEnabled()) {
            return;
        }
        try {
            List<Command> pluginCommands = PluginCommandYamlParser.parse(plugin);
            if (!pluginCommands.isEmpty() && commandMap != null) {
                commandMap.registerAll(plugin.getDescription().getName(), pluginCommands);
            }
        } catch (RuntimeException ex) {
            server.getLogger().log(Level.SEVERE, "Error occurred while registering commands of "
                    + plugin.getDescription().getFullName(), ex);
        }
        for (Permission perm : plugin.getDescription().getPermissions()) {
            try {
                addPermission(perm);
            } catch (IllegalArgumentException ex) {
                server.getLogger().log(Level.WARNING, "Plugin " + plugin.getDescription().getFullName()
                        + " tried to register permission '" + perm.getName() + "' but it's already registered", ex);
            }
        }
        try {
            plugin.getPluginLoader().enablePlugin(plugin);
        } catch (Throwable ex) {
            server.getLogger().log(Level.SEVERE, "Error occurred (in the plugin loader) while enabling "
                    + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
        HandlerList.bakeAll();
    }

    /** Disables the plugins in the reverse order of loading. */
    public void disablePlugins() {
        Plugin[] all = getPlugins();
        for (int i = all.length - 1; i >= 0; i--) {
            disablePlugin(all[i]);
        }
    }

    public void disablePlugin(final Plugin plugin) {
        if (!plugin.isEnabled()) {
            return;
        }
        try {
            plugin.getPluginLoader().disablePlugin(plugin);
        } catch (Throwable ex) {
            server.getLogger().log(Level.SEVERE, "Error occurred (in the plugin loader) while disabling "
                    + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
        for (DisableHook hook : disableHooks) {
            try {
                hook.disabled(plugin);
            } catch (RuntimeException ex) {
                server.getLogger().log(Level.SEVERE, "Error occurred while cleaning up after "
                        + plugin.getDescription().getFullName(), ex);
            }
        }
        try {
            if (server.getScheduler() != null) {
                server.getScheduler().cancelTasks(plugin);
            }
        } catch (Throwable ex) {
            server.getLogger().log(Level.SEVERE, "Error occurred (in the plugin loader) while cancelling tasks for "
                    + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
        try {
            if (server.getServicesManager() != null) {
                server.getServicesManager().unregisterAll(plugin);
            }
        } catch (Throwable ex) {
            server.getLogger().log(Level.SEVERE, "Error occurred (in the plugin loader) while unregistering services for "
                    + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
        try {
            HandlerList.unregisterAll(plugin);
        } catch (Throwable ex) {
            server.getLogger().log(Level.SEVERE, "Error occurred (in the plugin loader) while unregistering events for "
                    + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
        try {
            if (server.getMessenger() != null) {
                server.getMessenger().unregisterIncomingPluginChannel(plugin);
                server.getMessenger().unregisterOutgoingPluginChannel(plugin);
            }
        } catch (Throwable ex) {
            server.getLogger().log(Level.SEVERE, "Error occurred (in the plugin loader) while unregistering plugin "
                    + "channels for " + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
        }
    }

    public void clearPlugins() {
        synchronized (this) {
            disablePlugins();
            plugins.clear();
            lookupNames.clear();
            HandlerList.unregisterAll();
            fileAssociations.clear();
            permissions.clear();
            defaultPerms.get(true).clear();
            defaultPerms.get(false).clear();
        }
    }

    // --- events ---

    /**
     * Delivers the event to its handler list's listeners, LOWEST to MONITOR, skipping disabled
     * plugins. An asynchronous event may not be called from code that holds this manager's lock.
     */
    public void callEvent(Event event) {
        if (event.isAsynchronous()) {
            if (Thread.holdsLock(this)) {
                throw new IllegalStateException(event.getEventName()
                        + " cannot be triggered asynchronously from inside synchronized code.");
            }
            fireEvent(event);
        } else {
            fireEvent(event);
        }
    }

    private void fireEvent(Event event) {
        HandlerList handlers = event.getHandlers();
        RegisteredListener[] listeners = handlers.getRegisteredListeners();
        for (RegisteredListener registration : listeners) {
            if (!registration.getPlugin().isEnabled()) {
                continue;
            }
            try {
                registration.callEvent(event);
            } catch (AuthorNagException ex) {
                Plugin plugin = registration.getPlugin();
                if (plugin.isNaggable()) {
                    plugin.setNaggable(false);
                    server.getLogger().log(Level.SEVERE, String.format(
                            "Nag author(s): '%s' of '%s' about the following: %s",
                            plugin.getDescription().getAuthors(), plugin.getDescription().getFullName(), ex.getMessage()));
                }
            } catch (EventException ex) {
                report(event, registration.getPlugin(), ex.getCause() != null ? ex.getCause() : ex);
            } catch (Throwable ex) {
                report(event, registration.getPlugin(), ex);
            }
        }
    }

    /**
     * A listener's failure is logged; running out of memory is handed to the thread's handler of
     * uncaught errors instead (the server's stops the server, saving what it can).
     */
    private void report(Event event, Plugin plugin, Throwable cause) {
        for (Throwable t = cause; t != null; t = t.getCause()) {
            if (t instanceof OutOfMemoryError) {
                Thread.UncaughtExceptionHandler h = Thread.getDefaultUncaughtExceptionHandler();
                if (h != null) {
                    h.uncaughtException(Thread.currentThread(), t);
                    return;
                }
                break;
            }
            if (t.getCause() == t) {
                break;
            }
        }
        server.getLogger().log(Level.SEVERE, "Could not pass event " + event.getEventName() + " to "
                + plugin.getDescription().getFullName(), cause);
    }

    public void registerEvents(Listener listener, Plugin plugin) {
        if (!plugin.isEnabled()) {
            throw new IllegalPluginAccessException("Plugin attempted to register " + listener + " while not enabled");
        }
        for (Map.Entry<Class<? extends Event>, Set<RegisteredListener>> entry
                : plugin.getPluginLoader().createRegisteredListeners(listener, plugin).entrySet()) {
            try {
                getEventListeners(getRegistrationClass(entry.getKey())).registerAll(entry.getValue());
            } catch (IllegalPluginAccessException ex) {
                plugin.getLogger().severe(plugin.getDescription().getFullName() + " tried to register a listener for "
                        + entry.getKey().getName() + ": " + ex.getMessage());
            }
        }
    }

    public void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin) {
        registerEvent(event, listener, priority, executor, plugin, false);
    }

    public void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin, boolean ignoreCancelled) {
        if (listener == null || priority == null || executor == null || plugin == null || event == null) {
            throw new IllegalArgumentException("Event, listener, priority, executor and plugin may not be null");
        }
        if (!plugin.isEnabled()) {
            throw new IllegalPluginAccessException("Plugin attempted to register " + event + " while not enabled");
        }
        if (useTimings) {
            getEventListeners(getRegistrationClass(event)).register(
                    new TimedRegisteredListener(listener, executor, priority, plugin, ignoreCancelled));
        } else {
            getEventListeners(getRegistrationClass(event)).register(
                    new RegisteredListener(listener, executor, priority, plugin, ignoreCancelled));
        }
    }

    private HandlerList getEventListeners(Class<? extends Event> type) {
        try {
            Method method = getRegistrationClass(type).getDeclaredMethod("getHandlerList");
            method.setAccessible(true);
            return (HandlerList) method.invoke(null);
        } catch (IllegalPluginAccessException ex) {
            throw ex;
        } catch (Exception e) {
            throw new IllegalPluginAccessException(e.toString());
        }
    }

    /** The class whose static getHandlerList holds listeners of this class: itself, or the nearest event superclass with one. */
    private Class<? extends Event> getRegistrationClass(Class<? extends Event> clazz) {
        try {
            clazz.getDeclaredMethod("getHandlerList");
            return clazz;
        } catch (NoSuchMethodException e) {
            Class<?> up = clazz.getSuperclass();
            if (up != null && !up.equals(Event.class) && Event.class.isAssignableFrom(up)) {
                return getRegistrationClass(up.asSubclass(Event.class));
            }
            throw new IllegalPluginAccessException("Unable to find handler list for event " + clazz.getName());
        }
    }

    // --- permissions ---

    public synchronized Permission getPermission(String name) {
        return permissions.get(name.toLowerCase());
    }

    /** Registers the permission; fails when one of that name is registered already. */
    public void addPermission(Permission perm) {
        String name = perm.getName().toLowerCase();
        synchronized (this) {
            if (permissions.containsKey(name)) {
                throw new IllegalArgumentException("The permission " + name + " is already defined!");
            }
            permissions.put(name, perm);
        }
        calculatePermissionDefault(perm);
    }

    public synchronized Set<Permission> getDefaultPermissions(boolean op) {
        return Collections.unmodifiableSet(new LinkedHashSet<Permission>(defaultPerms.get(op)));
    }

    public void removePermission(Permission perm) {
        removePermission(perm.getName());
    }

    /** Unregisters the permission; the holders of a default it was are recalculated without it. */
    public void removePermission(String name) {
        Permission removed;
        synchronized (this) {
            removed = permissions.remove(name.toLowerCase());
            if (removed != null) {
                defaultPerms.get(true).remove(removed);
                defaultPerms.get(false).remove(removed);
            }
        }
        if (removed != null && removed.getDefault() != PermissionDefault.FALSE) {
            dirtyPermissibles(true);
            dirtyPermissibles(false);
        }
    }

    public void recalculatePermissionDefaults(Permission perm) {
        synchronized (this) {
            if (!permissions.containsValue(perm)) {
                return;
            }
            defaultPerms.get(true).remove(perm);
            defaultPerms.get(false).remove(perm);
        }
        calculatePermissionDefault(perm);
    }

    /** Files the permission under the operator statuses its default gives it to, and updates their holders. */
    private void calculatePermissionDefault(Permission perm) {
        boolean forOps = perm.getDefault() == PermissionDefault.OP || perm.getDefault() == PermissionDefault.TRUE;
        boolean forOthers = perm.getDefault() == PermissionDefault.NOT_OP || perm.getDefault() == PermissionDefault.TRUE;
        synchronized (this) {
            if (forOps) {
                defaultPerms.get(true).add(perm);
            }
            if (forOthers) {
                defaultPerms.get(false).add(perm);
            }
        }
        if (forOps) {
            dirtyPermissibles(true);
        }
        if (forOthers) {
            dirtyPermissibles(false);
        }
    }

    private void dirtyPermissibles(boolean op) {
        for (Permissible p : getDefaultPermSubscriptions(op)) {
            p.recalculatePermissions();
        }
    }

    public synchronized void subscribeToPermission(String permission, Permissible permissible) {
        String name = permission.toLowerCase();
        Map<Permissible, Boolean> map = permSubs.get(name);
        if (map == null) {
            map = new WeakHashMap<Permissible, Boolean>();
            permSubs.put(name, map);
        }
        map.put(permissible, true);
    }

    public synchronized void unsubscribeFromPermission(String permission, Permissible permissible) {
        String name = permission.toLowerCase();
        Map<Permissible, Boolean> map = permSubs.get(name);
        if (map != null) {
            map.remove(permissible);
            if (map.isEmpty()) {
                permSubs.remove(name);
            }
        }
    }

    public synchronized Set<Permissible> getPermissionSubscriptions(String permission) {
        String name = permission.toLowerCase();
        Map<Permissible, Boolean> map = permSubs.get(name);
        if (map == null) {
            return Collections.emptySet();
        }
        return Collections.unmodifiableSet(new LinkedHashSet<Permissible>(map.keySet()));
    }

    public synchronized void subscribeToDefaultPerms(boolean op, Permissible permissible) {
        Map<Permissible, Boolean> map = defSubs.get(op);
        if (map == null) {
            map = new WeakHashMap<Permissible, Boolean>();
            defSubs.put(op, map);
        }
        map.put(permissible, true);
    }

    public synchronized void unsubscribeFromDefaultPerms(boolean op, Permissible permissible) {
        Map<Permissible, Boolean> map = defSubs.get(op);
        if (map != null) {
            map.remove(permissible);
            if (map.isEmpty()) {
                defSubs.remove(op);
            }
        }
    }

    public synchronized Set<Permissible> getDefaultPermSubscriptions(boolean op) {
        Map<Permissible, Boolean> map = defSubs.get(op);
        if (map == null) {
            return Collections.emptySet();
        }
        return Collections.unmodifiableSet(new LinkedHashSet<Permissible>(map.keySet()));
    }

    public synchronized Set<Permission> getPermissions() {
        return new HashSet<Permission>(permissions.values());
    }

    public boolean useTimings() {
        return useTimings;
    }

    /** Whether listeners registered from now on are timed (the timings command switches it). */
    public void useTimings(boolean use) {
        useTimings = use;
    }
}
