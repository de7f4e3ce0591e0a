package net.cubeworks.world.game.world;

/**
 * How much of the sky's light the night takes away, by the time of day as the game reckons it
 * (from the sun's angle): none by day, 11 at midnight, so that a block under open sky has 15 by
 * day and 4 at night.
 */
public final class Daylight {
    private Daylight() {
    }

    /** The sun's angle at the time of day, 0 to 1 (0 at noon, 0.5 at midnight). */
    public static float angle(long dayTime) {
        int t = (int) (dayTime % 24000L);
        float f = t / 24000.0f - 0.25f;
        if (f < 0) {
            f += 1;
        }
        if (f > 1) {
            f -= 1;
        }
        float g = f;
        f = 1.0f - (float) ((Math.cos(f * Math.PI) + 1.0) / 2.0);
        return g + (f - g) / 3.0f;
    }

    /** The sky light taken away at the time of day, 0 to 11. */
    public static int subtracted(long dayTime) {
        float f = 1.0f - ((float) Math.cos(angle(dayTime) * Math.PI * 2) * 2.0f + 0.5f);
        f = Math.max(0, Math.min(1, f));
        return (int) (f * 11.0f);
    }
}
