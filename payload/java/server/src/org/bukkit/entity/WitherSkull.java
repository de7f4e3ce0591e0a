package org.bukkit.entity;

/** A wither skull in the world. This server simulates players only, so no entity of this kind exists here. */
public interface WitherSkull extends Fireball {
    boolean isCharged();
    void setCharged(boolean charged);
}
