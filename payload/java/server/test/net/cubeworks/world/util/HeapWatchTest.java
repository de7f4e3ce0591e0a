package net.cubeworks.world.util;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.After;
import org.junit.Test;

/** The world waits for room on a full heap, and goes on once a collection has made some. */
public class HeapWatchTest {
    @After
    public void tearDown() {
        HeapWatch.limitForTests(0);
        HeapWatch.collected(0);
    }

    @Test
    public void landWaitsForRoomAndComesOnceThereIsSome() throws Exception {
        HeapWatch.install();
        HeapWatch.limitForTests(1000000);
        HeapWatch.collected(700000);
        long t0 = System.nanoTime();
        assertFalse("no room under three quarters of the heap", HeapWatch.awaitRoom(100000, t0 + 200000000L));
        assertTrue("it waited until the deadline", System.nanoTime() - t0 >= 200000000L);
        HeapWatch.collected(100000);
        assertTrue(HeapWatch.awaitRoom(100000, System.nanoTime()));
        assertTrue("what was let in is counted until the next collection", HeapWatch.used() >= 200000);
        // a collection that makes room while the world waits lets it go on
        HeapWatch.collected(700000);
        new Thread(new Runnable() {
            public void run() {
                try {
                    Thread.sleep(100);
                } catch (InterruptedException ignored) {
                    // on with it
                }
                HeapWatch.collected(200000);
            }
        }).start();
        assertTrue(HeapWatch.awaitRoom(100000, System.nanoTime() + 5000000000L));
    }
}
