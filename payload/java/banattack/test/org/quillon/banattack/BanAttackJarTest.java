package org.quillon.banattack;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.io.IOException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Enumeration;
import java.util.List;
import java.util.Properties;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import java.util.zip.ZipEntry;

import org.junit.Assume;
import org.junit.Test;

/** The built Cubeworks-Fyc.jar: only our own class, deflated, with the proxy's descriptor. */
public class BanAttackJarTest {
    @Test
    public void shapeAndDescriptor() throws IOException {
        String path = System.getProperty("cubeworks.banattack.jar");
        Assume.assumeTrue("cubeworks.banattack.jar not given", path != null);
        try (JarFile jar = new JarFile(new File(path))) {
            List<String> names = new ArrayList<String>();
            for (Enumeration<JarEntry> e = jar.entries(); e.hasMoreElements();) {
                JarEntry entry = e.nextElement();
                names.add(entry.getName());
                if (!entry.isDirectory()) {
                    assertEquals(entry.getName(), ZipEntry.DEFLATED, entry.getMethod());
                }
            }
            // No proxy API inside: the stubs are for compiling only.
            assertEquals(Arrays.asList("META-INF/MANIFEST.MF", "plugin.yml", "org/", "org/quillon/",
                    "org/quillon/banattack/", "org/quillon/banattack/BanAttack.class"), names);

            assertNotNull(jar.getManifest().getMainAttributes().getValue("Main-Class"));
            // plugin.yml's simple "key: value" lines read as properties give the values.
            Properties descriptor = new Properties();
            descriptor.load(jar.getInputStream(jar.getEntry("plugin.yml")));
            assertEquals("BanAttack", descriptor.getProperty("name"));
            assertEquals("org.quillon.banattack.BanAttack", descriptor.getProperty("main"));
            assertEquals("\"1.0\"", descriptor.getProperty("version"));
            assertTrue(descriptor.getProperty("author").length() > 0);
        }
    }
}
