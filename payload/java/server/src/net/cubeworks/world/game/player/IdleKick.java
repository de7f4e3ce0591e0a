package net.cubeworks.world.game.player;

import java.util.List;

import net.cubeworks.world.protocol.PlayReads;

/**
 * The idle timeout (player-idle-timeout, /setidletimeout): a player who has done nothing for
 * that many minutes is kicked, as the game does. Doing something is any packet but the keep-alive,
 * the on-ground flag and a position or look that did not change (the client sends its position
 * now and then while standing still).
 */
public final class IdleKick {
    public static final String MESSAGE = "You have been idle for too long!";

    private IdleKick() {
    }

    /** Whether a packet of this id counts as doing something before it is looked at. */
    public static boolean alwaysActive(int id) {
        return id != PlayReads.KEEP_ALIVE && id != PlayReads.PLAYER && id != PlayReads.PLAYER_POSITION
                && id != PlayReads.PLAYER_LOOK && id != PlayReads.PLAYER_POSITION_AND_LOOK;
    }

    /** Whether a move packet's action counts: the player moved or looked elsewhere. */
    public static boolean isMove(int id) {
        return id == PlayReads.PLAYER_POSITION || id == PlayReads.PLAYER_LOOK || id == PlayReads.PLAYER_POSITION_AND_LOOK;
    }

    /** On the game thread, about once a second: kicks the players idle longer than the timeout of so many minutes. */
    public static void check(int minutes, Players list, List<OnlinePlayer> players) {
        if (minutes <= 0) {
            return;
        }
        long now = System.currentTimeMillis();
        for (OnlinePlayer p : players) {
            if (now - p.lastActive > minutes * 60000L) {
                list.kick(p, MESSAGE);
            }
        }
    }
}
