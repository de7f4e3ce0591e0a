package org.bukkit.configuration;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * A section kept in memory. Values read from a file may be text; the typed getters
 * convert text such as "5" or "true" the way the value would have been read as YAML.
 */
public class MemorySection implements ConfigurationSection {
    protected final Map<String, Object> map = new LinkedHashMap<String, Object>();
    private final Configuration root;
    private final ConfigurationSection parent;
    private final String path;
    private final String fullPath;

    /** The root section: only a Configuration may call this. */
    protected MemorySection() {
        if (!(this instanceof Configuration)) {
            throw new IllegalStateException("Cannot construct a root MemorySection when not a Configuration");
        }
        this.path = "";
        this.fullPath = "";
        this.parent = null;
        this.root = (Configuration) this;
    }

    protected MemorySection(ConfigurationSection parent, String path) {
        this.path = path;
        this.parent = parent;
        this.root = parent.getRoot();
        this.fullPath = createPath(parent, path);
    }

    public static String createPath(ConfigurationSection section, String key) {
        String parentPath = section.getCurrentPath();
        if (parentPath == null || parentPath.length() == 0) {
            return key;
        }
        return key == null || key.length() == 0 ? parentPath : parentPath + separatorOf(section) + key;
    }

    /** The character between a path's parts: the root's option, '.' unless a plugin chose another. */
    private static char separatorOf(ConfigurationSection section) {
        Configuration r = section.getRoot();
        ConfigurationOptions o = r == null ? null : r.options();
        return o == null ? '.' : o.pathSeparator();
    }

    private String[] split(String path) {
        return path.split(java.util.regex.Pattern.quote(String.valueOf(separatorOf(this))), -1);
    }

    public Set<String> getKeys(boolean deep) {
        Set<String> result = new LinkedHashSet<String>();
        collectKeys(this, result, deep, "", separatorOf(this));
        Configuration r = getRoot();
        if (r != null && r.options().copyDefaults()) {
            ConfigurationSection defaults = getDefaultSection();
            if (defaults != null) {
                result.addAll(defaults.getKeys(deep));
            }
        }
        return result;
    }

    private static void collectKeys(MemorySection section, Set<String> out, boolean deep, String prefix, char sep) {
        for (Map.Entry<String, Object> e : section.map.entrySet()) {
            out.add(prefix + e.getKey());
            if (deep && e.getValue() instanceof MemorySection) {
                collectKeys((MemorySection) e.getValue(), out, true, prefix + e.getKey() + sep, sep);
            }
        }
    }

    public Map<String, Object> getValues(boolean deep) {
        Map<String, Object> result = new LinkedHashMap<String, Object>();
        for (String key : getKeys(deep)) {
            result.put(key, get(key));
        }
        return result;
    }

    public boolean contains(String path) {
        return get(path) != null;
    }

    public boolean isSet(String path) {
        return get(path, null) != null;
    }

    public String getCurrentPath() {
        return fullPath;
    }

    public String getName() {
        return path;
    }

    public Configuration getRoot() {
        return root;
    }

    public ConfigurationSection getParent() {
        return parent;
    }

    public ConfigurationSection getDefaultSection() {
        Configuration r = getRoot();
        Configuration defaults = r == null ? null : r.getDefaults();
        if (defaults != null && defaults.isConfigurationSection(getCurrentPath())) {
            return defaults.getConfigurationSection(getCurrentPath());
        }
        return null;
    }

    public void addDefault(String path, Object value) {
        getRoot().addDefault(createPath(this, path), value);
    }

    public Object get(String path) {
        Object def = null;
        Configuration r = getRoot();
        if (r != null && r.getDefaults() != null) {
            def = r.getDefaults().get(createPath(this, path));
        }
        return get(path, def);
    }

    public Object get(String path, Object def) {
        if (path == null) {
            throw new IllegalArgumentException("Path cannot be null");
        }
        if (path.length() == 0) {
            return this;
        }
        MemorySection section = this;
        String[] parts = split(path);
        for (int i = 0; i < parts.length - 1; i++) {
            Object child = section.map.get(parts[i]);
            if (!(child instanceof MemorySection)) {
                return def;
            }
            section = (MemorySection) child;
        }
        Object value = section.map.get(parts[parts.length - 1]);
        return value == null ? def : value;
    }

    public void set(String path, Object value) {
        if (path == null || path.length() == 0) {
            throw new IllegalArgumentException("Cannot set to an empty path");
        }
        MemorySection section = this;
        String[] parts = split(path);
        for (int i = 0; i < parts.length - 1; i++) {
            Object child = section.map.get(parts[i]);
            if (!(child instanceof MemorySection)) {
                if (value == null) {
                    return;
                }
                child = section.createSection(parts[i]);
            }
            section = (MemorySection) child;
        }
        String key = parts[parts.length - 1];
        if (value == null) {
            section.map.remove(key);
        } else if (value instanceof Map) {
            section.createSection(key, (Map<?, ?>) value);
        } else {
            section.map.put(key, value);
        }
    }

    public ConfigurationSection createSection(String path) {
        int dot = path.lastIndexOf(separatorOf(this));
        if (dot >= 0) {
            ConfigurationSection parentSection = getConfigurationSection(path.substring(0, dot));
            if (parentSection == null) {
                parentSection = createSection(path.substring(0, dot));
            }
            return parentSection.createSection(path.substring(dot + 1));
        }
        MemorySection child = new MemorySection(this, path);
        map.put(path, child);
        return child;
    }

    public ConfigurationSection createSection(String path, Map<?, ?> values) {
        ConfigurationSection section = createSection(path);
        for (Map.Entry<?, ?> e : values.entrySet()) {
            if (e.getValue() instanceof Map) {
                section.createSection(String.valueOf(e.getKey()), (Map<?, ?>) e.getValue());
            } else {
                section.set(String.valueOf(e.getKey()), e.getValue());
            }
        }
        return section;
    }

    public String getString(String path) {
        Object def = getDefault(path);
        return getString(path, def != null ? def.toString() : null);
    }

    public String getString(String path, String def) {
        Object val = get(path, def);
        return val != null && !(val instanceof ConfigurationSection) && !(val instanceof List) ? val.toString() : def;
    }

    public boolean isString(String path) {
        return get(path) instanceof String;
    }

    private static Long asLong(Object v) {
        if (v instanceof Number) {
            return ((Number) v).longValue();
        }
        if (v instanceof String) {
            try {
                return Long.parseLong(((String) v).trim());
            } catch (NumberFormatException ex) {
                return null;
            }
        }
        return null;
    }

    private static Double asDouble(Object v) {
        if (v instanceof Number) {
            return ((Number) v).doubleValue();
        }
        if (v instanceof String) {
            try {
                return Double.parseDouble(((String) v).trim());
            } catch (NumberFormatException ex) {
                return null;
            }
        }
        return null;
    }

    private static Boolean asBoolean(Object v) {
        if (v instanceof Boolean) {
            return (Boolean) v;
        }
        if (v instanceof String) {
            String s = ((String) v).trim().toLowerCase();
            if (s.equals("true") || s.equals("yes") || s.equals("on")) {
                return Boolean.TRUE;
            }
            if (s.equals("false") || s.equals("no") || s.equals("off")) {
                return Boolean.FALSE;
            }
        }
        return null;
    }

    protected Object getDefault(String path) {
        Configuration r = getRoot();
        Configuration defaults = r == null ? null : r.getDefaults();
        return defaults == null ? null : defaults.get(createPath(this, path));
    }

    public int getInt(String path) {
        Long def = asLong(getDefault(path));
        return getInt(path, def == null ? 0 : def.intValue());
    }

    public int getInt(String path, int def) {
        Long v = asLong(get(path, def));
        return v == null ? def : v.intValue();
    }

    public boolean isInt(String path) {
        Long v = asLong(get(path));
        return v != null && v >= Integer.MIN_VALUE && v <= Integer.MAX_VALUE;
    }

    public boolean getBoolean(String path) {
        Boolean def = asBoolean(getDefault(path));
        return getBoolean(path, def != null && def);
    }

    public boolean getBoolean(String path, boolean def) {
        Boolean v = asBoolean(get(path, def));
        return v == null ? def : v;
    }

    public boolean isBoolean(String path) {
        return asBoolean(get(path)) != null;
    }

    public double getDouble(String path) {
        Double def = asDouble(getDefault(path));
        return getDouble(path, def == null ? 0 : def);
    }

    public double getDouble(String path, double def) {
        Double v = asDouble(get(path, def));
        return v == null ? def : v;
    }

    public boolean isDouble(String path) {
        return asDouble(get(path)) != null;
    }

    public long getLong(String path) {
        Long def = asLong(getDefault(path));
        return getLong(path, def == null ? 0 : def);
    }

    public long getLong(String path, long def) {
        Long v = asLong(get(path, def));
        return v == null ? def : v;
    }

    public boolean isLong(String path) {
        return asLong(get(path)) != null;
    }

    public List<?> getList(String path) {
        Object def = getDefault(path);
        return getList(path, def instanceof List ? (List<?>) def : null);
    }

    public List<?> getList(String path, List<?> def) {
        Object val = get(path, def);
        return val instanceof List ? (List<?>) val : def;
    }

    public boolean isList(String path) {
        return get(path) instanceof List;
    }

    public List<String> getStringList(String path) {
        List<?> list = getList(path);
        List<String> result = new ArrayList<String>();
        if (list != null) {
            for (Object o : list) {
                if (o != null && !(o instanceof List) && !(o instanceof Map)) {
                    result.add(o.toString());
                }
            }
        }
        return result;
    }

    public List<Integer> getIntegerList(String path) {
        List<?> list = getList(path);
        List<Integer> result = new ArrayList<Integer>();
        if (list != null) {
            for (Object o : list) {
                Long v = asLong(o);
                if (v != null) {
                    result.add(v.intValue());
                }
            }
        }
        return result;
    }

    public ConfigurationSection getConfigurationSection(String path) {
        Object val = get(path, null);
        if (val != null) {
            return val instanceof ConfigurationSection ? (ConfigurationSection) val : null;
        }
        Object def = get(path);
        return def instanceof ConfigurationSection ? createSection(path) : null;
    }

    public boolean isConfigurationSection(String path) {
        return get(path) instanceof ConfigurationSection;
    }

    @Override
    public String toString() {
        return getClass().getSimpleName() + "[path='" + getCurrentPath() + "']";
    }

    // --- lists of each kind: what in the list reads as the kind, the rest left out ---

    private List<?> listOrEmpty(String path) {
        List<?> list = getList(path);
        return list == null ? new ArrayList<Object>() : list;
    }

    public List<Boolean> getBooleanList(String path) {
        List<Boolean> out = new ArrayList<Boolean>();
        for (Object o : listOrEmpty(path)) {
            Boolean b = asBoolean(o);
            if (b != null) {
                out.add(b);
            }
        }
        return out;
    }

    public List<Double> getDoubleList(String path) {
        List<Double> out = new ArrayList<Double>();
        for (Object o : listOrEmpty(path)) {
            Double d = o instanceof Character ? Double.valueOf((Character) o) : asDouble(o);
            if (d != null) {
                out.add(d);
            }
        }
        return out;
    }

    public List<Float> getFloatList(String path) {
        List<Float> out = new ArrayList<Float>();
        for (Double d : getDoubleList(path)) {
            out.add(d.floatValue());
        }
        return out;
    }

    public List<Long> getLongList(String path) {
        List<Long> out = new ArrayList<Long>();
        for (Object o : listOrEmpty(path)) {
            Long v = o instanceof Character ? Long.valueOf((Character) o) : asLong(o);
            if (v != null) {
                out.add(v);
            }
        }
        return out;
    }

    public List<Byte> getByteList(String path) {
        List<Byte> out = new ArrayList<Byte>();
        for (Long v : getLongList(path)) {
            out.add(v.byteValue());
        }
        return out;
    }

    public List<Short> getShortList(String path) {
        List<Short> out = new ArrayList<Short>();
        for (Long v : getLongList(path)) {
            out.add(v.shortValue());
        }
        return out;
    }

    /** Characters, and one-character strings and numbers as the character of that code. */
    public List<Character> getCharacterList(String path) {
        List<Character> out = new ArrayList<Character>();
        for (Object o : listOrEmpty(path)) {
            if (o instanceof Character) {
                out.add((Character) o);
            } else if (o instanceof String && ((String) o).length() == 1) {
                out.add(((String) o).charAt(0));
            } else if (o instanceof Number) {
                out.add((char) ((Number) o).intValue());
            }
        }
        return out;
    }

    public List<Map<?, ?>> getMapList(String path) {
        List<Map<?, ?>> out = new ArrayList<Map<?, ?>>();
        for (Object o : listOrEmpty(path)) {
            if (o instanceof Map) {
                out.add((Map<?, ?>) o);
            }
        }
        return out;
    }

    // --- the API's own values, as a configuration reads them back ---

    public org.bukkit.util.Vector getVector(String path) {
        Object def = getDefault(path);
        return getVector(path, def instanceof org.bukkit.util.Vector ? (org.bukkit.util.Vector) def : null);
    }

    public org.bukkit.util.Vector getVector(String path, org.bukkit.util.Vector def) {
        Object val = get(path, def);
        return val instanceof org.bukkit.util.Vector ? (org.bukkit.util.Vector) val : def;
    }

    public boolean isVector(String path) {
        return get(path) instanceof org.bukkit.util.Vector;
    }

    public org.bukkit.OfflinePlayer getOfflinePlayer(String path) {
        Object def = getDefault(path);
        return getOfflinePlayer(path, def instanceof org.bukkit.OfflinePlayer ? (org.bukkit.OfflinePlayer) def : null);
    }

    public org.bukkit.OfflinePlayer getOfflinePlayer(String path, org.bukkit.OfflinePlayer def) {
        Object val = get(path, def);
        return val instanceof org.bukkit.OfflinePlayer ? (org.bukkit.OfflinePlayer) val : def;
    }

    public boolean isOfflinePlayer(String path) {
        return get(path) instanceof org.bukkit.OfflinePlayer;
    }

    public org.bukkit.inventory.ItemStack getItemStack(String path) {
        Object def = getDefault(path);
        return getItemStack(path, def instanceof org.bukkit.inventory.ItemStack ? (org.bukkit.inventory.ItemStack) def : null);
    }

    public org.bukkit.inventory.ItemStack getItemStack(String path, org.bukkit.inventory.ItemStack def) {
        Object val = get(path, def);
        return val instanceof org.bukkit.inventory.ItemStack ? (org.bukkit.inventory.ItemStack) val : def;
    }

    public boolean isItemStack(String path) {
        return get(path) instanceof org.bukkit.inventory.ItemStack;
    }

    public org.bukkit.Color getColor(String path) {
        Object def = getDefault(path);
        return getColor(path, def instanceof org.bukkit.Color ? (org.bukkit.Color) def : null);
    }

    public org.bukkit.Color getColor(String path, org.bukkit.Color def) {
        Object val = get(path, def);
        return val instanceof org.bukkit.Color ? (org.bukkit.Color) val : def;
    }

    public boolean isColor(String path) {
        return get(path) instanceof org.bukkit.Color;
    }
}
