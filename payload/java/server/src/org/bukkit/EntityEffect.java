package org.bukkit;

/** The effects an entity can be made to show, by the status number the Entity Status packet carries. */
public enum EntityEffect {
    HURT(2),
    DEATH(3),
    WOLF_SMOKE(6),
    WOLF_HEARTS(7),
    WOLF_SHAKE(8),
    SHEEP_EAT(10),
    IRON_GOLEM_ROSE(11),
    VILLAGER_HEART(12),
    VILLAGER_ANGRY(13),
    VILLAGER_HAPPY(14),
    WITCH_MAGIC(15),
    ZOMBIE_TRANSFORM(16),
    FIREWORK_EXPLODE(17);

    private final byte data;

    EntityEffect(int data) {
        this.data = (byte) data;
    }

    /** The status number sent for this effect. */
    @Deprecated
    public byte getData() {
        return data;
    }

    /** The effect of that status number, or null. */
    @Deprecated
    public static EntityEffect getByData(byte data) {
        for (EntityEffect e : values()) {
            if (e.data == data) {
                return e;
            }
        }
        return null;
    }
}
