package org.bukkit.plugin.messaging;

/** A plugin asked for a channel the server keeps for itself (REGISTER, UNREGISTER). */
public class ReservedChannelException extends RuntimeException {
    private static final long serialVersionUID = 4L;

    public ReservedChannelException() {
        this("Attempted to register for a reserved channel name.");
    }

    public ReservedChannelException(String name) {
        super("Attempted to register for a reserved channel name ('" + name + "')");
    }
}
