package net.cubeworks.world.game.api;

/** The world's saving as plugins ask for it: a save now, and whether it saves every while. */
public interface WorldSaving {
    /** Copies what changed and writes it off the game thread, as the regular save does. */
    void save();

    boolean autoSave();

    void setAutoSave(boolean on);
}
