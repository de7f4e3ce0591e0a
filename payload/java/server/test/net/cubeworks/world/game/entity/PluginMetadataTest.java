package net.cubeworks.world.game.entity;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.bukkit.metadata.FixedMetadataValue;
import org.bukkit.plugin.Plugin;
import org.junit.Test;

import net.cubeworks.world.game.TestGames;

public class PluginMetadataTest {
    @Test
    public void eachPluginHoldsOneValueUnderAKeyUntilItTakesItAway() {
        Plugin guard = TestGames.plugin("Guard");
        Plugin shop = TestGames.plugin("Shop");
        PluginMetadata m = new PluginMetadata();
        assertFalse(m.has("owner"));
        assertTrue(m.get("owner").isEmpty());

        m.set("owner", new FixedMetadataValue(guard, "Alex"));
        m.set("owner", new FixedMetadataValue(guard, "Bo")); // takes the place of the first
        m.set("owner", new FixedMetadataValue(shop, 7));
        assertEquals(2, m.get("owner").size());
        assertEquals("Bo", m.get("owner").get(0).asString());

        m.get("owner").clear(); // a copy: the entity's values stay
        m.remove("owner", guard);
        assertEquals(1, m.get("owner").size());
        assertEquals(7, m.get("owner").get(0).asInt());
        m.remove("owner", shop);
        assertFalse(m.has("owner"));
    }
}
