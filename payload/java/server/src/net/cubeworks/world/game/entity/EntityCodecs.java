package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.UUID;

import net.cubeworks.world.storage.ItemTagValues;

/**
 * How each kind of entity is kept in its column's Entities list, by the kind's name there ("Item",
 * "XPOrb", "Zombie", ...): a reader that makes the entity from its entry and a writer that makes
 * the entry from the entity, both over the entry as plain values (a compound as a Map, a list as a
 * List, numbers boxed in their tag's type). A kind joins with one {@link #register} line. An entry
 * of a kind nobody registered stays in its column as it was read, and is written back so.
 * The members every entity has (Pos, Motion, Rotation, FallDistance, Fire, Air, OnGround,
 * Dimension, Invulnerable, PortalCooldown, UUIDMost and UUIDLeast) are read and written here.
 */
public final class EntityCodecs {
    /** Makes an entity from its entry; null when the entry cannot be one (it is kept as it was). */
    public interface Reader {
        WorldEntity read(Map<String, Object> entry);
    }

    /** Writes what the kind keeps beyond the common members into the entry. */
    public interface Writer<T extends WorldEntity> {
        void write(T entity, Map<String, Object> entry);
    }

    private static final class Kind {
        final String name;
        final Class<? extends WorldEntity> type;
        final Reader reader;
        final Writer<WorldEntity> writer;

        @SuppressWarnings("unchecked")
        Kind(String name, Class<? extends WorldEntity> type, Reader reader, Writer<? extends WorldEntity> writer) {
            this.name = name;
            this.type = type;
            this.reader = reader;
            this.writer = (Writer<WorldEntity>) writer;
        }
    }

    private final Map<String, Kind> byName = new LinkedHashMap<String, Kind>();
    private final Map<Class<?>, Kind> byType = new LinkedHashMap<Class<?>, Kind>();

    /** Registers a kind by its name in the Entities list and its class. */
    public <T extends WorldEntity> void register(String name, Class<T> type, Reader reader, Writer<T> writer) {
        Kind k = new Kind(name, type, reader, writer);
        byName.put(name, k);
        byType.put(type, k);
    }

    /** Whether entities of this class are kept with their column. */
    public boolean keeps(WorldEntity e) {
        return byType.containsKey(e.getClass());
    }

    /**
     * The entity of a stored entry (an entry of the store's own), or null when its kind is not
     * registered or the entry cannot be read as one: then it stays as it is.
     */
    public WorldEntity read(Object stored) {
        Map<String, Object> entry = ItemTagValues.toValues(stored);
        if (entry == null || !(entry.get("id") instanceof String)) {
            return null;
        }
        Kind k = byName.get(entry.get("id"));
        if (k == null) {
            return null;
        }
        try {
            return k.reader.read(entry);
        } catch (RuntimeException e) {
            return null; // tags of unexpected types: the entry is kept as it was read
        }
    }

    /** The entity's entry as the store keeps it; null for a kind that is not kept. */
    public Object write(WorldEntity e) {
        Kind k = byType.get(e.getClass());
        if (k == null) {
            return null;
        }
        Map<String, Object> entry = new LinkedHashMap<String, Object>();
        entry.put("id", k.name);
        writeCommon(e, entry);
        k.writer.write(e, entry);
        return ItemTagValues.fromValues(entry);
    }

    // --- the members every entity has ---

    static void writeCommon(WorldEntity e, Map<String, Object> entry) {
        entry.put("Pos", doubles(e.x, e.y, e.z));
        entry.put("Motion", doubles(e.motionX, e.motionY, e.motionZ));
        entry.put("Rotation", new ArrayList<Object>(Arrays.<Object>asList(e.yaw, e.pitch)));
        entry.put("FallDistance", e.fallDistance);
        entry.put("Fire", (short) e.fireTicks);
        entry.put("Air", (short) 300);
        entry.put("OnGround", (byte) (e.onGround ? 1 : 0));
        entry.put("Dimension", 0);
        entry.put("Invulnerable", (byte) 0);
        entry.put("PortalCooldown", 0);
        entry.put("UUIDMost", e.getUniqueId().getMostSignificantBits());
        entry.put("UUIDLeast", e.getUniqueId().getLeastSignificantBits());
    }

    private static List<Object> doubles(double a, double b, double c) {
        return new ArrayList<Object>(Arrays.<Object>asList(a, b, c));
    }

    /** The entity's UUID as kept, or a new one when the entry has none. */
    public static UUID uuid(Map<String, Object> entry) {
        Object most = entry.get("UUIDMost");
        Object least = entry.get("UUIDLeast");
        if (most instanceof Long && least instanceof Long) {
            return new UUID((Long) most, (Long) least);
        }
        return UUID.randomUUID();
    }

    /**
     * Reads the common members into the entity; an IllegalArgumentException when its place is
     * missing or not a number (a place out of the world is no entity).
     */
    public static void readCommon(Map<String, Object> entry, WorldEntity e) {
        double[] pos = triple(entry.get("Pos"));
        if (pos == null || Double.isNaN(pos[0] + pos[1] + pos[2]) || Double.isInfinite(pos[0] + pos[1] + pos[2])) {
            throw new IllegalArgumentException("no place");
        }
        e.x = pos[0];
        e.y = pos[1];
        e.z = pos[2];
        double[] motion = triple(entry.get("Motion"));
        if (motion != null && !Double.isNaN(motion[0] + motion[1] + motion[2])) {
            // as the game does, a motion beyond 10 blocks a tick is taken for none
            e.motionX = Math.abs(motion[0]) > 10 ? 0 : motion[0];
            e.motionY = Math.abs(motion[1]) > 10 ? 0 : motion[1];
            e.motionZ = Math.abs(motion[2]) > 10 ? 0 : motion[2];
        }
        Object rotation = entry.get("Rotation");
        if (rotation instanceof List && ((List<?>) rotation).size() == 2) {
            e.yaw = number(((List<?>) rotation).get(0), 0).floatValue();
            e.pitch = number(((List<?>) rotation).get(1), 0).floatValue();
        }
        e.fallDistance = number(entry.get("FallDistance"), 0).floatValue();
        e.fireTicks = Math.max(0, number(entry.get("Fire"), 0).intValue());
        e.onGround = number(entry.get("OnGround"), 0).intValue() != 0;
    }

    private static double[] triple(Object v) {
        if (!(v instanceof List) || ((List<?>) v).size() != 3) {
            return null;
        }
        double[] out = new double[3];
        for (int i = 0; i < 3; i++) {
            Object o = ((List<?>) v).get(i);
            if (!(o instanceof Number)) {
                return null;
            }
            out[i] = ((Number) o).doubleValue();
        }
        return out;
    }

    /** The number, or the fallback when the value is none or not a number. */
    public static Number number(Object v, Number fallback) {
        return v instanceof Number ? (Number) v : fallback;
    }
}
