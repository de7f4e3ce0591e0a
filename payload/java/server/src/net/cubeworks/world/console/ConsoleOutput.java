package net.cubeworks.world.console;

import java.io.IOException;
import java.io.OutputStream;
import java.io.UnsupportedEncodingException;
import java.nio.charset.Charset;

/**
 * The server's standard output. Every line is encoded in the console charset and written
 * and flushed whole under one lock, so a reader that takes the output in small chunks sees
 * each line as soon as it is logged and lines never interleave.
 */
public final class ConsoleOutput {
    private final OutputStream out;
    private final Charset charset;
    private final Object lock = new Object();

    public ConsoleOutput(OutputStream out, Charset charset) {
        this.out = out;
        this.charset = charset;
    }

    /**
     * The charset of the text console: the platform's native encoding (the ANSI code page
     * on Windows) when the runtime reports it, else the default charset.
     */
    public static Charset platformCharset() {
        String nativeName = System.getProperty("native.encoding");
        if (nativeName != null) {
            try {
                return Charset.forName(nativeName);
            } catch (RuntimeException ignored) {
                // fall back to the default charset
            }
        }
        return Charset.defaultCharset();
    }

    public Charset charset() {
        return charset;
    }

    /** Writes the text followed by a line end. */
    public void line(String text) {
        write(text + System.getProperty("line.separator"));
    }

    /** Writes the console prompt without a line end, as a plain terminal shows it. */
    public void prompt() {
        write(">");
    }

    public void write(String text) {
        byte[] bytes;
        try {
            bytes = text.getBytes(charset.name());
        } catch (UnsupportedEncodingException ex) {
            bytes = text.getBytes();
        }
        synchronized (lock) {
            try {
                out.write(bytes);
                out.flush();
            } catch (IOException ignored) {
                // nobody reads the console any more; the server keeps running
            }
        }
    }
}
