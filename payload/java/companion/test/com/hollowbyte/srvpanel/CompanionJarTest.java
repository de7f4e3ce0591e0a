package com.hollowbyte.srvpanel;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.nio.ByteBuffer;
import java.nio.charset.CodingErrorAction;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Enumeration;
import java.util.List;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import java.util.jar.JarInputStream;
import java.util.jar.Manifest;
import java.util.zip.ZipEntry;

import org.junit.Assume;
import org.junit.Before;
import org.junit.Test;

/** The built Cubeworks-rs.jar as the server and the manager see it. */
public class CompanionJarTest {
    private File jar;

    @Before
    public void findJar() {
        String path = System.getProperty("cubeworks.companion.jar");
        Assume.assumeTrue("cubeworks.companion.jar not given", path != null);
        jar = new File(path);
        assertTrue(path, jar.isFile());
    }

    private static byte[] readAll(InputStream in) throws IOException {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        byte[] buf = new byte[4096];
        for (int n; (n = in.read(buf)) > 0;) {
            out.write(buf, 0, n);
        }
        return out.toByteArray();
    }

    @Test
    public void entriesAreStoredWithFoldersAndNoApiClasses() throws IOException {
        List<String> names = new ArrayList<String>();
        try (JarFile file = new JarFile(jar)) {
            for (Enumeration<JarEntry> e = file.entries(); e.hasMoreElements();) {
                JarEntry entry = e.nextElement();
                names.add(entry.getName());
                assertEquals(entry.getName(), ZipEntry.STORED, entry.getMethod());
            }
        }
        assertEquals(Arrays.asList("META-INF/", "META-INF/MANIFEST.MF", "plugin.yml", "com/", "com/hollowbyte/",
                "com/hollowbyte/srvpanel/", "com/hollowbyte/srvpanel/manager.class"), names);
    }

    @Test
    public void manifestNamesTheOldApiOnTheClassPath() throws IOException {
        // JarInputStream only finds a manifest among the first entries, as class loaders expect.
        try (JarInputStream in = new JarInputStream(new FileInputStream(jar))) {
            Manifest manifest = in.getManifest();
            assertNotNull(manifest);
            assertEquals("lib/bukkit-1.6.4-R2.0.jar", manifest.getMainAttributes().getValue("Class-Path"));
            assertEquals(null, manifest.getMainAttributes().getValue("Main-Class"));
        }
    }

    @Test
    public void descriptorIsUtf8WithTheCommandDeclared() throws IOException {
        byte[] bytes;
        try (JarFile file = new JarFile(jar)) {
            bytes = readAll(file.getInputStream(file.getEntry("plugin.yml")));
        }
        // Must decode strictly as UTF-8: the server reads the Chinese texts that way.
        String text = StandardCharsets.UTF_8.newDecoder().onMalformedInput(CodingErrorAction.REPORT)
                .decode(ByteBuffer.wrap(bytes)).toString();
        List<String> lines = Arrays.asList(text.split("\r?\n"));
        assertEquals(Arrays.asList(
                "name: srvpanel_manager",
                "main: com.hollowbyte.srvpanel.manager",
                "version: \"2.0\"",
                "commands:",
                "  showplayerinfo:",
                "    description: 用于刷新玩家在线信息，仅限控制台使用",
                "    usage: <command>",
                "    permission: srvpanel_manager.admin",
                "    permission-message: 你不能使用这条命令"), lines);
    }

    @Test
    public void mainClassExtendsJavaPluginAndTargetsJava7() throws Exception {
        byte[] bytes;
        try (JarFile file = new JarFile(jar)) {
            bytes = readAll(file.getInputStream(file.getEntry("com/hollowbyte/srvpanel/manager.class")));
        }
        int major = ((bytes[6] & 0xff) << 8) | (bytes[7] & 0xff);
        assertEquals(51, major);
        assertTrue(org.bukkit.plugin.java.JavaPlugin.class.isAssignableFrom(
                Class.forName("com.hollowbyte.srvpanel.manager")));
        assertFalse(java.lang.reflect.Modifier.isAbstract(manager.class.getModifiers()));
    }
}
