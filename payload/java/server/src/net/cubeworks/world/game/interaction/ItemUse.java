package net.cubeworks.world.game.interaction;

import net.cubeworks.world.game.player.OnlinePlayer;

/** The item in hand held in use: food eaten, a bow drawn; the game's eating rules answer it. */
public interface ItemUse {
    /** A right click in the air with the item in hand. */
    void use(OnlinePlayer p);

    /** The client let go of the item it was using. */
    void release(OnlinePlayer p);
}
