package org.bukkit.plugin.java;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileOutputStream;
import java.lang.reflect.Field;
import java.net.URL;
import java.nio.file.Files;
import java.util.List;
import java.util.concurrent.CyclicBarrier;
import java.util.concurrent.atomic.AtomicReference;
import java.util.jar.JarOutputStream;
import java.util.zip.ZipEntry;

import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

import org.junit.Test;

/**
 * Two plugins whose classes extend each other's, loaded at the same moment on two threads (as a
 * plugin enabling while another's async task runs): each finds the other's class and neither
 * waits for the other for ever.
 */
public class PluginClassLoaderTest {
    private static final String[][] SOURCES = {
        {"a/BaseA.java", "package a; public class BaseA {}"},
        {"a/SubA.java", "package a; public class SubA extends b.BaseB {}"},
        {"b/BaseB.java", "package b; public class BaseB {}"},
        {"b/SubB.java", "package b; public class SubB extends a.BaseA {}"},
    };

    private static File jar(File classes, File out, String pkg) throws Exception {
        JarOutputStream jar = new JarOutputStream(new FileOutputStream(out));
        try {
            for (File f : new File(classes, pkg).listFiles()) {
                jar.putNextEntry(new ZipEntry(pkg + "/" + f.getName()));
                jar.write(Files.readAllBytes(f.toPath()));
                jar.closeEntry();
            }
        } finally {
            jar.close();
        }
        return out;
    }

    @Test
    @SuppressWarnings("unchecked")
    public void pluginsLoadingEachOthersClassesAtOnceDoNotWaitForEachOther() throws Exception {
        File work = Files.createTempDirectory("pluginloaders").toFile();
        File classes = new File(work, "classes");
        classes.mkdirs();
        String[] args = new String[SOURCES.length + 4];
        args[0] = "--release";
        args[1] = "8";
        args[2] = "-d";
        args[3] = classes.getPath();
        for (int i = 0; i < SOURCES.length; i++) {
            File f = new File(work, SOURCES[i][0]);
            f.getParentFile().mkdirs();
            Files.write(f.toPath(), SOURCES[i][1].getBytes("UTF-8"));
            args[4 + i] = f.getPath();
        }
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        ByteArrayOutputStream errors = new ByteArrayOutputStream();
        assertEquals(errors.toString("UTF-8"), 0, javac.run(null, null, errors, args));
        URL jarA = jar(classes, new File(work, "a.jar"), "a").toURI().toURL();
        URL jarB = jar(classes, new File(work, "b.jar"), "b").toURI().toURL();

        Field loadersField = JavaPluginLoader.class.getDeclaredField("loaders");
        loadersField.setAccessible(true);
        for (int round = 0; round < 200; round++) {
            JavaPluginLoader plugins = new JavaPluginLoader(null);
            final PluginClassLoader a = new PluginClassLoader(plugins, new URL[] {jarA}, getClass().getClassLoader());
            final PluginClassLoader b = new PluginClassLoader(plugins, new URL[] {jarB}, getClass().getClassLoader());
            List<PluginClassLoader> loaders = (List<PluginClassLoader>) loadersField.get(plugins);
            loaders.add(a);
            loaders.add(b);
            final CyclicBarrier start = new CyclicBarrier(2);
            final AtomicReference<Throwable> failure = new AtomicReference<Throwable>();
            Thread one = load(start, a, "a.SubA", failure);
            Thread two = load(start, b, "b.SubB", failure);
            one.join(10000);
            two.join(10000);
            assertFalse("round " + round + ": the two loads wait for each other", one.isAlive() || two.isAlive());
            assertEquals(null, failure.get());
            assertEquals(b, Class.forName("a.SubA", false, a).getSuperclass().getClassLoader());
        }
    }

    private static Thread load(final CyclicBarrier start, final ClassLoader loader, final String name,
            final AtomicReference<Throwable> failure) {
        Thread t = new Thread(new Runnable() {
            public void run() {
                try {
                    start.await();
                    Class.forName(name, false, loader);
                } catch (Throwable e) {
                    failure.set(e);
                }
            }
        });
        t.setDaemon(true);
        t.start();
        return t;
    }
}
