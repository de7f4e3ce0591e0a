package net.cubeworks.world.game;

import net.cubeworks.world.game.player.OnlinePlayer;

/** What a player's doings cost his food bar; the game's hunger rules answer it. */
public interface Exertion {
    void brokeBlock(OnlinePlayer p);

    void hit(OnlinePlayer p);
}
