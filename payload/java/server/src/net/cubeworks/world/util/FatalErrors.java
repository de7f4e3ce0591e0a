package net.cubeworks.world.util;

import java.util.concurrent.atomic.AtomicBoolean;

/**
 * Errors after which the server must not run on: running out of memory leaves any part half
 * done. Whoever catches one hands it here; the handler the server sets saves what can be saved
 * and stops, once. A little memory is held back from the start and let go at that moment, so
 * that the saving has room to run.
 */
public final class FatalErrors {
    /** What the server does with the first fatal error. */
    public interface Handler {
        void fatal(Throwable error, String where);
    }

    private static volatile Handler handler;
    private static volatile byte[] reserve = new byte[4 << 20];
    private static final AtomicBoolean reported = new AtomicBoolean();

    private FatalErrors() {
    }

    public static void setHandler(Handler h) {
        handler = h;
    }

    /** True when the error, or what caused it, is one the server cannot run on after. */
    public static boolean isFatal(Throwable t) {
        return fatalCause(t) != null;
    }

    /** The error in the chain the server cannot run on after, or null. */
    private static Throwable fatalCause(Throwable t) {
        for (int i = 0; t != null && i < 16; i++, t = t.getCause()) {
            if (t instanceof OutOfMemoryError) {
                return t;
            }
        }
        return null;
    }

    /**
     * Hands a fatal error to the handler (the first one only) and answers true; answers
     * false, doing nothing, for any other error.
     */
    public static boolean check(Throwable t, String where) {
        Throwable fatal = fatalCause(t);
        if (fatal == null) {
            return false;
        }
        reserve = null;
        Handler h = handler;
        if (h != null && reported.compareAndSet(false, true)) {
            try {
                h.fatal(fatal, where);
            } catch (Throwable again) {
                reported.set(false); // the next one to see a fatal error tries again
            }
        }
        return true;
    }
}
