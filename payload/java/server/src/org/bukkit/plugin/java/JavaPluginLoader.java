package org.bukkit.plugin.java;

import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.lang.reflect.Constructor;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.net.URL;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import java.util.logging.Level;
import java.util.regex.Pattern;

import org.bukkit.Server;
import org.bukkit.event.Event;
import org.bukkit.event.EventException;
import org.bukkit.event.EventHandler;
import org.bukkit.event.Listener;
import org.bukkit.event.server.PluginDisableEvent;
import org.bukkit.event.server.PluginEnableEvent;
import org.bukkit.plugin.InvalidDescriptionException;
import org.bukkit.plugin.InvalidPluginException;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginDescriptionFile;
import org.bukkit.plugin.PluginLoader;
import org.bukkit.plugin.RegisteredListener;
import org.bukkit.plugin.TimedRegisteredListener;

/** Loads plugin jars: reads plugin.yml, creates the class loader and the main class. */
public final class JavaPluginLoader implements PluginLoader {
    private final Server server;
    private final Pattern[] fileFilters = new Pattern[] {Pattern.compile("\\.jar$")};
    private final List<PluginClassLoader> loaders = new CopyOnWriteArrayList<PluginClassLoader>();

    public JavaPluginLoader(Server instance) {
        server = instance;
    }

    public Plugin loadPlugin(final File file) throws InvalidPluginException {
        if (!file.exists()) {
            throw new InvalidPluginException(new java.io.FileNotFoundException(file.getPath() + " does not exist"));
        }
        final PluginDescriptionFile description;
        try {
            description = getPluginDescription(file);
        } catch (InvalidDescriptionException ex) {
            throw new InvalidPluginException(ex);
        }
        final File dataFolder = new File(file.getParentFile(), description.getName());
        if (dataFolder.exists() && !dataFolder.isDirectory()) {
            throw new InvalidPluginException("Projected datafolder: `" + dataFolder + "' for "
                    + description.getFullName() + " (" + file + ") exists and is not a directory");
        }
        PluginClassLoader loader;
        JavaPlugin result;
        try {
            loader = new PluginClassLoader(this, new URL[] {file.toURI().toURL()}, getClass().getClassLoader());
            Class<?> jarClass;
            try {
                jarClass = Class.forName(description.getMain(), true, loader);
            } catch (ClassNotFoundException ex) {
                throw new InvalidPluginException("Cannot find main class `" + description.getMain() + "'", ex);
            }
            Class<? extends JavaPlugin> pluginClass;
            try {
                pluginClass = jarClass.asSubclass(JavaPlugin.class);
            } catch (ClassCastException ex) {
                throw new InvalidPluginException("main class `" + description.getMain()
                        + "' does not extend JavaPlugin", ex);
            }
            Constructor<? extends JavaPlugin> constructor = pluginClass.getConstructor();
            result = constructor.newInstance();
        } catch (InvalidPluginException ex) {
            throw ex;
        } catch (Throwable ex) {
            throw new InvalidPluginException(ex);
        }
        result.initialize(this, server, description, dataFolder, file, loader);
        loaders.add(loader);
        return result;
    }

    public PluginDescriptionFile getPluginDescription(File file) throws InvalidDescriptionException {
        JarFile jar = null;
        InputStream stream = null;
        try {
            jar = new JarFile(file);
            JarEntry entry = jar.getJarEntry("plugin.yml");
            if (entry == null) {
                throw new InvalidDescriptionException(new java.io.FileNotFoundException(
                        "Jar does not contain plugin.yml"));
            }
            stream = jar.getInputStream(entry);
            return new PluginDescriptionFile(stream);
        } catch (IOException ex) {
            throw new InvalidDescriptionException(ex);
        } finally {
            if (jar != null) {
                try {
                    jar.close();
                } catch (IOException ignored) {
                    // the description has been read already
                }
            }
            if (stream != null) {
                try {
                    stream.close();
                } catch (IOException ignored) {
                    // as above
                }
            }
        }
    }

    public Pattern[] getPluginFileFilters() {
        return fileFilters.clone();
    }

    Class<?> findOtherPluginClass(String name, PluginClassLoader asking) {
        for (PluginClassLoader other : loaders) {
            if (other == asking) {
                continue;
            }
            try {
                return other.findClass(name, false);
            } catch (ClassNotFoundException ignored) {
                // try the next plugin
            }
        }
        return null;
    }

    public void enablePlugin(final Plugin plugin) {
        if (!(plugin instanceof JavaPlugin)) {
            throw new IllegalArgumentException("Plugin is not associated with this PluginLoader");
        }
        if (!plugin.isEnabled()) {
            plugin.getLogger().info("Enabling " + plugin.getDescription().getFullName());
            try {
                ((JavaPlugin) plugin).setEnabled(true);
            } catch (Throwable ex) {
                server.getLogger().log(Level.SEVERE, "Error occurred while enabling "
                        + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
                // what it set up before it failed is taken down; the other plugins go on
                server.getLogger().severe("Disabling " + plugin.getDescription().getFullName()
                        + " because it failed to enable");
                server.getPluginManager().disablePlugin(plugin);
                return;
            }
            if (plugin.isEnabled()) {
                server.getPluginManager().callEvent(new PluginEnableEvent(plugin));
            }
        }
    }

    public void disablePlugin(Plugin plugin) {
        if (!(plugin instanceof JavaPlugin)) {
            throw new IllegalArgumentException("Plugin is not associated with this PluginLoader");
        }
        if (plugin.isEnabled()) {
            plugin.getLogger().info("Disabling " + plugin.getDescription().getFullName());
            try {
                ((JavaPlugin) plugin).setEnabled(false);
            } catch (Throwable ex) {
                server.getLogger().log(Level.SEVERE, "Error occurred while disabling "
                        + plugin.getDescription().getFullName() + " (Is it up to date?)", ex);
            }
            server.getPluginManager().callEvent(new PluginDisableEvent(plugin));
        }
    }

    /**
     * The listener's @EventHandler methods as registrations, by the event class each takes (timed
     * ones while the plugin manager keeps timings). A listener one of whose handlers takes an
     * event class this server does not have is reported and left out, as a whole.
     */
    public Map<Class<? extends Event>, Set<RegisteredListener>> createRegisteredListeners(final Listener listener,
            final Plugin plugin) {
        if (listener == null || plugin == null) {
            throw new IllegalArgumentException("Listener and plugin may not be null");
        }
        boolean timed = server != null && server.getPluginManager() != null && server.getPluginManager().useTimings();
        Map<Class<? extends Event>, Set<RegisteredListener>> out =
                new LinkedHashMap<Class<? extends Event>, Set<RegisteredListener>>();
        Set<Method> methods = new LinkedHashSet<Method>();
        try {
            for (Method m : listener.getClass().getMethods()) {
                methods.add(m);
            }
            for (Method m : listener.getClass().getDeclaredMethods()) {
                methods.add(m);
            }
        } catch (NoClassDefFoundError ex) {
            plugin.getLogger().severe("Plugin " + plugin.getDescription().getFullName()
                    + " has failed to register events for " + listener.getClass() + " because "
                    + ex.getMessage() + " does not exist.");
            return out;
        }
        for (final Method m : methods) {
            EventHandler meta = m.getAnnotation(EventHandler.class);
            if (meta == null || m.isBridge() || m.isSynthetic()) {
                continue;
            }
            Class<?>[] params = m.getParameterTypes();
            if (params.length != 1 || !Event.class.isAssignableFrom(params[0])) {
                plugin.getLogger().severe(plugin.getDescription().getFullName()
                        + " attempted to register an invalid EventHandler method signature \"" + m.toGenericString()
                        + "\" in " + listener.getClass());
                continue;
            }
            final Class<? extends Event> eventClass = params[0].asSubclass(Event.class);
            m.setAccessible(true);
            EventExecutor executor = new EventExecutor() {
                public void execute(Listener l, Event event) throws EventException {
                    // a list of a superclass also carries the events of its other subclasses
                    if (!eventClass.isInstance(event)) {
                        return;
                    }
                    try {
                        m.invoke(l, event);
                    } catch (InvocationTargetException ex) {
                        throw new EventException(ex.getCause());
                    } catch (Throwable t) {
                        throw new EventException(t);
                    }
                }
            };
            Set<RegisteredListener> set = out.get(eventClass);
            if (set == null) {
                set = new LinkedHashSet<RegisteredListener>();
                out.put(eventClass, set);
            }
            set.add(timed ? new TimedRegisteredListener(listener, executor, meta.priority(), plugin, meta.ignoreCancelled())
                    : new RegisteredListener(listener, executor, meta.priority(), plugin, meta.ignoreCancelled()));
        }
        return out;
    }
}
