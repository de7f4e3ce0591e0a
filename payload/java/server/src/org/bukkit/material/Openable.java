package org.bukkit.material;

/** A door, gate or hatch that opens. */
public interface Openable {
    boolean isOpen();

    void setOpen(boolean isOpen);
}
