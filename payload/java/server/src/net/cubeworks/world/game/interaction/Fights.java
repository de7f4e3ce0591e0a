package net.cubeworks.world.game.interaction;

import net.cubeworks.world.game.player.OnlinePlayer;

/** A player's hit on another, judged by the game's rules of fights. */
public interface Fights {
    void hit(OnlinePlayer attacker, OnlinePlayer target);

    /** The damage a hit with the item does (a fist's for none or no weapon). */
    float weaponDamage(int item);
}
