package org.bukkit.map;

import java.awt.Image;

public interface MapCanvas {
    void drawImage(int x, int y, Image image);
    void drawText(int x, int y, MapFont font, String text);
    byte getBasePixel(int x, int y);
    MapCursorCollection getCursors();
    MapView getMapView();
    byte getPixel(int x, int y);
    void setCursors(MapCursorCollection mapCursorCollection);
    void setPixel(int x, int y, byte color);
}
