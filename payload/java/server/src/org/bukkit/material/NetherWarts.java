package org.bukkit.material;

import org.bukkit.Material;
import org.bukkit.NetherWartsState;

/** Nether wart and how far it has grown (data 0 to 3). */
public class NetherWarts extends MaterialData {
    public NetherWarts() {
        super(Material.NETHER_WARTS);
    }

    @Deprecated
    public NetherWarts(int type) {
        super(type);
    }

    public NetherWarts(Material type) {
        super(type);
    }

    @Deprecated
    public NetherWarts(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public NetherWarts(Material type, byte data) {
        super(type, data);
    }


    public NetherWarts(NetherWartsState state) {
        this();
        setState(state);
    }

    public NetherWartsState getState() {
        int d = getData() & 0x3;
        return NetherWartsState.values()[d];
    }

    public void setState(NetherWartsState state) {
        setData((byte) state.ordinal());
    }

    @Override
    public String toString() {
        return getState() + " " + super.toString();
    }

    @Override
    public NetherWarts clone() {
        return (NetherWarts) super.clone();
    }
}
