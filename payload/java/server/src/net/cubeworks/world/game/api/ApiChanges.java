package net.cubeworks.world.game.api;

import java.util.concurrent.Callable;

import net.cubeworks.world.game.thread.GameThread;

/**
 * How the plugin API's faces change game state: on the game thread, the caller waiting for it; at
 * once when the caller holds the world lock already (an event fired under it), which waiting for
 * the game thread would deadlock.
 */
public final class ApiChanges {
    private final Object lock;
    private final GameThread thread;

    public ApiChanges(Object lock, GameThread thread) {
        this.lock = lock;
        this.thread = thread;
    }

    /** Runs the change and answers its result; its errors are thrown here. */
    public <T> T call(Callable<T> work) {
        return call(lock, thread, work);
    }

    /** As {@link #call(Callable)}, for a caller that holds the lock and the thread but no ApiChanges. */
    public static <T> T call(Object lock, GameThread thread, Callable<T> work) {
        if (Thread.holdsLock(lock)) {
            try {
                return work.call();
            } catch (RuntimeException ex) {
                throw ex;
            } catch (Exception ex) {
                throw new IllegalStateException(ex);
            }
        }
        return thread.call(work);
    }
}
