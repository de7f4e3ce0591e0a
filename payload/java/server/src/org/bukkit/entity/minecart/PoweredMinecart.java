package org.bukkit.entity.minecart;

import org.bukkit.entity.Minecart;

public interface PoweredMinecart extends Minecart {
}
