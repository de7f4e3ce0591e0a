package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;

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

/**
 * A plugin of the tests, compiled as a plugin author compiles one: its source (a test resource)
 * against the server jar alone, then packed with its plugin.yml into the server's plugins folder.
 */
final class CompiledPlugin {
    private CompiledPlugin() {
    }

    /**
     * Builds PLUGINS/NAME.jar from the resource, a class NAME.MAIN in package NAME, with the
     * plugin.yml given; fails the test with javac's words if it does not compile.
     */
    static File build(File plugins, String name, String main, String resource, String pluginYml) throws Exception {
        File work = Files.createTempDirectory(name).toFile();
        File src = new File(work, name + "/" + main + ".java");
        src.getParentFile().mkdirs();
        Files.write(src.toPath(), resource(resource));
        File classes = new File(work, "classes");
        classes.mkdirs();
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        ByteArrayOutputStream errors = new ByteArrayOutputStream();
        int status = javac.run(null, null, errors, "--release", "8", "-Xlint:-options", "-cp",
                ServerProcess.serverJar().getPath(), "-d", classes.getPath(), src.getPath());
        assertEquals(errors.toString("UTF-8"), 0, status);

        File plugin = new File(plugins, name + ".jar");
        JarOutputStream out = new JarOutputStream(new FileOutputStream(plugin));
        try {
            out.putNextEntry(new ZipEntry("plugin.yml"));
            out.write(pluginYml.getBytes("UTF-8"));
            out.closeEntry();
            File[] built = new File(classes, name).listFiles();
            Arrays.sort(built);
            for (File f : built) {
                out.putNextEntry(new ZipEntry(name + "/" + f.getName()));
                out.write(Files.readAllBytes(f.toPath()));
                out.closeEntry();
            }
        } finally {
            out.close();
        }
        return plugin;
    }

    private static byte[] resource(String name) throws Exception {
        InputStream in = CompiledPlugin.class.getResourceAsStream(name);
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
}
