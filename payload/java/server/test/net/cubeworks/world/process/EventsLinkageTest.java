package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileOutputStream;
import java.io.InputStream;
import java.nio.file.Files;
import java.util.Arrays;
import java.util.jar.JarOutputStream;
import java.util.zip.ZipEntry;

import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

import org.junit.After;
import org.junit.Test;

/**
 * A plugin of our own, compiled here against the server jar, with a listener for every concrete
 * event class of the API and checks of what the events work out themselves; loaded on the real
 * server, every handler must be registered and every check hold.
 */
public class EventsLinkageTest {
    private ServerProcess server;

    @After
    public void tearDown() throws Exception {
        if (server != null) {
            server.destroy();
        }
    }

    private static byte[] resource(String name) throws Exception {
        InputStream in = EventsLinkageTest.class.getResourceAsStream(name);
        assertNotNull(name, in);
        try {
            ByteArrayOutputStream out = new ByteArrayOutputStream();
            byte[] buf = new byte[8192];
            int n;
            while ((n = in.read(buf)) > 0) {
                out.write(buf, 0, n);
            }
            return out.toByteArray();
        } finally {
            in.close();
        }
    }

    @Test
    public void aListenerOfEveryEventLinksAndTheEventsComputeRight() throws Exception {
        File jar = ServerProcess.serverJar();
        server = ServerProcess.prepare();
        File work = Files.createTempDirectory("events").toFile();
        File src = new File(work, "events/EventsPlugin.java");
        src.getParentFile().mkdirs();
        Files.write(src.toPath(), resource("/net/cubeworks/world/fixture/events/EventsPlugin.java.txt"));
        File classes = new File(work, "classes");
        classes.mkdirs();
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        ByteArrayOutputStream errors = new ByteArrayOutputStream();
        int status = javac.run(null, null, errors, "--release", "8", "-Xlint:-options", "-cp", jar.getPath(),
                "-d", classes.getPath(), src.getPath());
        assertEquals(errors.toString("UTF-8"), 0, status);

        File plugin = new File(server.plugins(), "events.jar");
        JarOutputStream out = new JarOutputStream(new FileOutputStream(plugin));
        try {
            out.putNextEntry(new ZipEntry("plugin.yml"));
            out.write("name: events\nmain: events.EventsPlugin\nversion: 1\n".getBytes("UTF-8"));
            out.closeEntry();
            File[] built = new File(classes, "events").listFiles();
            Arrays.sort(built);
            for (File f : built) {
                out.putNextEntry(new ZipEntry("events/" + f.getName()));
                out.write(Files.readAllBytes(f.toPath()));
                out.closeEntry();
            }
        } finally {
            out.close();
        }
        server.start("-Xmx96M");
        server.waitReady();
        String log = server.output();
        assertFalse(log, log.contains("Error occurred while enabling") || log.contains("NoSuchMethodError")
                || log.contains("NoClassDefFoundError") || log.contains("AbstractMethodError"));
        assertTrue(log, log.contains("events reached "));
        int checks = Integer.parseInt(log.substring(log.indexOf("events reached ") + 15).split(" ")[0]);
        assertEquals(log, 13, checks);
    }
}
