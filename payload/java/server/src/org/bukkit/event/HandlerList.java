package org.bukkit.event;

import java.util.ArrayList;
import java.util.Collection;
import java.util.EnumMap;
import java.util.Iterator;
import java.util.List;
import java.util.Map;

import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.RegisteredListener;

/**
 * The listeners of one event class, by priority. Each event class keeps one in a static field
 * that its getHandlers() and static getHandlerList() return. Calling an event reads the baked
 * array, rebuilt only after a change, so delivering costs no allocation.
 */
public class HandlerList {
    private static final ArrayList<HandlerList> allLists = new ArrayList<HandlerList>();

    private volatile RegisteredListener[] handlers = null;
    private final EnumMap<EventPriority, ArrayList<RegisteredListener>> handlerslots;

    public HandlerList() {
        handlerslots = new EnumMap<EventPriority, ArrayList<RegisteredListener>>(EventPriority.class);
        for (EventPriority p : EventPriority.values()) {
            handlerslots.put(p, new ArrayList<RegisteredListener>());
        }
        synchronized (allLists) {
            allLists.add(this);
        }
    }

    /** Bakes every list that changed since it was last baked. */
    public static void bakeAll() {
        for (HandlerList h : copyOfAll()) {
            h.bake();
        }
    }

    /** Removes every listener of every event. */
    public static void unregisterAll() {
        for (HandlerList h : copyOfAll()) {
            synchronized (h) {
                for (List<RegisteredListener> slot : h.handlerslots.values()) {
                    slot.clear();
                }
                h.handlers = null;
            }
        }
    }

    /** Removes every listener the plugin registered, for every event. */
    public static void unregisterAll(Plugin plugin) {
        for (HandlerList h : copyOfAll()) {
            h.unregister(plugin);
        }
    }

    /** Removes the listener from every event. */
    public static void unregisterAll(Listener listener) {
        for (HandlerList h : copyOfAll()) {
            h.unregister(listener);
        }
    }

    private static List<HandlerList> copyOfAll() {
        synchronized (allLists) {
            return new ArrayList<HandlerList>(allLists);
        }
    }

    public synchronized void register(RegisteredListener listener) {
        ArrayList<RegisteredListener> slot = handlerslots.get(listener.getPriority());
        if (slot.contains(listener)) {
            throw new IllegalStateException("This listener is already registered to priority "
                    + listener.getPriority().toString());
        }
        handlers = null;
        slot.add(listener);
    }

    public void registerAll(Collection<RegisteredListener> listeners) {
        for (RegisteredListener l : listeners) {
            register(l);
        }
    }

    public synchronized void unregister(RegisteredListener listener) {
        if (handlerslots.get(listener.getPriority()).remove(listener)) {
            handlers = null;
        }
    }

    public synchronized void unregister(Plugin plugin) {
        boolean changed = false;
        for (List<RegisteredListener> slot : handlerslots.values()) {
            for (Iterator<RegisteredListener> i = slot.iterator(); i.hasNext();) {
                if (i.next().getPlugin().equals(plugin)) {
                    i.remove();
                    changed = true;
                }
            }
        }
        if (changed) {
            handlers = null;
        }
    }

    public synchronized void unregister(Listener listener) {
        boolean changed = false;
        for (List<RegisteredListener> slot : handlerslots.values()) {
            for (Iterator<RegisteredListener> i = slot.iterator(); i.hasNext();) {
                if (i.next().getListener().equals(listener)) {
                    i.remove();
                    changed = true;
                }
            }
        }
        if (changed) {
            handlers = null;
        }
    }

    /** Builds the array callEvent walks: LOWEST first, MONITOR last, in registration order within one. */
    public synchronized void bake() {
        if (handlers != null) {
            return;
        }
        List<RegisteredListener> entries = new ArrayList<RegisteredListener>();
        for (Map.Entry<EventPriority, ArrayList<RegisteredListener>> e : handlerslots.entrySet()) {
            entries.addAll(e.getValue());
        }
        handlers = entries.toArray(new RegisteredListener[entries.size()]);
    }

    public RegisteredListener[] getRegisteredListeners() {
        RegisteredListener[] baked = handlers;
        if (baked == null) {
            bake();
            baked = handlers;
        }
        return baked;
    }

    /** Every listener the plugin registered, for any event. */
    public static ArrayList<RegisteredListener> getRegisteredListeners(Plugin plugin) {
        ArrayList<RegisteredListener> out = new ArrayList<RegisteredListener>();
        for (HandlerList h : copyOfAll()) {
            synchronized (h) {
                for (List<RegisteredListener> slot : h.handlerslots.values()) {
                    for (RegisteredListener l : slot) {
                        if (l.getPlugin().equals(plugin)) {
                            out.add(l);
                        }
                    }
                }
            }
        }
        return out;
    }

    @SuppressWarnings("unchecked")
    public static ArrayList<HandlerList> getHandlerLists() {
        synchronized (allLists) {
            return (ArrayList<HandlerList>) allLists.clone();
        }
    }
}
