package net.cubeworks.world.plugin;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.ArrayList;
import java.util.List;

import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.RegisteredServiceProvider;
import org.bukkit.plugin.ServicePriority;
import org.bukkit.plugin.SimpleServicesManager;
import org.junit.Test;

import net.cubeworks.world.fixture.ApiServer;

/** Service providers as economy bridges use them: the best priority wins, the first of equals stays first. */
public class ServicesTest {
    interface Economy {
        String name();
    }

    private static Economy economy(final String name) {
        return new Economy() {
            public String name() {
                return name;
            }
        };
    }

    private static List<String> names(Iterable<RegisteredServiceProvider<Economy>> providers) {
        List<String> out = new ArrayList<String>();
        for (RegisteredServiceProvider<Economy> r : providers) {
            out.add(r.getProvider().name() + "/" + r.getPriority());
        }
        return out;
    }

    @Test
    public void theBestProviderIsLoadedAndAPluginsProvidersGoWithIt() {
        SimpleServicesManager services = new SimpleServicesManager();
        Plugin bank = ApiServer.plugin("bank");
        Plugin shop = ApiServer.plugin("shop");
        assertNull(services.load(Economy.class));
        assertFalse(services.isProvidedFor(Economy.class));
        Economy first = economy("first");
        services.register(Economy.class, first, bank, ServicePriority.Normal);
        services.register(Economy.class, economy("high"), shop, ServicePriority.High);
        services.register(Economy.class, economy("second"), shop, ServicePriority.Normal);
        services.register(Economy.class, economy("low"), bank, ServicePriority.Lowest);
        assertEquals("high", services.load(Economy.class).name());
        assertEquals(java.util.Arrays.asList("high/High", "first/Normal", "second/Normal", "low/Lowest"),
                names(services.getRegistrations(Economy.class)));
        assertEquals(shop, services.getRegistration(Economy.class).getPlugin());
        assertEquals(2, services.getRegistrations(bank).size());

        services.unregisterAll(shop);
        assertEquals("first", services.load(Economy.class).name());
        services.unregister(Economy.class, first);
        assertEquals("low", services.load(Economy.class).name());
        assertTrue(services.getKnownServices().contains(Economy.class));
        services.unregisterAll(bank);
        assertFalse(services.isProvidedFor(Economy.class));
        assertTrue("a service without providers is no longer known", services.getKnownServices().isEmpty());
    }
}
