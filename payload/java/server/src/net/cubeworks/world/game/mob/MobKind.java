package net.cubeworks.world.game.mob;

import org.bukkit.entity.EntityType;

/**
 * The kinds of mob with the game's numbers: the type id the client knows, the name kept in the
 * world's files and said in death messages, the size, the health, the walking speed (the game's
 * movement speed attribute), how far it looks for a target, the damage of its hit (and how the
 * difficulty scales a mob's damage to a player), and its family for the caps of natural spawning.
 */
public enum MobKind {
    CREEPER(50, EntityType.CREEPER, "Creeper", 0.6, 1.7, 20, 0.25, 16, 0, Family.MONSTER),
    SKELETON(51, EntityType.SKELETON, "Skeleton", 0.6, 1.8, 20, 0.25, 16, 2, Family.MONSTER),
    SPIDER(52, EntityType.SPIDER, "Spider", 1.4, 0.9, 16, 0.3, 16, 2, Family.MONSTER),
    ZOMBIE(54, EntityType.ZOMBIE, "Zombie", 0.6, 1.8, 20, 0.23, 40, 3, Family.MONSTER),
    ENDERMAN(58, EntityType.ENDERMAN, "Enderman", 0.6, 2.9, 40, 0.3, 64, 7, Family.MONSTER),
    PIG(90, EntityType.PIG, "Pig", 0.9, 0.9, 10, 0.25, 16, 0, Family.ANIMAL),
    SHEEP(91, EntityType.SHEEP, "Sheep", 0.9, 1.3, 8, 0.23, 16, 0, Family.ANIMAL),
    COW(92, EntityType.COW, "Cow", 0.9, 1.3, 10, 0.2, 16, 0, Family.ANIMAL),
    CHICKEN(93, EntityType.CHICKEN, "Chicken", 0.3, 0.7, 4, 0.25, 16, 0, Family.ANIMAL),
    SQUID(94, EntityType.SQUID, "Squid", 0.95, 0.95, 10, 0.2, 16, 0, Family.WATER);

    /** The families natural spawning counts apart, with the game's caps per 289 columns around players. */
    public enum Family {
        MONSTER(70), ANIMAL(10), WATER(5);

        public final int cap;

        Family(int cap) {
            this.cap = cap;
        }
    }

    public final int typeId;
    public final EntityType type;
    /** The id in the world's files and the name in death messages. */
    public final String savedId;
    public final double width;
    public final double height;
    public final float maxHealth;
    public final double speed;
    public final double followRange;
    /** The damage of a hit, before the difficulty scales it. */
    public final float attack;
    public final Family family;

    MobKind(int typeId, EntityType type, String savedId, double width, double height, float maxHealth, double speed,
            double followRange, float attack, Family family) {
        this.typeId = typeId;
        this.type = type;
        this.savedId = savedId;
        this.width = width;
        this.height = height;
        this.maxHealth = maxHealth;
        this.speed = speed;
        this.followRange = followRange;
        this.attack = attack;
        this.family = family;
    }

    public static MobKind of(EntityType type) {
        for (MobKind k : values()) {
            if (k.type == type) {
                return k;
            }
        }
        return null;
    }

    public static MobKind bySavedId(String id) {
        for (MobKind k : values()) {
            if (k.savedId.equals(id)) {
                return k;
            }
        }
        return null;
    }

    /**
     * A mob's damage to a player as the difficulty makes it: none in peaceful, half and one more
     * (at most the whole) in easy, the whole in normal, half as much again in hard.
     */
    public static float scaledForDifficulty(float damage, int difficulty) {
        switch (difficulty) {
            case 0: return 0f;
            case 1: return Math.min(damage / 2f + 1f, damage);
            case 3: return damage * 3f / 2f;
            default: return damage;
        }
    }

    /** The blocks of room the body needs standing. */
    public int room() {
        return (int) Math.ceil(height);
    }
}
