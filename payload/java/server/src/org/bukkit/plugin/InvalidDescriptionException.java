package org.bukkit.plugin;

/** A plugin.yml that is missing or malformed. */
public class InvalidDescriptionException extends Exception {
    private static final long serialVersionUID = 1L;

    public InvalidDescriptionException(Throwable cause, String message) {
        super(message, cause);
    }

    public InvalidDescriptionException(Throwable cause) {
        super("Invalid plugin.yml", cause);
    }

    public InvalidDescriptionException(String message) {
        super(message);
    }

    public InvalidDescriptionException() {
        super("Invalid plugin.yml");
    }
}
