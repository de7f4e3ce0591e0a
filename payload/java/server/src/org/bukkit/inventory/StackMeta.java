package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.enchantments.Enchantment;
import org.bukkit.inventory.meta.ItemMeta;
import org.bukkit.inventory.meta.Repairable;

/**
 * The meta every item may have, kept as the game keeps it in the item's tag: the display
 * compound's Name and Lore, the "ench" list of {id, lvl} and RepairCost. What the tag holds
 * besides is kept as read and written back unchanged. Kinds of item with more (books, heads,
 * enchanted books, ...) extend it.
 */
class StackMeta implements ItemMeta, Repairable {
    private String displayName;
    private List<String> lore;
    /** Enchantment id to level, in the order added. */
    private LinkedHashMap<Integer, Integer> enchants = new LinkedHashMap<Integer, Integer>();
    private Integer repairCost;
    /** The rest of the tag, as read. */
    private Map<String, Object> other = new LinkedHashMap<String, Object>();

    // --- name and lore ---

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

    // --- enchantments ---

    public boolean hasEnchants() {
        return !enchants.isEmpty();
    }

    public boolean hasEnchant(Enchantment ench) {
        return enchants.containsKey(ench.getId());
    }

    public int getEnchantLevel(Enchantment ench) {
        Integer level = enchants.get(ench.getId());
        return level == null ? 0 : level;
    }

    public Map<Enchantment, Integer> getEnchants() {
        return enchantMap(enchants);
    }

    public boolean addEnchant(Enchantment ench, int level, boolean ignoreLevelRestriction) {
        return addTo(enchants, ench, level, ignoreLevelRestriction);
    }

    public boolean removeEnchant(Enchantment ench) {
        return enchants.remove(ench.getId()) != null;
    }

    public boolean hasConflictingEnchant(Enchantment ench) {
        return conflicts(enchants, ench);
    }

    static Map<Enchantment, Integer> enchantMap(Map<Integer, Integer> byId) {
        Map<Enchantment, Integer> out = new LinkedHashMap<Enchantment, Integer>();
        for (Map.Entry<Integer, Integer> e : byId.entrySet()) {
            Enchantment ench = Enchantment.getById(e.getKey());
            if (ench != null) {
                out.put(ench, e.getValue());
            }
        }
        return Collections.unmodifiableMap(out);
    }

    static boolean addTo(Map<Integer, Integer> byId, Enchantment ench, int level, boolean ignoreLevelRestriction) {
        if (ench == null) {
            throw new IllegalArgumentException("Enchantment cannot be null");
        }
        if (!ignoreLevelRestriction && (level < ench.getStartLevel() || level > ench.getMaxLevel())) {
            return false;
        }
        Integer before = byId.put(ench.getId(), level);
        return before == null || before != level;
    }

    static boolean conflicts(Map<Integer, Integer> byId, Enchantment ench) {
        for (Integer id : byId.keySet()) {
            Enchantment have = Enchantment.getById(id);
            if (have != null && have.getId() != ench.getId() && have.conflictsWith(ench)) {
                return true;
            }
        }
        return false;
    }

    // --- repairing ---

    public boolean hasRepairCost() {
        return repairCost != null;
    }

    public int getRepairCost() {
        return repairCost == null ? 0 : repairCost;
    }

    public void setRepairCost(int cost) {
        repairCost = cost;
    }

    // --- the whole ---

    /** True when nothing is set, so the item needs no tag. */
    boolean isEmpty() {
        return !hasDisplayName() && !hasLore() && enchants.isEmpty() && repairCost == null && other.isEmpty();
    }

    @Override
    public StackMeta clone() {
        try {
            StackMeta copy = (StackMeta) super.clone();
            copy.setLore(lore);
            copy.enchants = new LinkedHashMap<Integer, Integer>(enchants);
            copy.other = ItemTag.copy(other);
            return copy;
        } catch (CloneNotSupportedException e) {
            throw new Error(e);
        }
    }

    /** The tag entries no part of the meta reads, kept to be written back. */
    Map<String, Object> rest() {
        return other;
    }

    /** Takes over what this kind of meta shares with another: name, lore, enchantments, repair cost. */
    void copyCommon(ItemMeta from) {
        setDisplayName(from.getDisplayName());
        setLore(from.getLore());
        enchants.clear();
        for (Map.Entry<Enchantment, Integer> e : from.getEnchants().entrySet()) {
            enchants.put(e.getKey().getId(), e.getValue());
        }
        if (from instanceof Repairable && ((Repairable) from).hasRepairCost()) {
            repairCost = ((Repairable) from).getRepairCost();
        }
        if (from instanceof StackMeta) {
            other = ItemTag.copy(((StackMeta) from).other);
            other.keySet().removeAll(ownKeys());
        }
    }

    /** The tag entries this kind of meta reads itself (and so keeps out of the rest). */
    List<String> ownKeys() {
        List<String> keys = new ArrayList<String>();
        keys.add("display");
        keys.add("ench");
        keys.add("RepairCost");
        return keys;
    }

    /** Reads the item's tag (null: none). */
    @SuppressWarnings("unchecked")
    void readTag(Map<String, Object> tag) {
        if (tag == null) {
            return;
        }
        other = ItemTag.copy(tag);
        Object display = other.remove("display");
        if (display instanceof Map) {
            Map<String, Object> d = new LinkedHashMap<String, Object>((Map<String, Object>) display);
            Object name = d.remove("Name");
            if (name instanceof String) {
                displayName = (String) name;
            }
            Object lines = d.remove("Lore");
            if (lines instanceof List) {
                lore = ItemTag.strings((List<Object>) lines);
            }
            if (!d.isEmpty()) {
                // a leather colour and anything else of the display compound stays where it was
                other.put("display", d);
            }
        }
        readEnchants(other.remove("ench"), enchants);
        Object cost = other.remove("RepairCost");
        if (cost instanceof Number) {
            repairCost = ((Number) cost).intValue();
        }
        for (String key : ownKeys()) {
            if (!key.equals("display")) {
                other.remove(key);
            }
        }
    }

    static void readEnchants(Object list, Map<Integer, Integer> into) {
        if (!(list instanceof List)) {
            return;
        }
        for (Object o : (List<?>) list) {
            if (o instanceof Map) {
                Object id = ((Map<?, ?>) o).get("id");
                Object lvl = ((Map<?, ?>) o).get("lvl");
                if (id instanceof Number && lvl instanceof Number) {
                    into.put(((Number) id).intValue(), ((Number) lvl).intValue());
                }
            }
        }
    }

    static List<Object> writeEnchants(Map<Integer, Integer> from) {
        List<Object> list = new ArrayList<Object>();
        for (Map.Entry<Integer, Integer> e : from.entrySet()) {
            Map<String, Object> one = new LinkedHashMap<String, Object>();
            one.put("id", (short) e.getKey().intValue());
            one.put("lvl", (short) e.getValue().intValue());
            list.add(one);
        }
        return list;
    }

    /** The item's tag as the game keeps it, or null when the meta holds nothing. */
    @SuppressWarnings("unchecked")
    Map<String, Object> writeTag() {
        Map<String, Object> tag = ItemTag.copy(other);
        if (hasDisplayName() || hasLore()) {
            Map<String, Object> d = tag.get("display") instanceof Map
                    ? (Map<String, Object>) tag.get("display") : new LinkedHashMap<String, Object>();
            if (hasDisplayName()) {
                d.put("Name", displayName);
            }
            if (hasLore()) {
                d.put("Lore", new ArrayList<Object>(lore));
            }
            tag.put("display", d);
        }
        if (!enchants.isEmpty()) {
            tag.put("ench", writeEnchants(enchants));
        }
        if (repairCost != null) {
            tag.put("RepairCost", repairCost);
        }
        writeOwn(tag);
        return tag.isEmpty() ? null : tag;
    }

    /** Puts what this kind of meta keeps beyond the common part into the tag. */
    void writeOwn(Map<String, Object> tag) {
    }

    /** The name Bukkit gives this kind of meta in a saved item ("meta-type"). */
    String metaType() {
        return "UNSPECIFIC";
    }

    public Map<String, Object> serialize() {
        Map<String, Object> out = new LinkedHashMap<String, Object>();
        out.put("meta-type", metaType());
        if (hasDisplayName()) {
            out.put("display-name", displayName);
        }
        if (hasLore()) {
            out.put("lore", new ArrayList<String>(lore));
        }
        if (!enchants.isEmpty()) {
            out.put("enchants", namedLevels(enchants));
        }
        if (repairCost != null) {
            out.put("repair-cost", repairCost);
        }
        serializeOwn(out);
        return out;
    }

    static Map<String, Object> namedLevels(Map<Integer, Integer> byId) {
        Map<String, Object> named = new LinkedHashMap<String, Object>();
        for (Map.Entry<Enchantment, Integer> e : enchantMap(byId).entrySet()) {
            named.put(e.getKey().getName(), e.getValue());
        }
        return named;
    }

    void serializeOwn(Map<String, Object> out) {
    }

    /** Reads a map written by serialize (a saved item of a plugin's configuration). */
    @SuppressWarnings("unchecked")
    void deserialize(Map<?, ?> map) {
        Object name = map.get("display-name");
        if (name != null) {
            displayName = name.toString();
        }
        Object lines = map.get("lore");
        if (lines instanceof List) {
            lore = ItemTag.strings((List<Object>) lines);
        }
        readNamedLevels(map.get("enchants"), enchants);
        Object cost = map.get("repair-cost");
        if (cost instanceof Number) {
            repairCost = ((Number) cost).intValue();
        }
        deserializeOwn(map);
    }

    static void readNamedLevels(Object named, Map<Integer, Integer> into) {
        if (named instanceof Map) {
            for (Map.Entry<?, ?> e : ((Map<?, ?>) named).entrySet()) {
                Enchantment ench = Enchantment.getByName(String.valueOf(e.getKey()));
                if (ench != null && e.getValue() instanceof Number) {
                    into.put(ench.getId(), ((Number) e.getValue()).intValue());
                }
            }
        }
    }

    void deserializeOwn(Map<?, ?> map) {
    }

    @Override
    public boolean equals(Object o) {
        if (!(o instanceof StackMeta) || o.getClass() != getClass()) {
            return false;
        }
        Map<String, Object> a = writeTag();
        Map<String, Object> b = ((StackMeta) o).writeTag();
        return a == null ? b == null : b != null && ItemTag.same(a, b);
    }

    @Override
    public int hashCode() {
        Map<String, Object> t = writeTag();
        return t == null ? 0 : ItemTag.hash(t);
    }

    @Override
    public String toString() {
        return metaType() + "_META:" + serialize();
    }
}
