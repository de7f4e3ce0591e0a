package net.cubeworks.world.plugin;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Handler;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;
import org.bukkit.event.EventHandler;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.IllegalPluginAccessException;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginDescriptionFile;
import org.bukkit.plugin.java.JavaPluginLoader;
import org.junit.After;
import org.junit.Test;

/**
 * Listeners reach events through the server's plugin manager and each event class's handler list,
 * in priority order, as plugins expect.
 */
public class EventDispatchTest {
    /** A cancellable event with its own handler list. */
    public static class Poke extends Event implements Cancellable {
        private static final HandlerList HANDLERS = new HandlerList();
        boolean cancelled;

        public HandlerList getHandlers() {
            return HANDLERS;
        }

        public static HandlerList getHandlerList() {
            return HANDLERS;
        }

        public boolean isCancelled() {
            return cancelled;
        }

        public void setCancelled(boolean c) {
            cancelled = c;
        }
    }

    /** A subclass without a list of its own: it is delivered through its parent's. */
    public static class HardPoke extends Poke {
    }

    /** An abstract event without any handler list. */
    public abstract static class Listless extends Event {
    }

    static final List<String> seen = new ArrayList<String>();

    public static class Ordered implements Listener {
        @EventHandler(priority = EventPriority.MONITOR)
        public void monitor(Poke p) {
            seen.add("monitor:" + p.isCancelled());
        }

        @EventHandler(priority = EventPriority.LOWEST)
        public void lowest(Poke p) {
            seen.add("lowest");
        }

        @EventHandler(priority = EventPriority.HIGH)
        public void cancel(Poke p) {
            seen.add("high");
            p.setCancelled(true);
        }

        @EventHandler(priority = EventPriority.HIGHEST, ignoreCancelled = true)
        public void skipped(Poke p) {
            seen.add("highest");
        }

        @EventHandler
        public void hard(HardPoke p) {
            seen.add("hard");
        }

        @EventHandler
        public void broken(Poke p) {
            throw new IllegalStateException("handler fault");
        }
    }

    public static class NeedsListless implements Listener {
        @EventHandler
        public void on(Listless l) {
        }
    }

    private Plugin plugin(final String name, final boolean[] enabled) {
        final PluginDescriptionFile d = new PluginDescriptionFile(name, "1", "x.Main");
        final Logger log = logger;
        return (Plugin) Proxy.newProxyInstance(Plugin.class.getClassLoader(), new Class<?>[] {Plugin.class},
                new InvocationHandler() {
                    public Object invoke(Object proxy, Method m, Object[] args) {
                        String n = m.getName();
                        if (n.equals("isEnabled")) {
                            return enabled[0];
                        }
                        if (n.equals("getDescription")) {
                            return d;
                        }
                        if (n.equals("getLogger")) {
                            return log;
                        }
                        if (n.equals("getPluginLoader")) {
                            return new JavaPluginLoader(null);
                        }
                        if (n.equals("equals")) {
                            return proxy == args[0];
                        }
                        if (n.equals("hashCode")) {
                            return System.identityHashCode(proxy);
                        }
                        return null;
                    }
                });
    }

    private final List<String> logged = new ArrayList<String>();
    private final Logger logger = Logger.getAnonymousLogger();

    {
        logger.setUseParentHandlers(false);
        logger.addHandler(new Handler() {
            public void publish(LogRecord r) {
                logged.add(r.getMessage() + " / " + r.getThrown());
            }

            public void flush() {
            }

            public void close() {
            }
        });
    }

    @After
    public void clear() {
        HandlerList.unregisterAll();
        seen.clear();
    }

    @Test
    public void prioritiesCancellationSubclassesAndFaultsAsBukkitHasThem() {
        EventDispatch d = new EventDispatch(logger);
        boolean[] on = {true};
        Plugin p = plugin("order", on);
        d.registerEvents(new Ordered(), p);
        d.callEvent(new Poke());
        // a failing handler is logged and the others still run; the monitor sees the cancellation
        assertEquals("[lowest, high, monitor:true]", seen.toString());
        assertEquals(1, logged.size());
        assertTrue(logged.get(0), logged.get(0).startsWith("Could not pass event Poke to order v1")
                && logged.get(0).contains("handler fault"));

        seen.clear();
        d.callEvent(new HardPoke());
        assertTrue(seen.toString(), seen.contains("hard") && seen.contains("lowest"));
        seen.clear();
        d.callEvent(new Poke());
        assertTrue("a Poke is no HardPoke", !seen.contains("hard"));

        // a disabled plugin gets nothing; once unregistered its listeners are gone from the list
        seen.clear();
        on[0] = false;
        d.callEvent(new Poke());
        assertEquals("[]", seen.toString());
        d.unregister(p);
        assertEquals(0, Poke.getHandlerList().getRegisteredListeners().length);
    }

    @Test
    public void registerEventWithAnExecutorAndTheMissingHandlerListError() {
        EventDispatch d = new EventDispatch(logger);
        Plugin p = plugin("exec", new boolean[] {true});
        final Listener l = new Listener() {
        };
        d.registerEvent(Poke.class, l, EventPriority.LOW, new EventExecutor() {
            public void execute(Listener listener, Event event) {
                seen.add("exec:" + (listener == l) + ":" + event.getEventName());
            }
        }, p, true);
        d.callEvent(new Poke());
        Poke cancelled = new Poke();
        cancelled.setCancelled(true);
        d.callEvent(cancelled);
        assertEquals("[exec:true:Poke]", seen.toString());
        assertEquals(1, HandlerList.getRegisteredListeners(p).size());
        HandlerList.unregisterAll(l);
        assertEquals(0, HandlerList.getRegisteredListeners(p).size());

        try {
            d.registerEvent(Listless.class, l, EventPriority.LOW, new EventExecutor() {
                public void execute(Listener listener, Event event) {
                }
            }, p, false);
            fail("an event without a handler list was registered");
        } catch (IllegalPluginAccessException e) {
            assertTrue(e.getMessage(), e.getMessage().contains("Unable to find handler list for event")
                    && e.getMessage().contains("Listless"));
        }
        // through registerEvents the same fault is logged and the plugin goes on
        d.registerEvents(new NeedsListless(), p);
        assertEquals(1, logged.size());
        assertTrue(logged.get(0), logged.get(0).contains("Unable to find handler list for event"));
    }
}
