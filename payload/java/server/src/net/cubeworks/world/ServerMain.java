package net.cubeworks.world;

import java.io.FileDescriptor;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStreamReader;
import java.util.logging.Level;

import net.cubeworks.world.console.ConsoleLineReader;
import net.cubeworks.world.console.ConsoleOutput;
import net.cubeworks.world.server.WorldServer;

/**
 * Started by {@link Main} once the Java version is known to be new enough: starts the game server in the working directory and reads console commands from
 * standard input, one per line, until the server stops.
 */
public final class ServerMain {
    private ServerMain() {
    }

    public static void main(String[] args) {
        long start = System.nanoTime();
        final ConsoleOutput console = new ConsoleOutput(new FileOutputStream(FileDescriptor.out),
                ConsoleOutput.platformCharset());
        final WorldServer server = new WorldServer(console, start);
        server.captureStandardStreams();
        boolean started;
        try {
            started = server.start();
        } catch (Throwable ex) {
            server.logger().log(Level.SEVERE, "Encountered an unexpected exception", ex);
            started = false;
        }
        if (!started) {
            server.logger().info("Stopping server");
            System.exit(1);
            return;
        }
        readConsole(server, console);
        // End of standard input: nobody types any more, but players may still play until
        // "stop" arrives from one of them or the process is ended. Park this thread.
        Object forever = new Object();
        synchronized (forever) {
            while (true) {
                try {
                    forever.wait();
                } catch (InterruptedException ignored) {
                    // keep waiting
                }
            }
        }
    }

    private static void readConsole(final WorldServer server, ConsoleOutput console) {
        ConsoleLineReader in = new ConsoleLineReader(new InputStreamReader(System.in, console.charset()),
                ConsoleLineReader.MAX_LINE, new ConsoleLineReader.Listener() {
                    public void dropped(long length) {
                        server.logger().warning("A console line of " + length + " characters was ignored: "
                                + "a command has at most " + ConsoleLineReader.MAX_LINE + " characters");
                    }
                });
        while (true) {
            String line;
            try {
                line = in.readLine();
            } catch (IOException ex) {
                return;
            }
            if (line == null) {
                return;
            }
            server.consoleLine(line);
        }
    }
}
