package net.cubeworks.world.game.player;

/**
 * The game's spam counter of one player: up by 20 for each chat line or command, down by one a
 * tick (50 ms); above 200 he is sending too fast. Counted under the world lock.
 */
public final class ChatSpam {
    static final int PER_MESSAGE = 20;
    static final int THRESHOLD = 200;

    private int count;
    private long lastTick;

    /** Counts one line sent at the time (milliseconds); true when he has now sent too many. */
    public boolean count(long nowMillis) {
        long tick = nowMillis / 50;
        count = (int) Math.max(0, count - Math.max(0, tick - lastTick));
        lastTick = tick;
        count += PER_MESSAGE;
        return count > THRESHOLD;
    }
}
