package org.bukkit.event;

/** Something that happened, delivered to registered listeners. */
public abstract class Event {
    private String name;
    private final boolean async;

    public Event() {
        this(false);
    }

    public Event(boolean isAsync) {
        this.async = isAsync;
    }

    public String getEventName() {
        if (name == null) {
            name = getClass().getSimpleName();
        }
        return name;
    }

    public abstract HandlerList getHandlers();

    public final boolean isAsynchronous() {
        return async;
    }

    /** What a handler says of a part of the event's outcome. */
    public enum Result {
        /** The outcome does not happen. */
        DENY,
        /** The server decides as it would without plugins. */
        DEFAULT,
        /** The outcome happens, even where the server would not let it. */
        ALLOW;
    }
}
