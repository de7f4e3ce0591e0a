package net.cubeworks.world.storage;

import java.io.IOException;

/**
 * What is kept exists but cannot be read now (the file cannot be opened or read: another
 * program holds it, the folder or file may not be read, the disk fails). Unlike a broken
 * file, it is not to be started anew: whatever is written in its place would replace what is
 * kept. Asking again later may succeed.
 */
public final class Unavailable extends IOException {
    private static final long serialVersionUID = 1L;

    public Unavailable(String message, Throwable cause) {
        super(message, cause);
    }
}
