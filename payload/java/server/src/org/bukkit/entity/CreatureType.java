package org.bukkit.entity;

import java.util.HashMap;
import java.util.Map;

/**
 * The creatures of the older spawning API, kept for plugins written before {@link EntityType};
 * each maps to the entity type of the same name.
 */
@Deprecated
public enum CreatureType {
    CREEPER("Creeper", Creeper.class, 50),
    SKELETON("Skeleton", Skeleton.class, 51),
    SPIDER("Spider", Spider.class, 52),
    GIANT("Giant", Giant.class, 53),
    ZOMBIE("Zombie", Zombie.class, 54),
    SLIME("Slime", Slime.class, 55),
    GHAST("Ghast", Ghast.class, 56),
    PIG_ZOMBIE("PigZombie", PigZombie.class, 57),
    ENDERMAN("Enderman", Enderman.class, 58),
    CAVE_SPIDER("CaveSpider", CaveSpider.class, 59),
    SILVERFISH("Silverfish", Silverfish.class, 60),
    BLAZE("Blaze", Blaze.class, 61),
    MAGMA_CUBE("LavaSlime", MagmaCube.class, 62),
    ENDER_DRAGON("EnderDragon", EnderDragon.class, 63),
    PIG("Pig", Pig.class, 90),
    SHEEP("Sheep", Sheep.class, 91),
    COW("Cow", Cow.class, 92),
    CHICKEN("Chicken", Chicken.class, 93),
    SQUID("Squid", Squid.class, 94),
    WOLF("Wolf", Wolf.class, 95),
    MUSHROOM_COW("MushroomCow", MushroomCow.class, 96),
    SNOWMAN("SnowMan", Snowman.class, 97),
    VILLAGER("Villager", Villager.class, 120);

    private static final Map<String, CreatureType> BY_NAME = new HashMap<String, CreatureType>();
    private static final Map<Short, CreatureType> BY_ID = new HashMap<Short, CreatureType>();

    static {
        for (CreatureType type : values()) {
            BY_NAME.put(type.name, type);
            BY_ID.put(type.typeId, type);
        }
    }

    private final String name;
    private final Class<? extends Entity> entityClass;
    private final short typeId;

    CreatureType(String name, Class<? extends Entity> entityClass, int typeId) {
        this.name = name;
        this.entityClass = entityClass;
        this.typeId = (short) typeId;
    }

    /** The name the game saves this creature under, as written ("PigZombie"). */
    public String getName() {
        return name;
    }

    public Class<? extends Entity> getEntityClass() {
        return entityClass;
    }

    @Deprecated
    public short getTypeId() {
        return typeId;
    }

    /** The creature saved under exactly that name, or null. */
    public static CreatureType fromName(String name) {
        return BY_NAME.get(name);
    }

    /** The creature with that number, or null. */
    @Deprecated
    public static CreatureType fromId(int id) {
        if (id > Short.MAX_VALUE) {
            return null;
        }
        return BY_ID.get((short) id);
    }

    @Deprecated
    public EntityType toEntityType() {
        return EntityType.valueOf(name());
    }

    /** The creature of that entity type, or null when the type is no creature of this list. */
    public static CreatureType fromEntityType(EntityType creatureType) {
        if (creatureType == null) {
            return null;
        }
        try {
            return valueOf(creatureType.name());
        } catch (IllegalArgumentException notACreature) {
            return null;
        }
    }
}
