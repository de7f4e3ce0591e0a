package org.bukkit.plugin;

/** A plugin asked for something it may not have, or that does not exist for it. */
public class IllegalPluginAccessException extends RuntimeException {
    private static final long serialVersionUID = 1L;

    public IllegalPluginAccessException() {
    }

    public IllegalPluginAccessException(String msg) {
        super(msg);
    }
}
