package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.util.ArrayList;
import java.util.List;
import java.util.Random;
import java.util.UUID;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.weather.WeatherChangeEvent;
import org.bukkit.plugin.EventExecutor;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.Weather;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/** Rain and thunder: the game's random times, the clients told, the events' say, the API, and level.dat. */
public class WeatherTest {
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private final List<Boolean> rainEvents = new ArrayList<Boolean>();
    private boolean cancelRain;
    private Game game;
    private GameWorld world;
    private OnlinePlayer alex;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(), ServerProperties.parse("spawn-animals=false\n".getBytes()), null,
                TestGames.host(events), new WorldStore.None());
        world = game.world();
        alex = new OnlinePlayer(game.playerGame(), Connections.idle(), "Alex", UUID.randomUUID(), game.entities().nextId(),
                GameMode.SURVIVAL);
        alex.known.add(ColumnKey.of(0, 0));
        alex.x = 0.5;
        alex.y = 4;
        alex.z = 0.5;
        game.players().add(alex);
        events.registerEvent(WeatherChangeEvent.class, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event e) {
                rainEvents.add(((WeatherChangeEvent) e).toWeatherState());
                ((WeatherChangeEvent) e).setCancelled(cancelRain);
            }
        }, TestGames.plugin("watch"), false);
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        world.close();
    }

    private byte[] tick() {
        ByteArrayOutputStream got = new ByteArrayOutputStream();
        synchronized (game.lock()) {
            for (Object[] out : world.tick()) {
                if (out[0] == alex) {
                    got.write((byte[]) out[1], 0, ((byte[]) out[1]).length);
                }
            }
        }
        return got.toByteArray();
    }

    private static boolean contains(byte[] all, byte[] part) {
        outer:
        for (int i = 0; i + part.length <= all.length; i++) {
            for (int j = 0; j < part.length; j++) {
                if (all[i + j] != part[j]) {
                    continue outer;
                }
            }
            return true;
        }
        return false;
    }

    @Test
    public void theClocksRunOutTheWeatherTurnsTheClientsAreToldAndNewTimesAreTheGames() {
        LevelState level = world.level();
        level.rainTime = 2;
        level.thunderTime = 50;
        assertFalse(contains(tick(), Weather.packet(true).frame()));
        assertTrue("the rain starts and Alex is told", contains(tick(), Weather.packet(true).frame()));
        assertTrue(level.raining);
        assertEquals("[true]", rainEvents.toString());
        tick();
        assertTrue("a time of rain: half a day to a day", level.rainTime >= 12000 - 1 && level.rainTime < 24000);

        cancelRain = true;
        level.rainTime = 1;
        tick();
        assertTrue("a plugin kept the rain", level.raining);
        cancelRain = false;

        level.rainTime = 1;
        assertTrue("the rain stops", contains(tick(), Weather.packet(false).frame()));
        assertFalse(level.raining);
        tick();
        assertTrue("a dry spell: half a day to seven and a half", level.rainTime >= 12000 - 1 && level.rainTime < 180000);

        Random r = new Random(5);
        for (int i = 0; i < 1000; i++) {
            int storm = Weather.thunderTime(true, r);
            int calm = Weather.thunderTime(false, r);
            assertTrue(storm >= 3600 && storm < 15600);
            assertTrue(calm >= 12000 && calm < 180000);
        }
    }

    @Test
    public void theApiAndTheClientsJoiningSeeTheWeatherAndRainPutsOutFire() {
        world.api().setStorm(true);
        assertTrue(world.api().hasStorm());
        assertEquals("a new time is drawn at the next tick", 0, world.api().getWeatherDuration());
        world.api().setThundering(true);
        assertTrue(world.api().isThundering());
        world.api().setWeatherDuration(100);
        assertEquals(100, world.api().getWeatherDuration());
        alex.fireTicks = 100;
        tick();
        assertEquals("the rain from the open sky puts him out", 0, alex.fireTicks);
        cancelRain = true;
        world.api().setStorm(false);
        assertTrue("a cancelled change changes nothing", world.api().hasStorm());
    }
}
