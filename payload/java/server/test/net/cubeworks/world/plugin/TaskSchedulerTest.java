package net.cubeworks.world.plugin;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.lang.reflect.InvocationHandler;
import java.lang.reflect.Method;
import java.lang.reflect.Proxy;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Logger;

import org.bukkit.plugin.Plugin;
import org.junit.Test;

import net.cubeworks.world.game.thread.GameThread;

/** Synchronous plugin tasks count world ticks, not the clock, and run in the order they fall due. */
public class TaskSchedulerTest {
    private static Plugin enabledPlugin() {
        return (Plugin) Proxy.newProxyInstance(Plugin.class.getClassLoader(), new Class<?>[] {Plugin.class},
                new InvocationHandler() {
                    public Object invoke(Object proxy, Method m, Object[] args) {
                        if (m.getName().equals("isEnabled")) {
                            return true;
                        }
                        if (m.getName().equals("equals")) {
                            return proxy == args[0];
                        }
                        if (m.getName().equals("hashCode")) {
                            return 1;
                        }
                        return null;
                    }
                });
    }

    @Test
    public void delaysAndPeriodsAreWorldTicksAndCancelledTasksStayQuiet() {
        // the ticks are driven by hand here, as the game thread drives them
        TaskScheduler scheduler = new TaskScheduler(Logger.getAnonymousLogger(),
                new GameThread(new Object(), Logger.getAnonymousLogger()));
        Plugin plugin = enabledPlugin();
        final List<String> ran = new ArrayList<String>();
        scheduler.runTaskLater(plugin, record(ran, "later20"), 20);
        scheduler.runTask(plugin, record(ran, "now-a"));
        scheduler.runTask(plugin, record(ran, "now-b"));
        int timer = scheduler.runTaskTimer(plugin, record(ran, "timer"), 5, 10).getTaskId();
        int cancelled = scheduler.scheduleSyncDelayedTask(plugin, record(ran, "cancelled"), 3);
        scheduler.cancelTask(cancelled);
        assertFalse(scheduler.isQueued(cancelled));
        List<String> byTick = new ArrayList<String>();
        for (long tick = 1; tick <= 25; tick++) {
            ran.clear();
            scheduler.tick(tick);
            for (String name : ran) {
                byTick.add(tick + " " + name);
            }
        }
        assertEquals(java.util.Arrays.asList("1 now-a", "1 now-b", "5 timer", "15 timer", "20 later20", "25 timer"),
                byTick);
        scheduler.cancelTask(timer);
        ran.clear();
        scheduler.tick(35);
        assertTrue("a cancelled timer runs no more", ran.isEmpty());
        assertFalse(scheduler.isQueued(timer));
    }

    @Test
    public void aSyncCallRunsOnTheNextTickAndACancelledOneReleasesItsWaiter() throws Exception {
        TaskScheduler scheduler = new TaskScheduler(Logger.getAnonymousLogger(),
                new GameThread(new Object(), Logger.getAnonymousLogger()));
        Plugin plugin = enabledPlugin();
        java.util.concurrent.Future<String> answer = scheduler.callSyncMethod(plugin,
                new java.util.concurrent.Callable<String>() {
                    public String call() {
                        return "on tick " + Thread.currentThread().getName();
                    }
                });
        java.util.concurrent.Future<String> failing = scheduler.callSyncMethod(plugin,
                new java.util.concurrent.Callable<String>() {
                    public String call() {
                        throw new IllegalStateException("no");
                    }
                });
        java.util.concurrent.Future<String> dropped = scheduler.callSyncMethod(plugin,
                new java.util.concurrent.Callable<String>() {
                    public String call() {
                        return "never";
                    }
                });
        assertEquals(3, scheduler.getPendingTasks().size());
        assertFalse(answer.isDone());
        dropped.cancel(false);
        scheduler.tick(1);
        assertEquals("on tick " + Thread.currentThread().getName(), answer.get(1, java.util.concurrent.TimeUnit.SECONDS));
        try {
            failing.get(1, java.util.concurrent.TimeUnit.SECONDS);
            org.junit.Assert.fail("the call's exception comes out of get");
        } catch (java.util.concurrent.ExecutionException ex) {
            assertTrue(ex.getCause() instanceof IllegalStateException);
        }
        assertTrue(dropped.isCancelled());
        assertTrue(scheduler.getPendingTasks().isEmpty());

        // a call still waiting when its plugin's tasks are cancelled does not leave its caller waiting
        java.util.concurrent.Future<String> orphan = scheduler.callSyncMethod(plugin,
                new java.util.concurrent.Callable<String>() {
                    public String call() {
                        return "late";
                    }
                });
        int async = scheduler.scheduleAsyncRepeatingTask(plugin, record(new ArrayList<String>(), "x"), 1000, 1000);
        assertTrue(scheduler.isQueued(async));
        scheduler.cancelTasks(plugin);
        assertTrue(orphan.isCancelled());
        assertFalse(scheduler.isQueued(async));
        assertTrue(scheduler.getActiveWorkers().isEmpty());
        scheduler.shutdown();
    }

    private static Runnable record(final List<String> ran, final String what) {
        return new Runnable() {
            public void run() {
                ran.add(what);
            }
        };
    }
}
