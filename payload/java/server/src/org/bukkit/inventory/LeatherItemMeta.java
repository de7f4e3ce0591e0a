package org.bukkit.inventory;

import java.util.LinkedHashMap;
import java.util.Map;

import org.bukkit.Color;
import org.bukkit.inventory.meta.LeatherArmorMeta;

/** Leather armour's colour, kept in the tag's display compound as "color" (RGB), as the game does. */
final class LeatherItemMeta extends StackMeta implements LeatherArmorMeta {
    /** The colour of undyed leather. */
    static final Color DEFAULT = Color.fromRGB(0xA06540);

    private Color color;

    public Color getColor() {
        return color == null ? DEFAULT : color;
    }

    public void setColor(Color c) {
        color = c;
    }

    @Override
    public LeatherItemMeta clone() {
        return (LeatherItemMeta) super.clone();
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && color == null;
    }

    @Override
    @SuppressWarnings("unchecked")
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        color = null;
        Object d = tag == null ? null : tag.get("display");
        if (d instanceof Map && ((Map<?, ?>) d).get("color") instanceof Number) {
            color = Color.fromRGB(((Number) ((Map<?, ?>) d).get("color")).intValue() & 0xFFFFFF);
            dropColourFromRest();
        }
    }

    /** The colour is this meta's now: the rest of the display compound, kept by the common part, drops it. */
    private void dropColourFromRest() {
        Object d = rest().get("display");
        if (d instanceof Map) {
            ((Map<?, ?>) d).remove("color");
            if (((Map<?, ?>) d).isEmpty()) {
                rest().remove("display");
            }
        }
    }

    @Override
    @SuppressWarnings("unchecked")
    void writeOwn(Map<String, Object> tag) {
        Map<String, Object> d = tag.get("display") instanceof Map ? (Map<String, Object>) tag.get("display")
                : new LinkedHashMap<String, Object>();
        d.remove("color");
        if (color != null) {
            d.put("color", color.asRGB());
        }
        if (d.isEmpty()) {
            tag.remove("display");
        } else {
            tag.put("display", d);
        }
    }

    @Override
    String metaType() {
        return "LEATHER_ARMOR";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (color != null) {
            out.put("color", color);
        }
    }

    @Override
    void deserializeOwn(Map<?, ?> map) {
        Object c = map.get("color");
        if (c instanceof Color) {
            color = (Color) c;
        }
    }
}
