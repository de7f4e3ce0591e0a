package org.bukkit.inventory;

import java.util.List;
import java.util.Map;

import org.bukkit.inventory.meta.MapMeta;

/** A map's scaling flag, the tag's "map_is_scaling" byte. */
final class MapItemMeta extends StackMeta implements MapMeta {
    private boolean scaling;

    public boolean isScaling() {
        return scaling;
    }

    public void setScaling(boolean value) {
        scaling = value;
    }

    @Override
    public MapItemMeta clone() {
        return (MapItemMeta) super.clone();
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && !scaling;
    }

    @Override
    List<String> ownKeys() {
        List<String> keys = super.ownKeys();
        keys.add("map_is_scaling");
        return keys;
    }

    @Override
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        Object o = tag == null ? null : tag.get("map_is_scaling");
        scaling = o instanceof Number && ((Number) o).intValue() != 0;
    }

    @Override
    void writeOwn(Map<String, Object> tag) {
        if (scaling) {
            tag.put("map_is_scaling", (byte) 1);
        }
    }

    @Override
    String metaType() {
        return "MAP";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (scaling) {
            out.put("scaling", true);
        }
    }

    @Override
    void deserializeOwn(Map<?, ?> map) {
        scaling = Boolean.TRUE.equals(map.get("scaling"));
    }
}
