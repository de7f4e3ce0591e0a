package net.cubeworks.world.game;

import net.cubeworks.world.game.interaction.BlockAsks;
import net.cubeworks.world.game.player.OnlinePlayer;

/** Answers the plugins' say on a player's clicks on blocks (BlockEvents) for his hands on the world. */
final class HandsLink implements BlockAsks {
    private final GameWorld world;

    HandsLink(GameWorld world) {
        this.world = world;
    }

    public boolean leftClick(OnlinePlayer p, int x, int y, int z, int face) {
        return world.blockEvents().leftClick(p, x, y, z, face);
    }

    public boolean rightClick(OnlinePlayer p, int x, int y, int z, int face) {
        return world.blockEvents().rightClick(p, x, y, z, face);
    }

    public boolean mayBreak(OnlinePlayer p, int x, int y, int z) {
        return world.blockEvents().mayBreak(p, x, y, z);
    }

    public boolean place(OnlinePlayer p, int againstX, int againstY, int againstZ, int x, int y, int z, int id,
            int data) {
        return world.blockEvents().place(p, againstX, againstY, againstZ, x, y, z, id, data);
    }
}
