package org.bukkit.plugin;

/** Thrown to tell a plugin's authors that their plugin does something it should not. */
@SuppressWarnings("serial")
public class AuthorNagException extends RuntimeException {
    private final String message;

    public AuthorNagException(final String message) {
        this.message = message;
    }

    @Override
    public String getMessage() {
        return message;
    }
}
