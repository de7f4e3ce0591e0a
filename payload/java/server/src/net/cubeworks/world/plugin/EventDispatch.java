package net.cubeworks.world.plugin;

import java.lang.reflect.Method;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.event.Event;
import org.bukkit.event.EventException;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.IllegalPluginAccessException;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.RegisteredListener;
import org.bukkit.plugin.java.JavaPluginLoader;

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
    private static Map<Class<? extends Event>, List<RegisteredListener>> registrations(Listener listener, Plugin plugin) {
        Map<Class<? extends Event>, List<RegisteredListener>> out =
                new LinkedHashMap<Class<? extends Event>, List<RegisteredListener>>();
        for (Map.Entry<Class<? extends Event>, Set<RegisteredListener>> e
                : new JavaPluginLoader(null).createRegisteredListeners(listener, plugin).entrySet()) {
            out.put(e.getKey(), new ArrayList<RegisteredListener>(e.getValue()));
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
