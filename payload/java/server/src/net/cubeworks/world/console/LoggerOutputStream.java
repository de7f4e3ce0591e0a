package net.cubeworks.world.console;

import java.io.ByteArrayOutputStream;
import java.io.OutputStream;
import java.nio.charset.Charset;
import java.util.logging.Level;
import java.util.logging.Logger;

/**
 * Stands in for System.out and System.err: collects bytes up to each line end and logs the
 * line, so that what plugins print appears as ordinary log lines.
 */
public final class LoggerOutputStream extends OutputStream {
    private final Logger logger;
    private final Level level;
    private final Charset charset;
    private final ByteArrayOutputStream buffer = new ByteArrayOutputStream();

    public LoggerOutputStream(Logger logger, Level level, Charset charset) {
        this.logger = logger;
        this.level = level;
        this.charset = charset;
    }

    @Override
    public synchronized void write(int b) {
        if (b == '\n') {
            emit();
        } else {
            buffer.write(b);
            if (buffer.size() > 8192) {
                emit();
            }
        }
    }

    @Override
    public synchronized void write(byte[] b, int off, int len) {
        for (int i = off; i < off + len; i++) {
            write(b[i]);
        }
    }

    @Override
    public synchronized void flush() {
        // lines are logged when they end; a partial line waits for its line end
    }

    private void emit() {
        String text = new String(buffer.toByteArray(), charset);
        buffer.reset();
        if (text.endsWith("\r")) {
            text = text.substring(0, text.length() - 1);
        }
        logger.log(level, text);
    }
}
