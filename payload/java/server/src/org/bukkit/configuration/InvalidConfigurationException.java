package org.bukkit.configuration;

/** A configuration text that cannot be read. */
public class InvalidConfigurationException extends Exception {
    private static final long serialVersionUID = 1L;

    public InvalidConfigurationException() {
    }

    public InvalidConfigurationException(String msg) {
        super(msg);
    }

    public InvalidConfigurationException(Throwable cause) {
        super(cause);
    }

    public InvalidConfigurationException(String msg, Throwable cause) {
        super(msg, cause);
    }
}
