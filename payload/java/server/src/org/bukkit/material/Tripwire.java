package org.bukkit.material;

import org.bukkit.Material;

/** A tripwire: activated (0x4), and something on it (0x1). */
public class Tripwire extends MaterialData {
    public Tripwire() {
        super(Material.TRIPWIRE);
    }

    @Deprecated
    public Tripwire(int type) {
        super(type);
    }

    @Deprecated
    public Tripwire(int type, byte data) {
        super(type, data);
    }


    public boolean isActivated() {
        return (getData() & 0x4) != 0;
    }

    public void setActivated(boolean act) {
        setData((byte) (act ? getData() | 0x4 : getData() & ~0x4));
    }

    public boolean isObjectTriggering() {
        return (getData() & 0x1) != 0;
    }

    public void setObjectTriggering(boolean trig) {
        setData((byte) (trig ? getData() | 0x1 : getData() & ~0x1));
    }

    @Override
    public String toString() {
        return super.toString() + (isActivated() ? " Activated" : "") + (isObjectTriggering() ? " Triggered" : "");
    }

    @Override
    public Tripwire clone() {
        return (Tripwire) super.clone();
    }
}
