package net.cubeworks.world.console;

import java.io.IOException;
import java.io.Reader;

/**
 * Reads console commands line by line (ended by CR LF, LF or CR) and never holds more than a
 * bounded line in memory: a line longer than the bound is read to its end and dropped, and
 * reported through the listener, so that no input can exhaust the server's memory.
 */
public final class ConsoleLineReader {
    /** The longest command line the console takes, in characters. */
    public static final int MAX_LINE = 32 * 1024;

    /** Hears of lines that were dropped for their length. */
    public interface Listener {
        void dropped(long length);
    }

    private final Reader in;
    private final int maxLine;
    private final Listener listener;
    private final char[] buffer = new char[8192];
    private int pos;
    private int end;
    private boolean afterCarriageReturn;

    public ConsoleLineReader(Reader in, int maxLine, Listener listener) {
        this.in = in;
        this.maxLine = maxLine;
        this.listener = listener;
    }

    /** The next line that fits, without its end; null at the end of the input. */
    public String readLine() throws IOException {
        StringBuilder line = new StringBuilder();
        long length = 0;
        boolean any = false;
        while (true) {
            if (pos == end) {
                end = in.read(buffer, 0, buffer.length);
                pos = 0;
                if (end <= 0) {
                    end = 0;
                    if (!any) {
                        return null;
                    }
                    if (length > maxLine) {
                        listener.dropped(length);
                        return null;
                    }
                    return line.toString();
                }
            }
            char c = buffer[pos++];
            if (afterCarriageReturn) {
                afterCarriageReturn = false;
                if (c == '\n') {
                    continue;  // the second half of CR LF
                }
            }
            any = true;
            if (c == '\n' || c == '\r') {
                afterCarriageReturn = c == '\r';
                if (length > maxLine) {
                    listener.dropped(length);
                    line.setLength(0);
                    length = 0;
                    any = false;
                    continue;
                }
                return line.toString();
            }
            length++;
            if (length <= maxLine) {
                line.append(c);
            } else if (line.length() > 0) {
                line.setLength(0);
                line.trimToSize();
            }
        }
    }
}
