package net.cubeworks.world.game.player;

/**
 * What hurts a player: the amount comes off his health (after the plugins had their say), and
 * when none is left he dies with the message. The game's survival rules answer it.
 */
public interface Damage {
    void damage(OnlinePlayer p, float amount, String deathMessage);
}
