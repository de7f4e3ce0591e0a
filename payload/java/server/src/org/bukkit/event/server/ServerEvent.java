package org.bukkit.event.server;

import org.bukkit.event.Event;

/** Something that happened to the server as a whole. */
public abstract class ServerEvent extends Event {
    public ServerEvent() {
        super();
    }

    public ServerEvent(boolean isAsync) {
        super(isAsync);
    }
}
