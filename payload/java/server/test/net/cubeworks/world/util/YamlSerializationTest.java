package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.ByteArrayInputStream;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.configuration.InvalidConfigurationException;
import org.bukkit.configuration.file.YamlConfiguration;
import org.bukkit.configuration.serialization.ConfigurationSerializable;
import org.bukkit.configuration.serialization.ConfigurationSerialization;
import org.bukkit.configuration.serialization.SerializableAs;
import org.bukkit.plugin.InvalidDescriptionException;
import org.bukkit.plugin.PluginDescriptionFile;
import org.bukkit.plugin.PluginLoadOrder;
import org.junit.Test;

/** YAML as plugins write it: serializable objects under "==", the header, and plugin.yml in any valid YAML. */
public class YamlSerializationTest {
    /** A home as a plugin stores it. */
    @SerializableAs("TestHome")
    public static final class Home implements ConfigurationSerializable {
        final String world;
        final int x;

        Home(String world, int x) {
            this.world = world;
            this.x = x;
        }

        public Map<String, Object> serialize() {
            Map<String, Object> m = new LinkedHashMap<String, Object>();
            m.put("world", world);
            m.put("x", x);
            return m;
        }

        public static Home deserialize(Map<String, Object> map) {
            return new Home((String) map.get("world"), ((Number) map.get("x")).intValue());
        }
    }

    @Test
    public void serializableObjectsRoundTripUnderTheirAlias() throws Exception {
        ConfigurationSerialization.registerClass(Home.class);
        YamlConfiguration c = new YamlConfiguration();
        c.set("homes.alex", new Home("world", 12));
        c.set("homes.list", Arrays.asList(new Home("nether", -3), new Home("end", 4)));
        String text = c.saveToString();
        assertTrue(text, text.contains("==: TestHome"));
        YamlConfiguration back = new YamlConfiguration();
        back.loadFromString(text);
        Object home = back.get("homes.alex");
        assertTrue(String.valueOf(home), home instanceof Home);
        assertEquals("world", ((Home) home).world);
        assertEquals(12, ((Home) home).x);
        List<?> list = back.getList("homes.list");
        assertEquals(-3, ((Home) list.get(0)).x);
        assertEquals("end", ((Home) list.get(1)).world);

        try {
            back.loadFromString("home:\n  ==: NoSuchAlias\n  x: 1\n");
            fail("an unknown alias is refused");
        } catch (InvalidConfigurationException expected) {
            // as Bukkit refuses it
        }
        // a plain class name also finds the class
        back.loadFromString("h:\n  ==: " + Home.class.getName() + "\n  world: w\n  x: 2\n");
        assertEquals(2, ((Home) back.get("h")).x);
    }

    @Test
    public void theHeaderIsReadWrittenAndTakenFromTheDefaults() throws Exception {
        YamlConfiguration c = new YamlConfiguration();
        c.loadFromString("# My plugin\n# second line\n\nkey: value\n# not header\nother: 2\n");
        assertEquals("My plugin\nsecond line", c.options().header());
        String saved = c.saveToString();
        assertTrue(saved, saved.startsWith("# My plugin\n# second line\n\nkey: value\n"));
        assertTrue(saved, saved.contains("other: 2"));

        YamlConfiguration defaults = new YamlConfiguration();
        defaults.loadFromString("# From the jar\nlimit: 3\n");
        YamlConfiguration fresh = new YamlConfiguration();
        fresh.setDefaults(defaults);
        fresh.options().copyDefaults(true);
        String text = fresh.saveToString();
        assertTrue(text, text.startsWith("# From the jar\n\n"));
        assertTrue(text, text.contains("limit: 3"));
        assertEquals("", new YamlConfiguration().saveToString());
        // a file of a list, or of a plain word, is no configuration
        for (String bad : new String[] {"- a\n- b\n", "word\n", "a: [1, 2\n"}) {
            try {
                new YamlConfiguration().loadFromString(bad);
                fail(bad);
            } catch (InvalidConfigurationException expected) {
                // refused
            }
        }
    }

    @Test
    public void pluginYmlIsAnyValidYaml() throws Exception {
        String yml = "{name: flow, main: a.B, version: 1.0,\n"
                + " depend: [One,\n   Two], softdepend: Three, loadbefore: [Four], load: startup,\n"
                + " commands: {home: {aliases: [h, casa], usage: \"/home <name>\"}}}\n";
        PluginDescriptionFile d = new PluginDescriptionFile(new ByteArrayInputStream(yml.getBytes("UTF-8")));
        assertEquals("flow", d.getName());
        assertEquals("1.0", d.getVersion());
        assertEquals(Arrays.asList("One", "Two"), d.getDepend());
        assertEquals(Arrays.asList("Three"), d.getSoftDepend());
        assertEquals(Arrays.asList("Four"), d.getLoadBefore());
        assertEquals(PluginLoadOrder.STARTUP, d.getLoad());
        assertEquals(Arrays.asList("h", "casa"), d.getCommands().get("home").get("aliases"));

        String anchors = "base: &b\n  description: shared\nname: anchored\nmain: a.B\nversion: 2\n"
                + "commands:\n  one: *b\n  two: *b\n";
        d = new PluginDescriptionFile(new ByteArrayInputStream(anchors.getBytes("UTF-8")));
        assertEquals("shared", d.getCommands().get("two").get("description"));
        assertNull(d.getDescription());

        try {
            new PluginDescriptionFile(new ByteArrayInputStream(
                    "name: x\nmain: a.B\nversion: 1\nevil: !!java.io.File [/tmp]\n".getBytes("UTF-8")));
            fail("a tag that builds a Java object is refused");
        } catch (InvalidDescriptionException expected) {
            // only plain maps, lists and scalars are built
        }
    }
}
