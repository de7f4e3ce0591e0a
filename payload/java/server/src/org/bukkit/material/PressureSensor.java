package org.bukkit.material;

/** A block that notices what stands on it. */
public interface PressureSensor {
    boolean isPressed();
}
