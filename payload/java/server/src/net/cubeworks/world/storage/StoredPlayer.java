package net.cubeworks.world.storage;

import java.util.ArrayList;
import java.util.List;

/** What the world keeps of a player between sessions. */
public final class StoredPlayer {
    /** Feet position. */
    public double x, y, z;
    public float yaw, pitch;
    /** 0 survival, 1 creative, 2 adventure. */
    public int gameMode;
    /** 0..20 */
    public float health;
    public int food;
    public float saturation;
    /** 0..8 */
    public int selectedSlot;
    public final List<StoredItem> inventory = new ArrayList<StoredItem>();
    /** The ender chest's 27 slots (Slot 0 to 26). */
    public final List<StoredItem> enderItems = new ArrayList<StoredItem>();
    /** Experience: the level, the progress to the next (0 to 1) and the total points. */
    public int xpLevel;
    public float xpProgress;
    public int xpTotal;
    /** The spawn point set for the player (bed or /spawnpoint), or null: the world's. */
    public int[] spawn;
    public boolean spawnForced;
    /** The rest of the player file, written back unchanged. */
    public Object kept;
}
