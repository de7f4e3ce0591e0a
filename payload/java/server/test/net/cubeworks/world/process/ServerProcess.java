package net.cubeworks.world.process;

import static org.junit.Assert.fail;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.ServerSocket;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.concurrent.TimeUnit;

import org.junit.Assume;

import net.cubeworks.world.storage.Worlds;

/** The built server jar running in a folder of its own, with its console captured. */
final class ServerProcess {
    final File dir;
    final int port;
    /** Variables added to the server's environment (LC_ALL for its console charset, say). */
    final Map<String, String> environment = new HashMap<String, String>();
    private Process process;
    private final ByteArrayOutputStream output = new ByteArrayOutputStream();

    ServerProcess(File dir, int port) {
        this.dir = dir;
        this.port = port;
    }

    static File serverJar() {
        String path = System.getProperty("cubeworks.server.jar");
        Assume.assumeTrue("cubeworks.server.jar not given", path != null && new File(path).isFile());
        return new File(path);
    }

    static int freePort() throws IOException {
        ServerSocket s = new ServerSocket(0);
        try {
            return s.getLocalPort();
        } finally {
            s.close();
        }
    }

    /** A new folder holding server.properties with a free port and the given extra lines. */
    static ServerProcess prepare(String... extraProperties) throws IOException {
        File dir = Files.createTempDirectory("cwserver").toFile();
        int port = freePort();
        StringBuilder sb = new StringBuilder("#\u670d\u52a1\u5668\u7aef\u53e3\r\nserver-port=" + port
                + "\r\nonline-mode=false\r\nmotd=Test World\r\n");
        // the tests were written for the superflat world; a test of the natural world says so in its lines
        sb.append("level-type=FLAT\r\n");
        for (String line : extraProperties) {
            sb.append(line).append("\r\n");
        }
        Files.write(new File(dir, "server.properties").toPath(), sb.toString().getBytes("GBK"));
        new File(dir, "plugins").mkdir();
        return new ServerProcess(dir, port);
    }

    File plugins() {
        return new File(dir, "plugins");
    }

    void start(String... jvmOptions) throws IOException {
        List<String> cmd = new ArrayList<String>();
        cmd.add(new File(System.getProperty("java.home"), "bin/java").getPath());
        for (String o : jvmOptions) {
            cmd.add(o);
        }
        cmd.add("-Djline.terminal=jline.UnsupportedTerminal");
        cmd.add("-jar");
        cmd.add(serverJar().getAbsolutePath());
        ProcessBuilder pb = new ProcessBuilder(cmd).directory(dir).redirectErrorStream(true);
        pb.environment().putAll(environment);
        synchronized (output) {
            output.reset();
        }
        process = pb.start();
        final InputStream in = process.getInputStream();
        Thread pump = new Thread(new Runnable() {
            public void run() {
                byte[] buf = new byte[260];
                try {
                    int n;
                    while ((n = in.read(buf)) > 0) {
                        synchronized (output) {
                            output.write(buf, 0, n);
                            output.notifyAll();
                        }
                    }
                } catch (IOException ignored) {
                    // the process has gone
                }
            }
        });
        pump.setDaemon(true);
        pump.start();
    }

    String output() {
        synchronized (output) {
            return new String(output.toByteArray(), Charset.defaultCharset());
        }
    }

    /** Length of the output so far, to wait for text that comes after it. */
    int mark() {
        return output().length();
    }

    /** Waits for the text after position from; returns the position just after it. */
    int waitFor(String text, int from, long timeoutMs) throws InterruptedException {
        long deadline = System.currentTimeMillis() + timeoutMs;
        synchronized (output) {
            while (true) {
                String s = new String(output.toByteArray(), Charset.defaultCharset());
                int i = s.indexOf(text, Math.min(from, s.length()));
                if (i >= 0) {
                    return i + text.length();
                }
                long left = deadline - System.currentTimeMillis();
                if (left <= 0) {
                    fail("no \"" + text + "\" in the server output:\n" + s.substring(Math.min(from, s.length())));
                }
                output.wait(Math.min(left, 100));
            }
        }
    }

    int waitFor(String text) throws InterruptedException {
        return waitFor(text, 0, 15000);
    }

    /**
     * Sends a console line as the manager does, ending in CR LF, and waits for the prompt
     * that follows its output (a ">" at the start of a line, unlike the ones in usage texts).
     */
    String command(String line) throws Exception {
        int from = mark();
        send(line);
        long deadline = System.currentTimeMillis() + 10000;
        while (true) {
            String out = output();
            int end = out.startsWith(">", from) ? from + 1 : out.indexOf("\n>", from);
            if (end >= 0) {
                return out.substring(from, end == from + 1 ? end : end + 2);
            }
            if (System.currentTimeMillis() > deadline) {
                fail("no prompt after \"" + line + "\":\n" + out.substring(from));
            }
            Thread.sleep(5);
        }
    }

    /** Waits for the end of start-up: the "Done" line and the prompt after it. */
    void waitReady() throws InterruptedException {
        int done = waitFor("For help, type \"help\" or \"?\"");
        waitFor(">", done, 5000);
    }

    void send(String line) throws IOException {
        OutputStream in = process.getOutputStream();
        in.write((line + "\r\n").getBytes(Charset.defaultCharset()));
        in.flush();
    }

    /** The server's standard input, for bytes that are not a command line. */
    OutputStream input() {
        return process.getOutputStream();
    }

    void closeInput() throws IOException {
        process.getOutputStream().close();
    }

    /** Waits for the exit and returns the status, or fails after the time limit. */
    int waitForExit(long timeoutMs) throws InterruptedException {
        long deadline = System.currentTimeMillis() + timeoutMs;
        while (System.currentTimeMillis() < deadline) {
            try {
                return process.exitValue();
            } catch (IllegalThreadStateException stillRunning) {
                Thread.sleep(20);
            }
        }
        fail("server still running after " + timeoutMs + " ms:\n" + output());
        return -1;
    }

    boolean isAlive() {
        try {
            process.exitValue();
            return false;
        } catch (IllegalThreadStateException stillRunning) {
            return true;
        }
    }

    /** Ends the process if needed and removes the folder. */
    void destroy() throws InterruptedException {
        if (process != null && isAlive()) {
            process.destroy();
            process.waitFor();
        }
        TimeUnit.MILLISECONDS.sleep(0);
        Worlds.delete(dir);
    }


    /** The file's text once it equals the expected one, or its last content after the wait. */
    static String awaitFile(File f, String expected, long timeoutMs) throws Exception {
        long deadline = System.currentTimeMillis() + timeoutMs;
        String last = null;
        while (System.currentTimeMillis() < deadline) {
            if (f.isFile()) {
                last = new String(Files.readAllBytes(f.toPath()), Charset.defaultCharset());
                if (last.equals(expected)) {
                    return last;
                }
            }
            Thread.sleep(20);
        }
        return last;
    }
}
