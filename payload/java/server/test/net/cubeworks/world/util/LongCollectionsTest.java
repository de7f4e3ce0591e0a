package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.util.HashMap;
import java.util.HashSet;
import java.util.Map;
import java.util.Random;
import java.util.Set;

import org.junit.Test;

/** The long set and map of the column keys behave as the JDK's set and map of boxed longs. */
public class LongCollectionsTest {
    /** Keys as the world makes them (column x and z packed), crowded in a small area, and the marker value. */
    private static long key(Random r) {
        if (r.nextInt(200) == 0) {
            return Long.MIN_VALUE;
        }
        return (long) (r.nextInt(40) - 20) << 32 | (r.nextInt(40) - 20) & 0xFFFFFFFFL;
    }

    @Test
    public void theSetAgreesWithAHashSet() {
        Random r = new Random(5);
        LongSet set = new LongSet();
        Set<Long> want = new HashSet<Long>();
        for (int i = 0; i < 200000; i++) {
            long k = key(r);
            switch (r.nextInt(3)) {
                case 0:
                    assertEquals(want.add(k), set.add(k));
                    break;
                case 1:
                    assertEquals(want.remove(k), set.remove(k));
                    break;
                default:
                    assertEquals(want.contains(k), set.contains(k));
            }
            assertEquals(want.size(), set.size());
            if (i % 20000 == 0) {
                Set<Long> seen = new HashSet<Long>();
                for (long v : set.toArray()) {
                    assertTrue(seen.add(v));
                }
                assertEquals(want, seen);
                seen.clear();
                for (LongSet.Cursor c = set.cursor(); c.hasNext();) {
                    assertTrue(seen.add(c.next()));
                }
                assertEquals(want, seen);
            }
        }
        set.clear();
        assertTrue(set.isEmpty());
        assertFalse(set.contains(0));
    }

    @Test
    public void theMapAgreesWithAHashMap() {
        Random r = new Random(9);
        LongMap<String> map = new LongMap<String>();
        Map<Long, String> want = new HashMap<Long, String>();
        for (int i = 0; i < 200000; i++) {
            long k = key(r);
            switch (r.nextInt(3)) {
                case 0: {
                    String v = "v" + i;
                    assertEquals(want.put(k, v), map.put(k, v));
                    break;
                }
                case 1:
                    assertEquals(want.remove(k), map.remove(k));
                    break;
                default:
                    assertEquals(want.get(k), map.get(k));
            }
            assertEquals(want.size(), map.size());
        }
        Set<Long> keys = new HashSet<Long>();
        for (long k : map.keys()) {
            keys.add(k);
        }
        assertEquals(want.keySet(), keys);
        assertEquals(new HashSet<String>(want.values()), new HashSet<String>(map.values()));
    }
}
