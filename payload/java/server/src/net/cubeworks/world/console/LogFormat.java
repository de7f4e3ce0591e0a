package net.cubeworks.world.console;

import java.io.PrintWriter;
import java.io.StringWriter;
import java.text.SimpleDateFormat;
import java.util.Date;
import java.util.logging.Formatter;
import java.util.logging.Level;
import java.util.logging.LogRecord;

/** Formats log records as "[HH:mm:ss LEVEL]: message", followed by a stack trace if any. */
public final class LogFormat extends Formatter {
    private final SimpleDateFormat time = new SimpleDateFormat("HH:mm:ss");

    /** The level word shown in the log: INFO, WARN, ERROR or DEBUG. */
    public static String levelName(Level level) {
        int v = level.intValue();
        if (v >= Level.SEVERE.intValue()) {
            return "ERROR";
        }
        if (v >= Level.WARNING.intValue()) {
            return "WARN";
        }
        if (v >= Level.INFO.intValue()) {
            return "INFO";
        }
        return "DEBUG";
    }

    @Override
    public synchronized String format(LogRecord record) {
        String nl = System.getProperty("line.separator");
        StringBuilder sb = new StringBuilder();
        sb.append('[').append(time.format(new Date(record.getMillis()))).append(' ')
                .append(levelName(record.getLevel())).append("]: ")
                .append(ChatText.stripColor(formatMessage(record))).append(nl);
        if (record.getThrown() != null) {
            StringWriter trace = new StringWriter();
            record.getThrown().printStackTrace(new PrintWriter(trace));
            sb.append(trace.toString().replace("\r\n", "\n").replace("\n", nl));
        }
        return sb.toString();
    }
}
