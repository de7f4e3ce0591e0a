package org.bukkit.map;

import java.util.List;
import org.bukkit.World;

public interface MapView {
    void addRenderer(MapRenderer mapRenderer);
    int getCenterX();
    int getCenterZ();
    @Deprecated
    short getId();
    List<MapRenderer> getRenderers();
    MapView.Scale getScale();
    World getWorld();
    boolean isVirtual();
    boolean removeRenderer(MapRenderer mapRenderer);
    void setCenterX(int x);
    void setCenterZ(int z);
    void setScale(MapView.Scale scale);
    void setWorld(World world);

    /** How many blocks one map pixel covers: 1, 2, 4, 8 or 16. */
    enum Scale {
        CLOSEST(0), CLOSE(1), NORMAL(2), FAR(3), FARTHEST(4);

        private final byte value;

        Scale(int value) {
            this.value = (byte) value;
        }

        /** The scale of that number (0 to 4), or null. */
        @Deprecated
        public static Scale valueOf(byte value) {
            return value >= 0 && value < values().length ? values()[value] : null;
        }

        @Deprecated
        public byte getValue() {
            return value;
        }
    }
}
