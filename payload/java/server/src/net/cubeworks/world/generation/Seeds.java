package net.cubeworks.world.generation;

/** Seeds for the random choices made at one place, mixed from the world seed and the place alone. */
final class Seeds {
    private Seeds() {
    }

    static long mix(long v) {
        v ^= v >>> 33;
        v *= 0xFF51AFD7ED558CCDL;
        v ^= v >>> 33;
        v *= 0xC4CEB9FE1A85EC53L;
        v ^= v >>> 33;
        return v;
    }

    static long of(long seed, int a, int b, int salt) {
        return mix(seed ^ mix(((long) a << 32 | (b & 0xFFFFFFFFL)) + salt * 0x9E3779B97F4A7C15L));
    }

    /** A number 0 .. bound-1 for one block, from the seed and place alone. */
    static int at(long seed, int x, int y, int z, int salt, int bound) {
        long h = mix(seed ^ mix(((long) x << 40) ^ ((long) y << 20) ^ (z & 0xFFFFFL) ^ ((long) z << 52) + salt));
        return (int) ((h >>> 1) % bound);
    }
}
