package org.bukkit.entity;

public interface MushroomCow extends Cow {
}
