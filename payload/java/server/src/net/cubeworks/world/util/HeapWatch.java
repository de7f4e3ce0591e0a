package net.cubeworks.world.util;

import java.lang.management.GarbageCollectorMXBean;
import java.lang.management.ManagementFactory;
import java.lang.management.MemoryPoolMXBean;
import java.lang.management.MemoryType;
import java.lang.management.MemoryUsage;
import java.util.HashSet;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.atomic.AtomicLong;

import javax.management.Notification;
import javax.management.NotificationEmitter;
import javax.management.NotificationListener;
import javax.management.openmbean.CompositeData;

/**
 * What the server knows of its heap: the most it may take (-Xmx), and how much was in use when the
 * last collection ended, plus what the world said it took in since (the columns it made or read).
 * The world asks here before it makes or reads land: past {@link #HIGH} of the heap it waits for
 * room (asking for a full collection when the last one is old, as the land let go since may be
 * garbage by now) instead of running out.
 */
public final class HeapWatch {
    /** The part of the heap the world fills with land before it waits for room. */
    public static final double HIGH = 0.75;

    private static final long MAX = Runtime.getRuntime().maxMemory();
    private static volatile long usedAfterGc;
    private static volatile long lastGcNanos = System.nanoTime();
    private static final AtomicLong takenSince = new AtomicLong();
    /** Until when (System.nanoTime) the world is short of room: land waited for it a moment ago. */
    private static volatile long pressedUntil = System.nanoTime() - 1;
    private static final AtomicLong lastAsked = new AtomicLong(System.nanoTime() - 10000000000L);
    private static boolean installed;
    /** Tests set a smaller heap to see the waiting; 0 for the JVM's own. */
    private static volatile long maxOverride;

    private HeapWatch() {
    }

    /** Listens to the JVM's collections (once; where the JVM tells of them). */
    public static synchronized void install() {
        if (installed) {
            return;
        }
        installed = true;
        final Set<String> heapPools = new HashSet<String>();
        for (MemoryPoolMXBean p : ManagementFactory.getMemoryPoolMXBeans()) {
            if (p.getType() == MemoryType.HEAP) {
                heapPools.add(p.getName());
            }
        }
        NotificationListener listener = new NotificationListener() {
            public void handleNotification(Notification n, Object handback) {
                if (!"com.sun.management.gc.notification".equals(n.getType())) {
                    return;
                }
                try {
                    com.sun.management.GarbageCollectionNotificationInfo info = com.sun.management.GarbageCollectionNotificationInfo
                            .from((CompositeData) n.getUserData());
                    long used = 0;
                    for (Map.Entry<String, MemoryUsage> e : info.getGcInfo().getMemoryUsageAfterGc().entrySet()) {
                        if (heapPools.contains(e.getKey())) {
                            used += e.getValue().getUsed();
                        }
                    }
                    if (maxOverride == 0) { // a test's figures are not overwritten
                        collected(used);
                    }
                } catch (RuntimeException | LinkageError ignored) {
                    // a JVM that tells it otherwise: the watch goes by the heap's use now
                }
            }
        };
        for (GarbageCollectorMXBean gc : ManagementFactory.getGarbageCollectorMXBeans()) {
            if (gc instanceof NotificationEmitter) {
                ((NotificationEmitter) gc).addNotificationListener(listener, null, null);
            }
        }
    }

    /**
     * After the start: the heap the JVM committed while the server started is given back, and
     * from here on the JVM keeps at most 30 % of it free after a full collection (10 % at least)
     * and, with G1, looks for garbage to give back after a minute with no collection. So the
     * process takes about what the world holds, not the -Xmx it was given: a host who gives
     * the server 1 GB does not lose 1 GB to it. The JVM's flags are set where it lets them be
     * set (HotSpot's manageable flags); elsewhere only the collection is asked for.
     */
    public static void settle() {
        try {
            com.sun.management.HotSpotDiagnosticMXBean vm = ManagementFactory
                    .getPlatformMXBean(com.sun.management.HotSpotDiagnosticMXBean.class);
            setFlag(vm, "G1PeriodicGCInterval", "60000");
        } catch (RuntimeException | LinkageError ignored) {
            // not HotSpot: its own sizing stays
        }
        System.gc();
    }

    private static void setFlag(com.sun.management.HotSpotDiagnosticMXBean vm, String name, String value) {
        try {
            vm.setVMOption(name, value);
        } catch (RuntimeException ignored) {
            // not there in this JVM (an older one, or another collector), or not to be set
        }
    }

    /** For tests: the heap taken as this big (0: the JVM's own, and nothing waited for room). */
    public static void limitForTests(long max) {
        maxOverride = max;
        if (max == 0) {
            pressedUntil = System.nanoTime() - 1;
        }
    }

    /** A collection ended with this many bytes of the heap in use (the JVM's notification, or a test). */
    public static void collected(long used) {
        usedAfterGc = used;
        takenSince.set(0);
        lastGcNanos = System.nanoTime();
    }

    /** The most heap the JVM may take. */
    public static long max() {
        long o = maxOverride;
        return o > 0 ? o : MAX;
    }

    /**
     * The heap in use, at most: the lesser of what was in use when the last collection ended with
     * what the world took in since, and what is in use now (garbage included).
     */
    public static long used() {
        long o = maxOverride;
        if (o > 0) {
            return usedAfterGc + takenSince.get(); // a test's figures alone
        }
        Runtime r = Runtime.getRuntime();
        long now = r.totalMemory() - r.freeMemory();
        return installed ? Math.min(now, usedAfterGc + takenSince.get()) : now;
    }

    /** The world took in about this many bytes that stay (land it made or read). */
    public static void took(long bytes) {
        takenSince.addAndGet(bytes);
    }

    /**
     * True while land waits for room, and for 10 s after: the world lets go of what nobody sees
     * that it would otherwise keep (the spawn area) so the land players walk into comes first.
     */
    public static boolean pressed() {
        return System.nanoTime() - pressedUntil < 0;
    }

    /** True when more than the fraction of the heap is in use (see {@link #used}). */
    public static boolean above(double fraction) {
        return used() > max() * fraction;
    }

    /**
     * Waits until the bytes fit under {@link #HIGH} of the heap, then counts them as taken; false,
     * counting nothing, when they do not fit by the deadline (System.nanoTime). What the last
     * collection left may be garbage by now (land let go since): the collections the JVM makes
     * anyway tell within a moment, and when none comes for a while a full one is asked for (one in
     * two seconds at most, however many wait).
     */
    public static boolean awaitRoom(long bytes, long deadline) {
        long since = 0;
        while (true) {
            if (used() + bytes <= max() * HIGH) {
                took(bytes);
                return true;
            }
            long now = System.nanoTime();
            if (since == 0) {
                since = now;
            }
            pressedUntil = now + 10000000000L;
            long asked = lastAsked.get();
            if (now - since > 1500000000L && now - lastGcNanos > 1000000000L && now - asked > 2000000000L
                    && lastAsked.compareAndSet(asked, now)) {
                System.gc();
                continue;
            }
            if (now - deadline >= 0) {
                return false;
            }
            try {
                Thread.sleep(Math.max(1, Math.min(50, (deadline - now) / 1000000L)));
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                return false;
            }
        }
    }
}
