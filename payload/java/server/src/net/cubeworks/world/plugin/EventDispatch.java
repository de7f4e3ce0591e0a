package net.cubeworks.world.plugin;

import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.event.Event;
import org.bukkit.event.EventException;
import org.bukkit.event.EventHandler;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.IllegalPluginAccessException;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.RegisteredListener;

import net.cubeworks.world.util.FatalErrors;

/**
 * Delivers events to the plugins' listeners through each event class's {@link HandlerList}:
 * the listeners' @EventHandler methods become registrations in the list of the class they take
 * (or of the nearest superclass that has a static getHandlerList), and calling an event walks
 * the baked list of the event's getHandlers(), LOWEST to MONITOR.
 */
public final class EventDispatch {
    private final Logger logger;

    public EventDispatch(Logger logger) {
        this.logger = logger;
    }

    /** Registers every @EventHandler method of the listener; one whose event class cannot be loaded is logged and left out. */
    public void registerEvents(Listener listener, Plugin plugin) {
        if (!plugin.isEnabled()) {
            throw new IllegalPluginAccessException("Plugin attempted to register " + listener + " while not enabled");
        }
        for (Map.Entry<Class<? extends Event>, List<RegisteredListener>> e : registrations(listener, plugin).entrySet()) {
            try {
                handlerListOf(registrationClass(e.getKey())).registerAll(e.getValue());
            } catch (IllegalPluginAccessException ex) {
                plugin.getLogger().severe(plugin.getDescription().getFullName() + " tried to register a listener for "
                        + e.getKey().getName() + ": " + ex.getMessage());
            }
        }
    }

    public void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin, boolean ignoreCancelled) {
        if (listener == null || priority == null || executor == null || plugin == null || event == null) {
            throw new IllegalArgumentException("Event, listener, priority, executor and plugin may not be null");
        }
        if (!plugin.isEnabled()) {
            throw new IllegalPluginAccessException("Plugin attempted to register " + event + " while not enabled");
        }
        handlerListOf(registrationClass(event)).register(
                new RegisteredListener(listener, executor, priority, plugin, ignoreCancelled));
    }

    /** The listener's handler methods as registrations, by the event class each takes. */
    private Map<Class<? extends Event>, List<RegisteredListener>> registrations(final Listener listener, Plugin plugin) {
        Map<Class<? extends Event>, List<RegisteredListener>> out =
                new LinkedHashMap<Class<? extends Event>, List<RegisteredListener>>();
        Set<Method> methods = new HashSet<Method>();
        try {
            for (Method m : listener.getClass().getMethods()) {
                methods.add(m);
            }
            for (Method m : listener.getClass().getDeclaredMethods()) {
                methods.add(m);
            }
        } catch (NoClassDefFoundError ex) {
            // a handler for an event this server does not have: this listener is left out, the
            // plugin and its other listeners go on
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
            List<RegisteredListener> list = out.get(eventClass);
            if (list == null) {
                list = new ArrayList<RegisteredListener>();
                out.put(eventClass, list);
            }
            list.add(new RegisteredListener(listener, executor, meta.priority(), plugin, meta.ignoreCancelled()));
        }
        return out;
    }

    /** The class whose static getHandlerList holds listeners of this class: itself, or the nearest event superclass with one. */
    static Class<? extends Event> registrationClass(Class<? extends Event> clazz) {
        try {
            clazz.getDeclaredMethod("getHandlerList");
            return clazz;
        } catch (NoSuchMethodException e) {
            Class<?> up = clazz.getSuperclass();
            if (up != null && !up.equals(Event.class) && Event.class.isAssignableFrom(up)) {
                return registrationClass(up.asSubclass(Event.class));
            }
            throw new IllegalPluginAccessException("Unable to find handler list for event " + clazz.getName());
        }
    }

    private static HandlerList handlerListOf(Class<? extends Event> type) {
        try {
            Method method = type.getDeclaredMethod("getHandlerList");
            method.setAccessible(true);
            return (HandlerList) method.invoke(null);
        } catch (Exception e) {
            throw new IllegalPluginAccessException(e.toString());
        }
    }

    /** Delivers the event to every registration of its handler list whose plugin is enabled. */
    public void callEvent(Event event) {
        if (event.isAsynchronous() && Thread.holdsLock(this)) {
            throw new IllegalStateException(event.getEventName()
                    + " cannot be triggered asynchronously from inside synchronized code.");
        }
        for (RegisteredListener r : event.getHandlers().getRegisteredListeners()) {
            Plugin plugin = r.getPlugin();
            if (!plugin.isEnabled()) {
                continue;
            }
            try {
                r.callEvent(event);
            } catch (EventException ex) {
                Throwable cause = ex.getCause() != null ? ex.getCause() : ex;
                report(event, plugin, cause);
            } catch (Throwable ex) {
                report(event, plugin, ex);
            }
        }
    }

    private void report(Event event, Plugin plugin, Throwable cause) {
        if (!FatalErrors.check(cause, "in " + plugin.getDescription().getFullName())) {
            logger.log(Level.SEVERE, "Could not pass event " + event.getEventName() + " to "
                    + plugin.getDescription().getFullName(), cause);
        }
    }

    /** A disabled plugin's listeners leave every handler list. */
    public void unregister(Plugin plugin) {
        HandlerList.unregisterAll(plugin);
    }

    public void unregisterAll() {
        HandlerList.unregisterAll();
    }
}
