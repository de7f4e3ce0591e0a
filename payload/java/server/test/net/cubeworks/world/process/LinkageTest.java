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
 * A plugin of our own, compiled here against the server jar as a plugin author compiles against
 * the API, that reaches every member of the services, plugin channels, permissions, scheduler,
 * serialization, command map and server events, and the libraries the jar carries; loaded on the
 * real server, it must link and every check of it must hold.
 */
public class LinkageTest {
    private ServerProcess server;

    @After
    public void tearDown() throws Exception {
        if (server != null) {
            server.destroy();
        }
    }

    private static byte[] resource(String name) throws Exception {
        InputStream in = LinkageTest.class.getResourceAsStream(name);
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
    public void aPluginReachingEveryAddedMemberLinksAndRuns() throws Exception {
        File jar = ServerProcess.serverJar();
        server = ServerProcess.prepare();
        File work = Files.createTempDirectory("linkage").toFile();
        File src = new File(work, "linkage/LinkagePlugin.java");
        src.getParentFile().mkdirs();
        Files.write(src.toPath(), resource("/net/cubeworks/world/fixture/linkage/LinkagePlugin.java.txt"));
        File classes = new File(work, "classes");
        classes.mkdirs();
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        ByteArrayOutputStream errors = new ByteArrayOutputStream();
        int status = javac.run(null, null, errors, "--release", "8", "-Xlint:-options", "-cp", jar.getPath(),
                "-d", classes.getPath(), src.getPath());
        assertEquals(errors.toString("UTF-8"), 0, status);

        File plugin = new File(server.plugins(), "linkage.jar");
        JarOutputStream out = new JarOutputStream(new FileOutputStream(plugin));
        try {
            out.putNextEntry(new ZipEntry("plugin.yml"));
            out.write(("name: linkage\nmain: linkage.LinkagePlugin\nversion: 1\n"
                    + "permissions:\n  linkage.use:\n    description: one\n").getBytes("UTF-8"));
            out.closeEntry();
            File[] built = new File(classes, "linkage").listFiles();
            Arrays.sort(built);
            for (File f : built) {
                out.putNextEntry(new ZipEntry("linkage/" + f.getName()));
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
        assertTrue(log, log.contains("linkage reached "));
        assertTrue("a plugin's own logger writes console lines: " + log,
                log.contains(" WARN]: a line of the plugin's own logger"));
        int checks = Integer.parseInt(log.substring(log.indexOf("linkage reached ") + 16).split(" ")[0]);
        assertTrue(log, checks >= 66);
    }
}
