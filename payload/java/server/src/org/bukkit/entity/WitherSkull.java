package org.bukkit.entity;

public interface WitherSkull extends Fireball {
    boolean isCharged();
    void setCharged(boolean value);
}
