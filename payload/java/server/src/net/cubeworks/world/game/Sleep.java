package net.cubeworks.world.game;

/** A player's sleep: whether he lies in a bed, for how long, which bed, and how his spawn point was set. */
final class Sleep {
    /** The game counts a sleeper's ticks up to this: a night passes when every player has slept so long. */
    static final int DEEP = 100;

    volatile boolean sleeping;
    /** Ticks asleep, up to DEEP; DEEP again after getting up, 0 after being woken by force. */
    volatile int ticks;
    /** The head of the bed he lies in {x, y, z}, while sleeping. */
    int[] bed;
    /** His health when he lay down: a hurt wakes him. */
    float health;
    /** Whether his spawn point holds without a bed there (/spawnpoint, a plugin's forced one). */
    volatile boolean spawnForced;
    /** A plugin's: the night may pass without him. */
    volatile boolean ignored;
}
