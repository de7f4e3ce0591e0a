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
    /** The rest of the player file, written back unchanged. */
    public Object kept;
}
