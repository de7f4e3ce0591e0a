package org.bukkit.entity;

/** An iron golem in the world. This server simulates players only, so no entity of this kind exists here. */
public interface IronGolem extends Golem {
    boolean isPlayerCreated();
    void setPlayerCreated(boolean playerCreated);
}
