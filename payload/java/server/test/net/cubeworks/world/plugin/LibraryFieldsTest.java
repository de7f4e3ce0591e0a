package net.cubeworks.world.plugin;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileOutputStream;
import java.lang.reflect.Field;
import java.lang.reflect.Method;
import java.net.URL;
import java.nio.file.Files;
import java.util.Map;
import java.util.jar.JarOutputStream;
import java.util.zip.ZipEntry;

import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

import org.bukkit.plugin.java.PluginClassLoader;
import org.junit.Test;
import org.yaml.snakeyaml.TypeDescription;
import org.yaml.snakeyaml.constructor.Constructor;

/**
 * A plugin class built as plugins of the 1.7 era were, reading SnakeYAML's type definitions by
 * reflection on the class that held them then, loaded through the plugin class loader: the
 * lookup finds the field where the carried SnakeYAML keeps it, the code around the call (switches,
 * a wide local) still runs as written, and a field missing from a plugin's own class is still
 * reported missing.
 */
public class LibraryFieldsTest {
    /** Enough locals that the last ones are reached with the wide form of the instructions. */
    private static final String LOCALS;

    static {
        StringBuilder b = new StringBuilder();
        for (int i = 0; i < 400; i++) {
            b.append("    int v").append(i).append(" = ").append(i % 2).append(";\n");
        }
        LOCALS = b.toString();
    }

    private static final String SOURCE = "package probe;\n"
            + "import java.lang.reflect.Field;\n"
            + "public class Reader {\n"
            + "  public static Object typeDefinitions(Object constructor) throws Exception {\n"
            + "    Field f = org.yaml.snakeyaml.constructor.Constructor.class.getDeclaredField(\"typeDefinitions\");\n"
            + "    f.setAccessible(true);\n"
            + "    return f.get(constructor);\n"
            + "  }\n"
            + "  public static String own() {\n"
            + "    try { Reader.class.getDeclaredField(\"absent\"); return \"found\"; }\n"
            + "    catch (NoSuchFieldException e) { return \"missing\"; }\n"
            + "  }\n"
            + "  public static int mixed(int k, String s) throws Exception {\n"
            + "    long[] many = new long[300]; int w = 0;\n"
            + "    for (int i = 0; i < 300; i++) { many[i] = i; }\n"
            + "    java.util.List<Object> pad = new java.util.ArrayList<Object>();\n"
            + "    for (int i = 0; i < 130; i++) { pad.add(i); }\n"
            + LOCALS
            + "    int wideLocal = pad.size() + v399;\n"
            + "    switch (k) { case 1: w = 10; break; case 2: w = 20; break; case 3: w = 30; break; default: w = -1; }\n"
            + "    switch (k * 1000) { case 1000: w += 1; break; case 500000: w += 2; break; default: w += 3; }\n"
            + "    Field f = org.yaml.snakeyaml.constructor.Constructor.class.getDeclaredField(s);\n"
            + "    wideLocal++;\n"
            + "    return w + (f != null ? 100 : 0) + wideLocal;\n"
            + "  }\n"
            + "}\n";

    @Test
    public void aPluginFindsTheTypeDefinitionsWhereTheCarriedLibraryKeepsThem() throws Exception {
        File work = Files.createTempDirectory("libraryfields").toFile();
        File src = new File(work, "probe/Reader.java");
        src.getParentFile().mkdirs();
        Files.write(src.toPath(), SOURCE.getBytes("UTF-8"));
        File classes = new File(work, "classes");
        classes.mkdirs();
        JavaCompiler javac = ToolProvider.getSystemJavaCompiler();
        ByteArrayOutputStream errors = new ByteArrayOutputStream();
        String cp = new File(Constructor.class.getProtectionDomain().getCodeSource().getLocation().toURI()).getPath();
        int status = javac.run(null, null, errors, "--release", "8", "-Xlint:-options", "-cp", cp,
                "-d", classes.getPath(), src.getPath());
        assertEquals(errors.toString("UTF-8"), 0, status);
        File jar = new File(work, "probe.jar");
        JarOutputStream out = new JarOutputStream(new FileOutputStream(jar));
        try {
            out.putNextEntry(new ZipEntry("probe/Reader.class"));
            out.write(Files.readAllBytes(new File(classes, "probe/Reader.class").toPath()));
            out.closeEntry();
        } finally {
            out.close();
        }

        PluginClassLoader loader = new PluginClassLoader(null, new URL[] {jar.toURI().toURL()},
                LibraryFieldsTest.class.getClassLoader());
        Class<?> reader = loader.loadClass("probe.Reader");
        Constructor constructor = new Constructor();
        constructor.addTypeDescription(new TypeDescription(LibraryFieldsTest.class));
        Object defs = reader.getMethod("typeDefinitions", Object.class).invoke(null, constructor);
        assertTrue("the constructor's own map: " + defs, defs instanceof Map
                && ((Map<?, ?>) defs).containsKey(LibraryFieldsTest.class));
        Field held = org.yaml.snakeyaml.constructor.BaseConstructor.class.getDeclaredField("typeDefinitions");
        held.setAccessible(true);
        assertSame(held.get(constructor), defs);

        assertEquals("a plugin's own class answers as before", "missing", reader.getMethod("own").invoke(null));
        Method mixed = reader.getMethod("mixed", int.class, String.class);
        assertEquals("switches and wide locals around the call run as written", 10 + 1 + 100 + 132,
                mixed.invoke(null, 1, "typeDefinitions"));
        assertEquals(30 + 3 + 100 + 132, mixed.invoke(null, 3, "typeDefinitions"));
    }
}
