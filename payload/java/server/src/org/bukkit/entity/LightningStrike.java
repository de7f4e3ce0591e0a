package org.bukkit.entity;

public interface LightningStrike extends Weather {
    boolean isEffect();
}
