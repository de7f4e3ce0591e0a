package net.cubeworks.world.game.thread;

import static org.junit.Assert.assertTrue;

import java.util.List;
import java.util.concurrent.CopyOnWriteArrayList;
import java.util.concurrent.CountDownLatch;
import java.util.concurrent.TimeUnit;
import java.util.logging.Handler;
import java.util.logging.LogRecord;
import java.util.logging.Logger;

import org.junit.Test;
import net.cubeworks.world.game.thread.GameThread;
import net.cubeworks.world.game.thread.StallWatch;

/** A piece of the game thread's work that never ends is reported with where it stands, once, and its end is told. */
public class StallWatchTest {
    private static final class Lines extends Handler {
        final List<String> lines = new CopyOnWriteArrayList<String>();

        @Override
        public void publish(LogRecord r) {
            lines.add(r.getLevel() + " " + r.getMessage());
        }

        @Override
        public void flush() {
        }

        @Override
        public void close() {
        }

        int count(String part) {
            int n = 0;
            for (String l : lines) {
                if (l.contains(part)) {
                    n++;
                }
            }
            return n;
        }

        boolean await(String part) throws InterruptedException {
            for (int i = 0; i < 500 && count(part) == 0; i++) {
                Thread.sleep(20);
            }
            return count(part) > 0;
        }
    }

    private static void waitForPlugin(CountDownLatch release) throws InterruptedException {
        release.await();
    }

    @Test
    public void aStuckPieceOfWorkIsReportedOnceWithItsPlaceAndItsEndIsTold() throws Exception {
        Logger logger = Logger.getAnonymousLogger();
        logger.setUseParentHandlers(false);
        Lines lines = new Lines();
        logger.addHandler(lines);
        GameThread game = new GameThread(new Object(), logger);
        game.start();
        new StallWatch(game, logger, TimeUnit.MILLISECONDS.toNanos(150), 10).start();
        final CountDownLatch release = new CountDownLatch(1);
        game.submit(new Runnable() {
            public void run() {
                try {
                    waitForPlugin(release);
                } catch (InterruptedException e) {
                    Thread.currentThread().interrupt();
                }
            }
        });
        assertTrue(lines.lines.toString(), lines.await("busy with one piece of work"));
        Thread.sleep(300); // still stuck: not told again
        assertTrue(lines.lines.toString(), lines.count("busy with one piece of work") == 1);
        String report = lines.lines.get(0);
        assertTrue(report, report.startsWith("SEVERE") && report.contains("StallWatchTest.waitForPlugin"));
        release.countDown();
        assertTrue(lines.lines.toString(), lines.await("moves again"));
        game.stop();
    }
}
