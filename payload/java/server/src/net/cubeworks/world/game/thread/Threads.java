package net.cubeworks.world.game.thread;

import java.util.concurrent.ThreadFactory;

/** The threads the game makes for itself: the game thread and the world's helpers. */
public final class Threads {
    /**
     * Stack of the world's own threads (the game thread, the compressor, the saver): room for
     * the NBT reader's and writer's depth limit, whatever the JVM's default.
     */
    public static final long THREAD_STACK = 16L << 20;

    private Threads() {
    }

    /** Daemon threads of that name, with the world's stack size. */
    public static ThreadFactory daemon(final String name) {
        return new ThreadFactory() {
            public Thread newThread(Runnable r) {
                Thread t = new Thread(null, r, name, THREAD_STACK);
                t.setDaemon(true);
                return t;
            }
        };
    }
}
