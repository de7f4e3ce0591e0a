package net.cubeworks.world.game.player;

import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A player's experience by the game's rules: the level, how full the bar to the next is (0 to 1)
 * and the points gathered in all. Points fill the bar by the level's cap (17 a level below 16,
 * then 3 more each level, then 7 more from 30), and a full bar is a level; a death drops 7
 * points a level, at most 100. Changed on the game thread under the world lock.
 */
public final class Experience {
    public int level;
    public float progress;
    public int total;

    /** The points from one level to the next, as the game of 1.7 counts them. */
    public static int barCap(int level) {
        return level >= 30 ? 62 + (level - 30) * 7 : level >= 15 ? 17 + (level - 15) * 3 : 17;
    }

    /** Adds points as the game does: the bar fills, and each full bar is a level. */
    public void add(int amount) {
        int points = Math.max(0, Math.min(amount, Integer.MAX_VALUE - total));
        progress += (float) points / barCap(level);
        total += points;
        while (progress >= 1.0f) {
            progress = (progress - 1.0f) * barCap(level);
            level++;
            progress /= barCap(level);
        }
    }

    /** Adds levels (fewer when negative, down to none: then the bar and the total are empty too). */
    public void addLevels(int amount) {
        long to = (long) level + amount;
        if (to <= 0) {
            clear();
        } else {
            level = (int) Math.min(Integer.MAX_VALUE, to);
        }
    }

    public void setProgress(float value) {
        progress = Math.max(0f, Math.min(1f, value));
    }

    public void setLevel(int value) {
        level = Math.max(0, value);
    }

    public void setTotal(int value) {
        total = Math.max(0, value);
    }

    /** The points a death leaves on the ground: 7 a level, at most 100. */
    public int droppedOnDeath() {
        return Math.min(100, level * 7);
    }

    /** No level, an empty bar and no points: after a death, or levels taken below none. */
    public void clear() {
        level = 0;
        progress = 0f;
        total = 0;
    }

    /** Set Experience: what the client's bar and level show. */
    public PacketOut packet() {
        return PlayPackets.setExperience(progress, level, total);
    }
}
