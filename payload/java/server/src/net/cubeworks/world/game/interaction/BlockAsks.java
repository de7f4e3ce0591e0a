package net.cubeworks.world.game.interaction;

import net.cubeworks.world.game.player.OnlinePlayer;

/** What the plugins are asked of a player's clicks on blocks; each answers false when one refused. */
public interface BlockAsks {
    /** A left click on the block's face (a dig's start). */
    boolean leftClick(OnlinePlayer p, int x, int y, int z, int face);

    /** A right click on the block's face, or in the air (face -1). */
    boolean rightClick(OnlinePlayer p, int x, int y, int z, int face);

    /** The player breaks the block. */
    boolean mayBreak(OnlinePlayer p, int x, int y, int z);

    /** The player puts a block at x, y, z against the clicked one; the block is in place while they are asked. */
    boolean place(OnlinePlayer p, int againstX, int againstY, int againstZ, int x, int y, int z, int id, int data);
}
