package org.bukkit.inventory;

import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.enchantments.Enchantment;
import org.bukkit.inventory.meta.EnchantmentStorageMeta;

/** An enchanted book's stored enchantments, the tag's "StoredEnchantments" list of {id, lvl}. */
final class StoredEnchantsMeta extends StackMeta implements EnchantmentStorageMeta {
    private LinkedHashMap<Integer, Integer> stored = new LinkedHashMap<Integer, Integer>();

    public boolean hasStoredEnchants() {
        return !stored.isEmpty();
    }

    public boolean hasStoredEnchant(Enchantment ench) {
        return stored.containsKey(ench.getId());
    }

    public int getStoredEnchantLevel(Enchantment ench) {
        Integer level = stored.get(ench.getId());
        return level == null ? 0 : level;
    }

    public Map<Enchantment, Integer> getStoredEnchants() {
        return enchantMap(stored);
    }

    public boolean addStoredEnchant(Enchantment ench, int level, boolean ignoreLevelRestriction) {
        return addTo(stored, ench, level, ignoreLevelRestriction);
    }

    public boolean removeStoredEnchant(Enchantment ench) {
        return stored.remove(ench.getId()) != null;
    }

    public boolean hasConflictingStoredEnchant(Enchantment ench) {
        return conflicts(stored, ench);
    }

    @Override
    public StoredEnchantsMeta clone() {
        StoredEnchantsMeta copy = (StoredEnchantsMeta) super.clone();
        copy.stored = new LinkedHashMap<Integer, Integer>(stored);
        return copy;
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && stored.isEmpty();
    }

    @Override
    List<String> ownKeys() {
        List<String> keys = super.ownKeys();
        keys.add("StoredEnchantments");
        return keys;
    }

    @Override
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        stored.clear();
        if (tag != null) {
            readEnchants(tag.get("StoredEnchantments"), stored);
        }
    }

    @Override
    void writeOwn(Map<String, Object> tag) {
        if (!stored.isEmpty()) {
            tag.put("StoredEnchantments", writeEnchants(stored));
        }
    }

    @Override
    String metaType() {
        return "ENCHANTED";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (!stored.isEmpty()) {
            out.put("stored-enchants", namedLevels(stored));
        }
    }

    @Override
    void deserializeOwn(Map<?, ?> map) {
        readNamedLevels(map.get("stored-enchants"), stored);
    }
}
