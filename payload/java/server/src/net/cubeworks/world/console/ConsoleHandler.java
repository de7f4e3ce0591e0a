package net.cubeworks.world.console;

import java.util.logging.Handler;
import java.util.logging.LogRecord;

/** Sends the server's log records to the console output. */
public final class ConsoleHandler extends Handler {
    private final ConsoleOutput out;

    public ConsoleHandler(ConsoleOutput out) {
        this.out = out;
        setFormatter(new LogFormat());
    }

    @Override
    public void publish(LogRecord record) {
        if (isLoggable(record)) {
            out.write(getFormatter().format(record));
        }
    }

    @Override
    public void flush() {
    }

    @Override
    public void close() {
    }
}
