package net.cubeworks.world.protocol;

/** The game versions this server speaks: 1.7.2 (protocol 4) and 1.7.10 (protocol 5). */
public final class Versions {
    public static final String MINECRAFT_VERSION = "1.7.2";
    public static final int OLDEST_PROTOCOL = 4;
    public static final int NEWEST_PROTOCOL = 5;

    private Versions() {
    }
}
