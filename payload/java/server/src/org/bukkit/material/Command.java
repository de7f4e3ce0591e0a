package org.bukkit.material;

import org.bukkit.Material;

/** A command block, powered in bit 0x1. */
public class Command extends MaterialData implements Redstone {
    public Command() {
        super(Material.COMMAND);
    }

    @Deprecated
    public Command(int type) {
        super(type);
    }

    public Command(Material type) {
        super(type);
    }

    @Deprecated
    public Command(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Command(Material type, byte data) {
        super(type, data);
    }


    public boolean isPowered() {
        return (getData() & 1) != 0;
    }

    public void setPowered(boolean bool) {
        setData((byte) (bool ? getData() | 1 : getData() & ~1));
    }

    @Override
    public String toString() {
        return super.toString() + " " + (isPowered() ? "" : "NOT ") + "POWERED";
    }

    @Override
    public Command clone() {
        return (Command) super.clone();
    }
}
