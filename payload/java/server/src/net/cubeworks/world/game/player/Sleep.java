package net.cubeworks.world.game.player;

/** A player's sleep: whether he lies in a bed, for how long, which bed, and how his spawn point was set. */
public final class Sleep {
    /** The game counts a sleeper's ticks up to this: a night passes when every player has slept so long. */
    public static final int DEEP = 100;

    public volatile boolean sleeping;
    /** Ticks asleep, up to DEEP; DEEP again after getting up, 0 after being woken by force. */
    public volatile int ticks;
    /** The head of the bed he lies in {x, y, z}, while sleeping. */
    public int[] bed;
    /** His health when he lay down: a hurt wakes him. */
    public float health;
    /** Whether his spawn point holds without a bed there (/spawnpoint, a plugin's forced one). */
    public volatile boolean spawnForced;
    /** A plugin's: the night may pass without him. */
    public volatile boolean ignored;
}
