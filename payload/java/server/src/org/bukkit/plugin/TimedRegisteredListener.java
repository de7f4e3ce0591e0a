package org.bukkit.plugin;

import org.bukkit.event.Event;
import org.bukkit.event.EventException;
import org.bukkit.event.EventPriority;
import org.bukkit.event.Listener;

/**
 * A registration that counts the synchronous events it handled and the nanoseconds it took, and
 * the class of those events (their nearest common superclass once several were seen), for the
 * timings.
 */
public class TimedRegisteredListener extends RegisteredListener {
    private int count;
    private long totalTime;
    private Class<? extends Event> eventClass;
    private boolean multiple;

    public TimedRegisteredListener(final Listener pluginListener, final EventExecutor eventExecutor,
            final EventPriority eventPriority, final Plugin registeredPlugin, final boolean listenCancelled) {
        super(pluginListener, eventExecutor, eventPriority, registeredPlugin, listenCancelled);
    }

    @Override
    public void callEvent(Event event) throws EventException {
        if (event.isAsynchronous()) {
            super.callEvent(event); // another thread's time would be counted as the server's
            return;
        }
        note(event.getClass());
        long started = System.nanoTime();
        try {
            super.callEvent(event);
        } finally {
            totalTime += System.nanoTime() - started;
            count++;
        }
    }

    private void note(Class<? extends Event> seen) {
        if (eventClass == null) {
            eventClass = seen;
            return;
        }
        if (eventClass == seen) {
            return;
        }
        multiple = true;
        Class<?> common = eventClass;
        while (!common.isAssignableFrom(seen)) {
            common = common.getSuperclass();
        }
        eventClass = common.asSubclass(Event.class);
    }

    /** Starts counting anew. */
    public void reset() {
        count = 0;
        totalTime = 0;
    }

    /** The events handled since the last reset. */
    public int getCount() {
        return count;
    }

    /** Nanoseconds spent handling them. */
    public long getTotalTime() {
        return totalTime;
    }

    /** The class of the events handled (their common superclass when several); null before the first. */
    public Class<? extends Event> getEventClass() {
        return eventClass;
    }

    /** Whether events of more than one class were handled. */
    public boolean hasMultiple() {
        return multiple;
    }
}
