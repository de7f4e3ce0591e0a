package org.bukkit.plugin;

/** A plugin jar whose main class cannot be loaded or is not a plugin. */
public class InvalidPluginException extends Exception {
    private static final long serialVersionUID = 1L;

    public InvalidPluginException(Throwable cause) {
        super(cause);
    }

    public InvalidPluginException() {
    }

    public InvalidPluginException(String message, Throwable cause) {
        super(message, cause);
    }

    public InvalidPluginException(String message) {
        super(message);
    }
}
