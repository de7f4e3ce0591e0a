package net.cubeworks.world.game.world;

import net.cubeworks.world.net.Connection;
import net.cubeworks.world.util.LongSet;

/**
 * A player as the land sees him: the one its columns are streamed to, who holds some of them and
 * is told when part of the land in view cannot come.
 */
public interface Viewer {
    /** What the land cannot say of him to his client alone: once a session each. */
    enum Notice {
        /** Part of the land near him cannot be read now. */
        UNREADABLE,
        /** Part of the land near him waits for room in memory. */
        NO_ROOM
    }

    String getName();

    void sendMessage(String message);

    Connection connection();

    /** The columns his client has been sent; changed under the world lock. */
    LongSet known();

    /** The column he stands in. */
    int columnX();

    int columnZ();

    /** Whether he stands closer than range to the point: a sound or an effect there reaches him. */
    boolean within(double x, double y, double z, double range);

    /** A column in view was not sent: the land in view is asked for again now and then. */
    void withhold();

    /** True the first time in his session the notice is due: he is told then and never again. */
    boolean firstNotice(Notice notice);

    /** True when one of the viewers holds the column. */
    static boolean anySees(java.util.List<? extends Viewer> viewers, long column) {
        for (Viewer v : viewers) {
            if (v.known().contains(column)) {
                return true;
            }
        }
        return false;
    }
}
