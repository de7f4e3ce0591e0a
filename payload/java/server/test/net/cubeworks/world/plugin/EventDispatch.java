package net.cubeworks.world.plugin;

import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.util.logging.Logger;

import org.bukkit.Server;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.Listener;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.SimplePluginManager;

/**
 * Test fixture: the game's events delivered by the server's own plugin manager, as on a running
 * server, without a server or plugin jars around it. Its server answers only its logger.
 */
public final class EventDispatch {
    private final SimplePluginManager manager;

    public EventDispatch(final Logger logger) {
        Server server = (Server) Proxy.newProxyInstance(Server.class.getClassLoader(), new Class<?>[] {Server.class},
                new InvocationHandler() {
                    public Object invoke(Object proxy, Method m, Object[] args) {
                        if (m.getName().equals("getLogger")) {
                            return logger;
                        }
                        Class<?> r = m.getReturnType();
                        return r == boolean.class ? Boolean.FALSE : r == int.class ? Integer.valueOf(0) : null;
                    }
                });
        manager = new SimplePluginManager(server, null);
    }

    public void registerEvents(Listener listener, Plugin plugin) {
        manager.registerEvents(listener, plugin);
    }

    /** A disabled plugin's listeners leave every handler list. */
    public void unregister(Plugin plugin) {
        org.bukkit.event.HandlerList.unregisterAll(plugin);
    }

    public void registerEvent(Class<? extends Event> event, Listener listener, EventPriority priority,
            EventExecutor executor, Plugin plugin, boolean ignoreCancelled) {
        manager.registerEvent(event, listener, priority, executor, plugin, ignoreCancelled);
    }

    public void callEvent(Event event) {
        manager.callEvent(event);
    }
}
