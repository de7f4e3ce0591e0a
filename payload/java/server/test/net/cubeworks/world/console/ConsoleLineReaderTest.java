package net.cubeworks.world.console;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;

import java.io.IOException;
import java.io.Reader;
import java.io.StringReader;
import java.util.ArrayList;
import java.util.List;

import org.junit.Test;

public class ConsoleLineReaderTest {
    private final List<Long> dropped = new ArrayList<Long>();

    private ConsoleLineReader reader(Reader in, int max) {
        return new ConsoleLineReader(in, max, new ConsoleLineReader.Listener() {
            public void dropped(long length) {
                dropped.add(length);
            }
        });
    }

    @Test
    public void linesEndAtCrLfLfOrCrAndTheLastOneNeedsNoEnd() throws IOException {
        ConsoleLineReader r = reader(new StringReader("list\r\nsay hi\nhelp\r\r\nstop"), 100);
        for (String expected : new String[] {"list", "say hi", "help", "", "stop"}) {
            assertEquals(expected, r.readLine());
        }
        assertNull(r.readLine());
    }

    @Test
    public void anOverlongLineIsDroppedWithItsLengthAndTheNextOneRead() throws IOException {
        StringBuilder text = new StringBuilder();
        for (int i = 0; i < 10; i++) {
            text.append('x');
        }
        ConsoleLineReader r = reader(new StringReader("12345\r\n" + text + "\r\nlist\n" + text), 5);
        assertEquals("12345", r.readLine());
        assertEquals("list", r.readLine());
        assertNull(r.readLine());
        assertEquals(java.util.Arrays.asList(10L, 10L), dropped);
    }

    /** A line far past the bound never becomes a string: the reader's memory stays small. */
    @Test
    public void aLineOfAHundredMillionCharactersIsReadThroughNotHeld() throws IOException {
        final long length = 100000000L;
        Reader endless = new Reader() {
            private long left = length;
            private boolean ended;

            public int read(char[] buf, int off, int len) {
                if (left == 0) {
                    if (ended) {
                        return -1;
                    }
                    ended = true;
                    buf[off] = '\n';
                    return 1;
                }
                int n = (int) Math.min(len, left);
                java.util.Arrays.fill(buf, off, off + n, 'a');
                left -= n;
                return n;
            }

            public void close() {
            }
        };
        ConsoleLineReader r = reader(endless, ConsoleLineReader.MAX_LINE);
        assertNull(r.readLine());
        assertEquals(java.util.Arrays.asList(length), dropped);
    }
}
