package net.cubeworks.world.game.mob;

/**
 * The sky's light through the day: how far the sky light is darkened (0 at noon, 11 at
 * midnight; less when it rains and thunders), as the game turns the sun, and whether it is day.
 */
public final class Daylight {
    private Daylight() {
    }

    /** The sun's angle as a part of the turn: 0 at noon, 0.5 at midnight. */
    static double celestialAngle(long dayTime) {
        int j = (int) (dayTime % 24000L);
        double f = j / 24000.0 - 0.25;
        if (f < 0) {
            f += 1;
        }
        if (f > 1) {
            f -= 1;
        }
        double g = f;
        f = 1 - (Math.cos(f * Math.PI) + 1) / 2;
        return g + (f - g) / 3;
    }

    /** Levels taken from the sky light: 0 (noon) to 11 (midnight), more in rain and thunder. */
    public static int skyDarkening(long dayTime, boolean raining, boolean thundering) {
        double a = celestialAngle(dayTime);
        double f = 1 - (Math.cos(a * Math.PI * 2) * 2 + 0.5);
        f = Math.max(0, Math.min(1, f));
        f = 1 - f;
        if (raining) {
            f *= 1 - 5 / 16.0;
        }
        if (thundering) {
            f *= 1 - 5 / 16.0;
        }
        f = 1 - f;
        return (int) (f * 11);
    }

    public static boolean isDay(long dayTime, boolean raining, boolean thundering) {
        return skyDarkening(dayTime, raining, thundering) < 4;
    }

    /** The brightness of a light level as the game renders it: 0.05 dark to 1.0 full. */
    public static float brightness(int light) {
        float f = 1f - light / 15f;
        return (1f - f) / (f * 3f + 1f) * 0.95f + 0.05f;
    }
}
