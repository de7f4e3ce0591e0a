package org.bukkit.inventory;

import java.util.List;
import java.util.Map;

import org.bukkit.inventory.meta.SkullMeta;

/**
 * A head's owner, kept in the tag's "SkullOwner": a name as the 1.7.2 game writes it; the
 * compound {Name, Id} of later 1.7 releases is read too.
 */
final class SkullItemMeta extends StackMeta implements SkullMeta {
    /** The longest player name. */
    static final int MAX_OWNER = 16;

    private String owner;

    public String getOwner() {
        return owner;
    }

    public boolean hasOwner() {
        return owner != null && owner.length() > 0;
    }

    public boolean setOwner(String name) {
        if (name != null && name.length() > MAX_OWNER) {
            return false;
        }
        owner = name;
        return true;
    }

    @Override
    public SkullItemMeta clone() {
        return (SkullItemMeta) super.clone();
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && !hasOwner();
    }

    @Override
    List<String> ownKeys() {
        List<String> keys = super.ownKeys();
        keys.add("SkullOwner");
        return keys;
    }

    @Override
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        Object o = tag == null ? null : tag.get("SkullOwner");
        if (o instanceof String) {
            owner = (String) o;
        } else if (o instanceof Map && ((Map<?, ?>) o).get("Name") instanceof String) {
            owner = (String) ((Map<?, ?>) o).get("Name");
        } else {
            owner = null;
        }
    }

    @Override
    void writeOwn(Map<String, Object> tag) {
        if (hasOwner()) {
            tag.put("SkullOwner", owner);
        }
    }

    @Override
    String metaType() {
        return "SKULL";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (hasOwner()) {
            out.put("skull-owner", owner);
        }
    }

    @Override
    void deserializeOwn(Map<?, ?> map) {
        Object o = map.get("skull-owner");
        if (o != null) {
            setOwner(o.toString());
        }
    }
}
