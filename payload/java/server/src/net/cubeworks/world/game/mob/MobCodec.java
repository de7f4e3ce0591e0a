package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.UUID;

/**
 * A mob as the 1.7 game keeps it in its column's Entities list: the tag's names and types (id,
 * Pos, Motion, Rotation, FallDistance, Fire, Air, OnGround, UUIDMost/Least, HealF and Health,
 * PersistenceRequired, CustomName, and each kind's own: Age and InLove, Color and Sheared, Saddle,
 * powered and Fuse, IsBaby and IsVillager, SkeletonType). The tag is given as plain values (Byte,
 * Short, Integer, Long, Float, Double, String, and List for NBT lists) for the store to write as
 * NBT; reading takes the same and refuses, with null, what is not a mob of a known kind or has
 * no usable position.
 */
public final class MobCodec {
    private MobCodec() {
    }

    public static Map<String, Object> write(Mob m) {
        Map<String, Object> t = new LinkedHashMap<String, Object>();
        t.put("id", m.kind.savedId);
        t.put("Pos", Arrays.<Object>asList(m.x, m.y, m.z));
        t.put("Motion", Arrays.<Object>asList(m.motionX, m.motionY, m.motionZ));
        t.put("Rotation", Arrays.<Object>asList(m.yaw, m.pitch));
        t.put("FallDistance", m.fallDistance);
        t.put("Fire", (short) Math.min(Short.MAX_VALUE, m.fireTicks));
        t.put("Air", (short) m.getRemainingAir());
        t.put("OnGround", (byte) (m.onGround ? 1 : 0));
        t.put("Dimension", 0);
        t.put("UUIDMost", m.getUniqueId().getMostSignificantBits());
        t.put("UUIDLeast", m.getUniqueId().getLeastSignificantBits());
        t.put("HealF", m.health);
        t.put("Health", (short) Math.ceil(m.health));
        t.put("PersistenceRequired", (byte) (m.persistent ? 1 : 0));
        t.put("CanPickUpLoot", (byte) 0);
        if (m.customName != null) {
            t.put("CustomName", m.customName);
            t.put("CustomNameVisible", (byte) (m.customNameVisible ? 1 : 0));
        }
        if (m instanceof Animal) {
            Animal a = (Animal) m;
            t.put("Age", a.age);
            t.put("InLove", a.inLove);
        }
        if (m instanceof SheepMob) {
            t.put("Color", (byte) ((SheepMob) m).color);
            t.put("Sheared", (byte) (((SheepMob) m).sheared ? 1 : 0));
        } else if (m instanceof PigMob) {
            t.put("Saddle", (byte) (((PigMob) m).saddle ? 1 : 0));
        } else if (m instanceof CreeperMob) {
            t.put("powered", (byte) (((CreeperMob) m).powered ? 1 : 0));
            t.put("Fuse", (short) CreeperMob.FUSE_TICKS);
            t.put("ExplosionRadius", (byte) 3);
        } else if (m instanceof ZombieMob) {
            t.put("IsBaby", (byte) (((ZombieMob) m).baby ? 1 : 0));
            t.put("IsVillager", (byte) (((ZombieMob) m).villager ? 1 : 0));
        } else if (m instanceof SkeletonMob) {
            t.put("SkeletonType", (byte) ((SkeletonMob) m).type.getId());
        } else if (m instanceof ChickenMob) {
            t.put("EggLayTime", ((ChickenMob) m).eggTicks);
        } else if (m instanceof EndermanMob) {
            t.put("carried", (short) ((EndermanMob) m).carried);
            t.put("carriedData", (short) ((EndermanMob) m).carriedData);
        }
        return t;
    }

    /** The mob the tag keeps, not yet in the world; null when it is not one of the kinds here or is broken. */
    public static Mob read(Mobs mobs, Map<String, Object> t) {
        Object id = t.get("id");
        MobKind kind = id instanceof String ? MobKind.bySavedId((String) id) : null;
        double[] pos = doubles(t.get("Pos"), 3);
        if (kind == null || pos == null || Math.abs(pos[0]) > 3.2E7 || Math.abs(pos[2]) > 3.2E7 || pos[1] < -64
                || pos[1] > 512) {
            return null;
        }
        UUID uuid = t.get("UUIDMost") instanceof Long && t.get("UUIDLeast") instanceof Long
                ? new UUID((Long) t.get("UUIDMost"), (Long) t.get("UUIDLeast")) : null;
        Mob m = mobs.create(kind, pos[0], pos[1], pos[2], uuid);
        double[] motion = doubles(t.get("Motion"), 3);
        if (motion != null) {
            m.motionX = clamp(motion[0], 10);
            m.motionY = clamp(motion[1], 10);
            m.motionZ = clamp(motion[2], 10);
        }
        double[] rotation = doubles(t.get("Rotation"), 2);
        if (rotation != null) {
            m.yaw = (float) rotation[0];
            m.pitch = (float) clamp(rotation[1], 90);
            m.headYaw = m.yaw;
        }
        m.fallDistance = (float) number(t, "FallDistance", 0);
        m.fireTicks = (int) Math.max(0, number(t, "Fire", 0));
        m.setRemainingAir((int) number(t, "Air", 300));
        m.onGround = number(t, "OnGround", 0) != 0;
        float health = t.containsKey("HealF") ? (float) number(t, "HealF", kind.maxHealth)
                : (float) number(t, "Health", kind.maxHealth);
        m.health = Math.max(0.5f, Math.min(kind.maxHealth, health));
        m.persistent = number(t, "PersistenceRequired", 0) != 0;
        if (t.get("CustomName") instanceof String && !((String) t.get("CustomName")).isEmpty()) {
            m.customName = (String) t.get("CustomName");
            m.customNameVisible = number(t, "CustomNameVisible", 0) != 0;
        }
        if (m instanceof Animal) {
            ((Animal) m).age = (int) number(t, "Age", 0);
            ((Animal) m).inLove = (int) Math.max(0, number(t, "InLove", 0));
        }
        if (m instanceof SheepMob) {
            ((SheepMob) m).color = (int) number(t, "Color", 0) & 15;
            ((SheepMob) m).sheared = number(t, "Sheared", 0) != 0;
        } else if (m instanceof PigMob) {
            ((PigMob) m).saddle = number(t, "Saddle", 0) != 0;
        } else if (m instanceof CreeperMob) {
            ((CreeperMob) m).powered = number(t, "powered", 0) != 0;
        } else if (m instanceof ZombieMob) {
            ((ZombieMob) m).baby = number(t, "IsBaby", 0) != 0;
            ((ZombieMob) m).villager = number(t, "IsVillager", 0) != 0;
        } else if (m instanceof SkeletonMob) {
            ((SkeletonMob) m).type = number(t, "SkeletonType", 0) == 1
                    ? org.bukkit.entity.Skeleton.SkeletonType.WITHER : org.bukkit.entity.Skeleton.SkeletonType.NORMAL;
        } else if (m instanceof ChickenMob && t.containsKey("EggLayTime")) {
            ((ChickenMob) m).eggTicks = (int) Math.max(1, number(t, "EggLayTime", 6000));
        } else if (m instanceof EndermanMob) {
            int carried = (int) number(t, "carried", 0);
            ((EndermanMob) m).carried = carried > 0 && carried < 256 ? carried : 0; // no block ids beyond
            ((EndermanMob) m).carriedData = (int) number(t, "carriedData", 0) & 15;
        }
        return m;
    }

    private static double clamp(double v, double limit) {
        return Double.isNaN(v) ? 0 : Math.max(-limit, Math.min(limit, v));
    }

    private static double number(Map<String, Object> t, String name, double otherwise) {
        Object v = t.get(name);
        return v instanceof Number && !Double.isNaN(((Number) v).doubleValue()) ? ((Number) v).doubleValue() : otherwise;
    }

    /** The list's n numbers, or null when it is not a list of n finite numbers. */
    private static double[] doubles(Object list, int n) {
        if (!(list instanceof List) || ((List<?>) list).size() != n) {
            return null;
        }
        double[] out = new double[n];
        List<?> l = (List<?>) list;
        for (int i = 0; i < n; i++) {
            if (!(l.get(i) instanceof Number)) {
                return null;
            }
            out[i] = ((Number) l.get(i)).doubleValue();
            if (Double.isNaN(out[i]) || Double.isInfinite(out[i])) {
                return null;
            }
        }
        return out;
    }

    /** The ids of the kinds this codec reads, for the store's registry of entity kinds. */
    public static List<String> savedIds() {
        List<String> out = new ArrayList<String>();
        for (MobKind k : MobKind.values()) {
            out.add(k.savedId);
        }
        return out;
    }
}
