package net.cubeworks.world.game.thread;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.concurrent.Callable;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicInteger;
import java.util.logging.Logger;

import org.junit.After;
import org.junit.Test;
import net.cubeworks.world.game.thread.GameThread;

/** The one thread that changes game state: what it is handed, in what order, and its tick. */
public class GameThreadTest {
    private final Object lock = new Object();
    private final GameThread thread = new GameThread(lock, quiet());

    /** The failures the tests cause are expected: they are not printed. */
    private static Logger quiet() {
        Logger logger = Logger.getAnonymousLogger();
        logger.setUseParentHandlers(false);
        return logger;
    }

    @After
    public void tearDown() {
        thread.stop();
    }

    @Test
    public void workFromManyThreadsRunsOnTheGameThreadInEachSendersOrderUnderTheLock() throws Exception {
        final int senders = 4;
        final int each = 500;
        final List<Thread> ranOn = Collections.synchronizedList(new ArrayList<Thread>());
        final int[][] seen = new int[senders][1];
        final AtomicInteger outOfOrder = new AtomicInteger();
        final AtomicInteger unlocked = new AtomicInteger();
        final CountDownLatch done = new CountDownLatch(senders * each);
        thread.start();
        List<Thread> threads = new ArrayList<Thread>();
        for (int s = 0; s < senders; s++) {
            final int sender = s;
            Thread t = new Thread(new Runnable() {
                public void run() {
                    for (int i = 0; i < each; i++) {
                        final int n = i;
                        thread.submit(new Runnable() {
                            public void run() {
                                ranOn.add(Thread.currentThread());
                                if (!Thread.holdsLock(lock)) {
                                    unlocked.incrementAndGet();
                                }
                                if (seen[sender][0] != n) {
                                    outOfOrder.incrementAndGet();
                                }
                                seen[sender][0] = n + 1;
                                done.countDown();
                            }
                        });
                    }
                }
            });
            threads.add(t);
            t.start();
        }
        assertTrue(done.await(20, TimeUnit.SECONDS));
        assertEquals(0, outOfOrder.get());
        assertEquals(0, unlocked.get());
        for (Thread t : ranOn) {
            assertSame(ranOn.get(0), t);
        }
        assertFalse(threads.contains(ranOn.get(0)));
    }

    @Test
    public void theTickGoesOnWhileWorkKeepsArrivingAndAFailureStopsNeither() throws Exception {
        final AtomicInteger ticks = new AtomicInteger();
        final CountDownLatch tenTicks = new CountDownLatch(10);
        thread.setHeartbeat(new GameThread.TickPart() {
            public void tick(long tick) {
                ticks.incrementAndGet();
                tenTicks.countDown();
                if (tick == 2) {
                    throw new IllegalStateException("a plugin task that fails");
                }
            }
        });
        thread.start();
        final AtomicInteger ran = new AtomicInteger();
        long until = System.nanoTime() + TimeUnit.SECONDS.toNanos(20);
        while (tenTicks.getCount() > 0 && System.nanoTime() < until) {
            thread.submit(new Runnable() {
                public void run() {
                    ran.incrementAndGet();
                    if (ran.get() % 1000 == 0) {
                        throw new IllegalStateException("a packet that fails");
                    }
                }
            });
            Thread.yield();
        }
        assertTrue("ten ticks while work kept coming", tenTicks.await(1, TimeUnit.SECONDS));
        assertTrue(ran.get() > 0);
    }

    @Test
    public void callAnswersFromTheGameThreadAndThrowsWhatTheWorkThrows() throws Exception {
        thread.start();
        Thread answered = thread.call(new Callable<Thread>() {
            public Thread call() {
                return Thread.currentThread();
            }
        });
        assertTrue(answered != Thread.currentThread());
        assertEquals("on the game thread itself it runs at once", Boolean.TRUE, thread.call(new Callable<Boolean>() {
            public Boolean call() {
                return thread.call(new Callable<Boolean>() {
                    public Boolean call() {
                        return thread.isCurrent();
                    }
                });
            }
        }));
        try {
            thread.call(new Callable<Void>() {
                public Void call() {
                    throw new IllegalArgumentException("refused");
                }
            });
            fail();
        } catch (IllegalArgumentException expected) {
            assertEquals("refused", expected.getMessage());
        }
        thread.stop();
        assertEquals("once stopped, the caller runs it", Integer.valueOf(7), thread.call(new Callable<Integer>() {
            public Integer call() {
                return 7;
            }
        }));
    }
}
