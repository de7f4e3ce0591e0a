package net.cubeworks.world.server;

import java.util.logging.Logger;

import net.cubeworks.world.util.FatalErrors;

/**
 * What the server does when it runs out of memory: a server that ran on would be half broken
 * (a thread gone, a save or a login half done), so it says why on the console, saves what it
 * can and stops. The threads that do it are made when the server starts, as at that moment
 * there may be no memory to make one; a watchdog ends the process should the stop hang.
 */
final class OutOfMemoryStop implements FatalErrors.Handler, Runnable {
    /** How long the stop may take before the process is ended as it is. */
    static final long WATCHDOG_MS = 60000;

    private final Logger logger;
    private final Runnable stop;
    private final Thread stopper = new Thread(this, "Stop after running out of memory");
    private final Thread watchdog = new Thread(new Runnable() {
        public void run() {
            try {
                Thread.sleep(WATCHDOG_MS);
            } catch (InterruptedException ignored) {
                // halting anyway
            }
            Runtime.getRuntime().halt(1);
        }
    }, "Halt if the stop hangs");
    private volatile String where;
    private volatile Throwable error;

    /** stop saves and ends the process with a status that is not 0. */
    OutOfMemoryStop(Logger logger, Runnable stop) {
        this.logger = logger;
        this.stop = stop;
        watchdog.setDaemon(true);
    }

    public void fatal(Throwable e, String at) {
        if (watchdog.getState() == Thread.State.NEW) {
            watchdog.start();
        }
        where = at;
        error = e;
        if (stopper.getState() == Thread.State.NEW) {
            stopper.start();
        }
    }

    public void run() {
        try {
            logger.severe("The server ran out of memory " + where + " (" + error + "): it saves what it can and stops. "
                    + "Start it with more memory (the -Xmx option), or with fewer players or plugins");
            stop.run();
        } finally {
            System.exit(1);
        }
    }
}
