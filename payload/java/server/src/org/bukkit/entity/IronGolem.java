package org.bukkit.entity;

public interface IronGolem extends Golem {
    boolean isPlayerCreated();
    void setPlayerCreated(boolean value);
}
