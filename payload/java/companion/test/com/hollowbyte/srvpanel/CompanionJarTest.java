package com.hollowbyte.srvpanel;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;

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
import java.util.zip.ZipEntry;

import org.junit.Assume;
import org.junit.Test;

/** The built Cubeworks-rs.jar as the server and the manager see it. */
public class CompanionJarTest {
    @Test
    public void shapeManifestAndDescriptor() throws IOException {
        String path = System.getProperty("cubeworks.companion.jar");
        Assume.assumeTrue("cubeworks.companion.jar not given", path != null);
        File file = new File(path);
        try (JarFile jar = new JarFile(file)) {
            // Every entry stored, folders included; no API class packed beside ours.
            List<String> names = new ArrayList<String>();
            for (Enumeration<JarEntry> e = jar.entries(); e.hasMoreElements();) {
                JarEntry entry = e.nextElement();
                names.add(entry.getName());
                assertEquals(entry.getName(), ZipEntry.STORED, entry.getMethod());
            }
            assertEquals(Arrays.asList("META-INF/", "META-INF/MANIFEST.MF", "plugin.yml", "com/", "com/hollowbyte/",
                    "com/hollowbyte/srvpanel/", "com/hollowbyte/srvpanel/manager.class"), names);

            // Java 7 class files (major version 51), for the runtimes our users have.
            byte[] cls = readEntry(jar, "com/hollowbyte/srvpanel/manager.class");
            assertEquals(51, ((cls[6] & 0xff) << 8) | (cls[7] & 0xff));

            // The descriptor must decode strictly as UTF-8: the server reads the Chinese texts so.
            ByteBuffer yml = ByteBuffer.wrap(readEntry(jar, "plugin.yml"));
            String text = StandardCharsets.UTF_8.newDecoder().onMalformedInput(CodingErrorAction.REPORT)
                    .decode(yml).toString();
            assertEquals(Arrays.asList(
                    "name: srvpanel_manager",
                    "main: com.hollowbyte.srvpanel.manager",
                    "version: \"2.0\"",
                    "commands:",
                    "  showplayerinfo:",
                    "    description: 用于刷新玩家在线信息，仅限控制台使用",
                    "    usage: <command>",
                    "    permission: srvpanel_manager.admin",
                    "    permission-message: 你不能使用这条命令"), Arrays.asList(text.split("\r?\n")));
        }
        // JarInputStream finds a manifest only among the first entries, as class loaders expect.
        try (JarInputStream in = new JarInputStream(new FileInputStream(file))) {
            assertNotNull(in.getManifest());
            assertEquals("lib/bukkit-1.6.4-R2.0.jar", in.getManifest().getMainAttributes().getValue("Class-Path"));
        }
    }

    private static byte[] readEntry(JarFile jar, String name) throws IOException {
        try (InputStream in = jar.getInputStream(jar.getEntry(name))) {
            return in.readAllBytes();
        }
    }
}
