package org.bukkit;

/**
 * The statistics the game counts per player. Some count per block, item or entity kind: those
 * are read and changed with the kind given.
 */
public enum Statistic {
    DAMAGE_DEALT,
    DAMAGE_TAKEN,
    DEATHS,
    MOB_KILLS,
    PLAYER_KILLS,
    FISH_CAUGHT,
    ANIMALS_BRED,
    TREASURE_FISHED,
    JUNK_FISHED,
    LEAVE_GAME,
    JUMP,
    DROP,
    PLAY_ONE_TICK,
    WALK_ONE_CM,
    SWIM_ONE_CM,
    FALL_ONE_CM,
    CLIMB_ONE_CM,
    FLY_ONE_CM,
    DIVE_ONE_CM,
    MINECART_ONE_CM,
    BOAT_ONE_CM,
    PIG_ONE_CM,
    HORSE_ONE_CM,
    MINE_BLOCK(Type.BLOCK),
    USE_ITEM(Type.ITEM),
    BREAK_ITEM(Type.ITEM),
    CRAFT_ITEM(Type.ITEM),
    KILL_ENTITY(Type.ENTITY),
    ENTITY_KILLED_BY(Type.ENTITY);

    /** What a statistic counts per: nothing, an item, a block or an entity kind. */
    public enum Type {
        UNTYPED, ITEM, BLOCK, ENTITY
    }

    private final Type type;

    Statistic() {
        this(Type.UNTYPED);
    }

    Statistic(Type type) {
        this.type = type;
    }

    public Type getType() {
        return type;
    }

    /** Whether the statistic counts per kind (and so needs one given). */
    public boolean isSubstatistic() {
        return type != Type.UNTYPED;
    }

    /** Whether it counts per block kind. */
    public boolean isBlock() {
        return type == Type.BLOCK;
    }
}
