package net.cubeworks.world.game;

import net.cubeworks.world.game.interaction.BlockAsks;
import net.cubeworks.world.game.interaction.Fights;
import net.cubeworks.world.game.player.Combat;
import net.cubeworks.world.game.player.OnlinePlayer;

/**
 * Answers what a player's hands on the world ask of the rules above them: the plugins' say on his
 * clicks on blocks (BlockEvents) and his hits on other players (Combat).
 */
final class HandsLink implements BlockAsks, Fights {
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

    public void hit(OnlinePlayer attacker, OnlinePlayer target) {
        world.combat().hit(attacker, target);
    }

    public float weaponDamage(int item) {
        return Combat.weaponDamage(item);
    }
}
