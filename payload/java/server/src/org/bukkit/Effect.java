package org.bukkit;

import org.bukkit.block.BlockFace;
import org.bukkit.potion.Potion;

/**
 * The sound and particle effects of the game's Effect packet, by its effect number; some take
 * data (a record's item, the face smoke rises from, a block's kind, a potion).
 */
public enum Effect {
    CLICK2(1000, Type.SOUND),
    CLICK1(1001, Type.SOUND),
    BOW_FIRE(1002, Type.SOUND),
    DOOR_TOGGLE(1003, Type.SOUND),
    EXTINGUISH(1004, Type.SOUND),
    RECORD_PLAY(1005, Type.SOUND, Material.class),
    GHAST_SHRIEK(1007, Type.SOUND),
    GHAST_SHOOT(1008, Type.SOUND),
    BLAZE_SHOOT(1009, Type.SOUND),
    ZOMBIE_CHEW_WOODEN_DOOR(1010, Type.SOUND),
    ZOMBIE_CHEW_IRON_DOOR(1011, Type.SOUND),
    ZOMBIE_DESTROY_DOOR(1012, Type.SOUND),
    SMOKE(2000, Type.VISUAL, BlockFace.class),
    STEP_SOUND(2001, Type.SOUND, Material.class),
    POTION_BREAK(2002, Type.VISUAL, Potion.class),
    ENDER_SIGNAL(2003, Type.VISUAL),
    MOBSPAWNER_FLAMES(2004, Type.VISUAL);

    /** Whether an effect is heard or seen. */
    public enum Type {
        SOUND, VISUAL
    }

    private final int id;
    private final Type type;
    private final Class<?> data;

    Effect(int id, Type type) {
        this(id, type, null);
    }

    Effect(int id, Type type, Class<?> data) {
        this.id = id;
        this.type = type;
        this.data = data;
    }

    /** The number the Effect packet carries. */
    @Deprecated
    public int getId() {
        return id;
    }

    public Type getType() {
        return type;
    }

    /** The kind of data the effect takes, or null when it takes none. */
    public Class<?> getData() {
        return data;
    }

    /** The effect of that number, or null. */
    @Deprecated
    public static Effect getById(int id) {
        for (Effect e : values()) {
            if (e.id == id) {
                return e;
            }
        }
        return null;
    }
}
