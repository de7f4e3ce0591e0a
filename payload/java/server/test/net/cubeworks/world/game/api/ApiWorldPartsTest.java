package net.cubeworks.world.game.api;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotSame;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.IOException;
import java.util.Arrays;
import java.util.concurrent.Callable;
import java.util.logging.Logger;

import org.junit.After;
import org.junit.Test;

import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.game.world.LevelState;

/** The parts of the API's world that need none of the game's hubs: plugins' changes, game rules and the clock. */
public class ApiWorldPartsTest {
    private final Object lock = new Object();
    private final GameThread thread = new GameThread(lock, Logger.getAnonymousLogger());
    private final ApiChanges changes = new ApiChanges(lock, thread);

    @After
    public void tearDown() {
        thread.stop();
    }

    private Callable<Thread> whereItRuns() {
        return new Callable<Thread>() {
            public Thread call() {
                assertTrue("a change holds the world lock", Thread.holdsLock(lock));
                return Thread.currentThread();
            }
        };
    }

    /** Under the lock (an event fired by the game) waiting for the game thread would never end. */
    @Test(timeout = 20000)
    public void aChangeRunsOnTheGameThreadOrAtOnceForACallerHoldingTheLock() throws Exception {
        thread.start();
        Thread gameThread = changes.call(whereItRuns());
        assertNotSame(Thread.currentThread(), gameThread);
        assertSame(gameThread, ApiChanges.call(lock, thread, whereItRuns()));
        synchronized (lock) {
            assertSame(Thread.currentThread(), changes.call(whereItRuns()));
        }
    }

    @Test
    public void aChangesErrorsAreThrownToTheCallerOnEitherWay() {
        final IllegalArgumentException plain = new IllegalArgumentException("plain");
        Callable<Void> failing = new Callable<Void>() {
            public Void call() {
                throw plain;
            }
        };
        Callable<Void> checked = new Callable<Void>() {
            public Void call() throws IOException {
                throw new IOException("checked");
            }
        };
        thread.start();
        for (boolean held : new boolean[] {false, true}) {
            synchronized (held ? lock : new Object()) {
                try {
                    changes.call(failing);
                    fail("thrown");
                } catch (IllegalArgumentException e) {
                    assertSame(plain, e);
                }
                try {
                    changes.call(checked);
                    fail("thrown");
                } catch (IllegalStateException e) {
                    assertEquals("checked", e.getCause().getMessage());
                }
            }
        }
    }

    @Test
    public void onlyTheRulesTheLevelHasAreSetAndNamesOfNoneAnswerNothing() {
        final LevelState level = new LevelState();
        ApiGameRules rules = new ApiGameRules(lock, () -> level);
        assertTrue(Arrays.asList(rules.names()).contains("doMobSpawning"));
        assertTrue(rules.has("keepInventory"));
        assertEquals("false", rules.value("keepInventory"));
        assertTrue(rules.set("keepInventory", "true"));
        assertEquals("true", level.gameRules.get("keepInventory"));

        assertFalse("no such rule", rules.set("myPluginRule", "5"));
        assertFalse(rules.has("myPluginRule"));
        assertNull(rules.value("myPluginRule"));
        assertFalse(level.gameRules.containsKey("myPluginRule"));
        assertFalse(rules.set(null, "x"));
        assertFalse(rules.set("keepInventory", null));
        assertEquals("true", rules.value("keepInventory"));
        assertFalse(rules.has(null));
        assertNull(rules.value(null));
    }

    @Test
    public void theTimeOfDayGoesForwardOnlyAndDurationsAreNeverNegative() {
        final LevelState level = new LevelState();
        final long[] told = new long[1];
        ApiClocks clocks = new ApiClocks(changes, lock, () -> level, () -> null, t -> {
            level.dayTime = t;
            told[0] = t;
        });
        clocks.setFullTime(30000);
        assertEquals(30000, told[0]);
        assertEquals(6000, clocks.time());
        long[] asked = {6000, 5999, 0, 24000 + 100, -1000};
        long[] after = {30000, 53999, 72000, 72100, 95000};
        long[] got = new long[asked.length];
        for (int i = 0; i < asked.length; i++) {
            clocks.setTime(asked[i]);
            got[i] = clocks.fullTime();
        }
        assertArrayEquals(after, got);
        assertEquals(23000, clocks.time());

        clocks.setWeatherDuration(-5);
        clocks.setThunderDuration(-1);
        assertEquals(0, clocks.weatherDuration());
        assertEquals(0, clocks.thunderDuration());
        clocks.setThunderDuration(300);
        assertEquals(300, level.thunderTime);
    }
}
