package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Arrays;

import org.bukkit.configuration.InvalidConfigurationException;
import org.bukkit.configuration.file.YamlConfiguration;
import org.junit.Test;

public class YamlConfigurationTest {
    private static YamlConfiguration load(String text) throws InvalidConfigurationException {
        YamlConfiguration c = new YamlConfiguration();
        c.loadFromString(text);
        return c;
    }

    @Test
    public void typedReadsOfTextValuesAndDefaults() throws Exception {
        YamlConfiguration c = load("messages:\n  welcome: '&eHi: there'\n  count: 5\nenabled: yes\nratio: 0.5\n"
                + "names:\n  - Alex\n  - Steve\nempty: {}\n");
        assertEquals("&eHi: there", c.getString("messages.welcome"));
        assertEquals(5, c.getInt("messages.count"));
        assertTrue(c.isInt("messages.count"));
        assertTrue(c.getBoolean("enabled"));
        assertEquals(0.5, c.getDouble("ratio"), 0.0);
        assertEquals(Arrays.asList("Alex", "Steve"), c.getStringList("names"));
        assertTrue(c.isConfigurationSection("messages"));
        assertTrue(c.isConfigurationSection("empty"));
        assertEquals(7, c.getInt("missing", 7));
        assertNull(c.getString("messages.count.deeper"));

        YamlConfiguration defaults = load("limit: 3\nmessages:\n  bye: Bye\n");
        c.setDefaults(defaults);
        assertEquals(3, c.getInt("limit"));
        assertEquals("Bye", c.getString("messages.bye"));
        assertFalse(c.getKeys(false).contains("limit"));
        c.options().copyDefaults(true);
        assertTrue(c.getKeys(false).contains("limit"));
    }

    @Test
    public void savedTextReadsBackTheSameValues() throws Exception {
        YamlConfiguration c = new YamlConfiguration();
        c.set("a.b.c", 12);
        c.set("a.text", "it's: tricky # not a comment");
        c.set("a.multi", "line one\nline \"two\"");
        c.set("list", Arrays.asList("x", "- y", "null"));
        c.set("flag", true);
        c.set("gone", "soon");
        c.set("gone", null);
        YamlConfiguration back = load(c.saveToString());
        assertEquals(12, back.getInt("a.b.c"));
        assertEquals("it's: tricky # not a comment", back.getString("a.text"));
        assertEquals("line one\nline \"two\"", back.getString("a.multi"));
        assertEquals(Arrays.asList("x", "- y", "null"), back.getStringList("list"));
        assertTrue(back.getBoolean("flag"));
        assertFalse(back.contains("gone"));
        assertEquals(c.getKeys(true), back.getKeys(true));
    }

    @Test
    public void aChosenPathSeparatorLeavesDottedPermissionNodesAsOneKey() throws Exception {
        YamlConfiguration c = new YamlConfiguration();
        c.options().pathSeparator('/');
        c.loadFromString("groups:\n  default:\n    permissions:\n      permissions.build: false\n"
                + "users:\n  alex:\n    groups: [user]\n");
        assertTrue(c.isConfigurationSection("groups/default/permissions"));
        assertEquals(Arrays.asList("permissions.build"),
                new java.util.ArrayList<String>(c.getConfigurationSection("groups/default/permissions").getKeys(false)));
        assertFalse(c.getBoolean("groups/default/permissions/permissions.build", true));
        assertTrue(c.getKeys(true).contains("users/alex/groups"));
        assertEquals("users/alex", c.getConfigurationSection("users/alex").getCurrentPath());

        c.set("users/bo/groups", Arrays.asList("admin"));
        c.createSection("groups/admin/permissions").set("permissions.*", true);
        YamlConfiguration back = new YamlConfiguration();
        back.options().pathSeparator('/');
        back.loadFromString(c.saveToString());
        assertEquals(Arrays.asList("admin"), back.getStringList("users/bo/groups"));
        assertTrue(back.getBoolean("groups/admin/permissions/permissions.*"));
        assertNull("with '/' a dot does not descend", back.get("groups.admin"));
    }

    @Test(expected = InvalidConfigurationException.class)
    public void brokenTextIsRejected() throws Exception {
        load("a: 'unclosed\n");
    }
}
