package net.cubeworks.world.game.api;

import org.bukkit.scoreboard.Scoreboard;

/** The players who see a scoreboard: a change to a board goes to each whose board it is. */
public interface BoardAudience {
    /** Sends one framed packet to every player who now sees the board. */
    void sendToViewersOf(Scoreboard board, byte[] frame);
}
