package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.inventory.meta.ItemMeta;

/** The item meta this server keeps: a display name and lore, for every material. */
final class ItemNameAndLore implements ItemMeta {
    private String displayName;
    private List<String> lore;

    public boolean hasDisplayName() {
        return displayName != null && displayName.length() > 0;
    }

    public String getDisplayName() {
        return displayName;
    }

    public void setDisplayName(String name) {
        displayName = name;
    }

    public boolean hasLore() {
        return lore != null && !lore.isEmpty();
    }

    public List<String> getLore() {
        return lore == null ? null : new ArrayList<String>(lore);
    }

    public void setLore(List<String> lines) {
        lore = lines == null ? null : new ArrayList<String>(lines);
    }

    boolean isEmpty() {
        return !hasDisplayName() && !hasLore();
    }

    @Override
    public ItemNameAndLore clone() {
        ItemNameAndLore copy = new ItemNameAndLore();
        copy.displayName = displayName;
        copy.setLore(lore);
        return copy;
    }

    public Map<String, Object> serialize() {
        Map<String, Object> out = new LinkedHashMap<String, Object>();
        out.put("meta-type", "UNSPECIFIC");
        if (hasDisplayName()) {
            out.put("display-name", displayName);
        }
        if (hasLore()) {
            out.put("lore", new ArrayList<String>(lore));
        }
        return out;
    }

    @SuppressWarnings("unchecked")
    static ItemNameAndLore from(Map<?, ?> map) {
        ItemNameAndLore meta = new ItemNameAndLore();
        Object name = map.get("display-name");
        if (name != null) {
            meta.displayName = name.toString();
        }
        Object lore = map.get("lore");
        if (lore instanceof List) {
            List<String> lines = new ArrayList<String>();
            for (Object o : (List<Object>) lore) {
                lines.add(String.valueOf(o));
            }
            meta.lore = lines;
        }
        return meta;
    }

    @Override
    public boolean equals(Object o) {
        if (!(o instanceof ItemNameAndLore)) {
            return false;
        }
        ItemNameAndLore m = (ItemNameAndLore) o;
        return (hasDisplayName() ? displayName.equals(m.displayName) : !m.hasDisplayName())
                && (hasLore() ? lore.equals(m.lore) : !m.hasLore());
    }

    @Override
    public int hashCode() {
        return (hasDisplayName() ? displayName.hashCode() : 0) * 31 + (hasLore() ? lore.hashCode() : 0);
    }
}
