package org.bukkit.command;

/** Thrown when a command's executor fails with an unexpected exception. */
public class CommandException extends RuntimeException {
    private static final long serialVersionUID = 1L;

    public CommandException() {
    }

    public CommandException(String msg) {
        super(msg);
    }

    public CommandException(String msg, Throwable cause) {
        super(msg, cause);
    }
}
