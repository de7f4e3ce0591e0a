package org.bukkit;

/** The turn of an item in an item frame, in quarter turns. */
public enum Rotation {
    NONE, CLOCKWISE, FLIPPED, COUNTER_CLOCKWISE;

    /** The rotation a quarter turn clockwise from this one. */
    public Rotation rotateClockwise() {
        return values()[(ordinal() + 1) & 3];
    }

    /** The rotation a quarter turn counter-clockwise from this one. */
    public Rotation rotateCounterClockwise() {
        return values()[(ordinal() + 3) & 3];
    }
}
