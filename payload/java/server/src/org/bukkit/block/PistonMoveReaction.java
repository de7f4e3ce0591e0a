package org.bukkit.block;

/** What a block does when a piston pushes it: moves along, breaks, or stops the piston. */
public enum PistonMoveReaction {
    MOVE(0),
    BREAK(1),
    BLOCK(2);

    private final int id;

    PistonMoveReaction(int id) {
        this.id = id;
    }

    @Deprecated
    public int getId() {
        return id;
    }

    @Deprecated
    public static PistonMoveReaction getById(int id) {
        for (PistonMoveReaction r : values()) {
            if (r.id == id) {
                return r;
            }
        }
        return null;
    }
}
