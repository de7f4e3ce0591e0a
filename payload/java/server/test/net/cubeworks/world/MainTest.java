package net.cubeworks.world;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.DataInputStream;
import java.io.InputStream;
import java.util.jar.JarFile;

import org.junit.Test;

/** The entry class: it refuses a Java older than 8 in one line, and an old Java can load it. */
public class MainTest {
    @Test
    public void olderJavasAreRefusedInOneLineNewerOnesPass() {
        assertEquals(7, Main.featureVersion("1.7"));
        assertEquals(6, Main.featureVersion("1.6"));
        assertEquals(8, Main.featureVersion("1.8"));
        assertEquals(17, Main.featureVersion("17"));
        assertEquals(-1, Main.featureVersion("unknown"));
        String line = Main.refusal("1.7", "C:\\Java\\jre7");
        assertTrue(line, line.matches("\\[\\d\\d:\\d\\d:\\d\\d ERROR\\]: This server needs Java 8 or newer, but it was "
                + "started with Java 1\\.7 \\(C:\\\\Java\\\\jre7\\): install Java 8 or newer and start it again\\."));
        assertFalse(line.contains("\n"));
        assertNull(Main.refusal("1.8", "x"));
        assertNull(Main.refusal("21", "x"));
        assertNull("a version it cannot read is given its chance", Main.refusal("weird", "x"));
    }

    @Test
    public void theJarsEntryClassIsJava7BytecodeAndTheServerJava8() throws Exception {
        JarFile jar = new JarFile(System.getProperty("cubeworks.server.jar"));
        try {
            assertEquals("net.cubeworks.world.Main", jar.getManifest().getMainAttributes().getValue("Main-Class"));
            assertEquals(51, major(jar, "net/cubeworks/world/Main.class"));
            assertEquals(52, major(jar, "net/cubeworks/world/ServerMain.class"));
            // the libraries plugins import are inside, without their own manifests or signatures
            for (String c : new String[] {"org/yaml/snakeyaml/Yaml.class", "com/google/gson/Gson.class",
                "com/google/common/collect/ImmutableList.class", "org/apache/commons/lang/StringUtils.class",
                "org/json/simple/JSONObject.class", "org/json/simple/parser/JSONParser.class"}) {
                assertTrue(c, jar.getEntry(c) != null);
            }
            assertNull(jar.getEntry("module-info.class"));
            assertNull(jar.getEntry("META-INF/maven/"));
        } finally {
            jar.close();
        }
    }

    private static int major(JarFile jar, String entry) throws Exception {
        InputStream in = jar.getInputStream(jar.getEntry(entry));
        try {
            DataInputStream d = new DataInputStream(in);
            assertEquals(0xCAFEBABE, d.readInt());
            d.readUnsignedShort();
            return d.readUnsignedShort();
        } finally {
            in.close();
        }
    }
}
