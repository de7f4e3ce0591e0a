package org.bukkit.event.player;

/** The animations a player's client reports. */
public enum PlayerAnimationType {
    ARM_SWING
}
