package org.bukkit.configuration.file;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.IOException;
import java.io.InputStream;
import java.util.List;
import java.util.Map;
import java.util.logging.Level;

import org.bukkit.Bukkit;
import org.bukkit.configuration.ConfigurationSection;
import org.bukkit.configuration.InvalidConfigurationException;

import net.cubeworks.world.util.MiniYaml;

/** A configuration in YAML: block maps and lists, scalars kept as text until read typed. */
public class YamlConfiguration extends FileConfiguration {
    @Override
    public String saveToString() {
        StringBuilder sb = new StringBuilder();
        String header = options().header();
        if (header != null) {
            for (String line : header.split("\n", -1)) {
                sb.append("# ").append(line).append('\n');
            }
            sb.append('\n');
        }
        Map<String, Object> values = getValues(false);
        if (values.isEmpty()) {
            return sb.toString();
        }
        writeMap(sb, values, 0, options().indent());
        return sb.toString();
    }

    private static void indent(StringBuilder sb, int n) {
        for (int i = 0; i < n; i++) {
            sb.append(' ');
        }
    }

    private static void writeMap(StringBuilder sb, Map<String, Object> map, int level, int step) {
        for (Map.Entry<String, Object> e : map.entrySet()) {
            indent(sb, level);
            sb.append(scalar(e.getKey())).append(':');
            writeValue(sb, e.getValue(), level, step);
        }
    }

    private static void writeValue(StringBuilder sb, Object value, int level, int step) {
        if (value instanceof ConfigurationSection) {
            value = ((ConfigurationSection) value).getValues(false);
        }
        if (value instanceof Map) {
            @SuppressWarnings("unchecked")
            Map<String, Object> m = (Map<String, Object>) value;
            if (m.isEmpty()) {
                sb.append(" {}\n");
            } else {
                sb.append('\n');
                writeMap(sb, m, level + step, step);
            }
        } else if (value instanceof List) {
            List<?> list = (List<?>) value;
            if (list.isEmpty()) {
                sb.append(" []\n");
                return;
            }
            sb.append('\n');
            for (Object item : list) {
                indent(sb, level);
                sb.append("- ").append(scalar(item)).append('\n');
            }
        } else {
            sb.append(' ').append(scalar(value)).append('\n');
        }
    }

    /** The value as a plain or quoted YAML scalar. */
    static String scalar(Object value) {
        if (value == null) {
            return "null";
        }
        if (value instanceof Number || value instanceof Boolean) {
            return value.toString();
        }
        String s = value.toString();
        boolean control = false;
        for (int i = 0; i < s.length(); i++) {
            if (s.charAt(i) < ' ') {
                control = true;
            }
        }
        if (control) {
            StringBuilder q = new StringBuilder("\"");
            for (int i = 0; i < s.length(); i++) {
                char c = s.charAt(i);
                if (c == '"' || c == '\\') {
                    q.append('\\').append(c);
                } else if (c == '\n') {
                    q.append("\\n");
                } else if (c == '\t') {
                    q.append("\\t");
                } else if (c == '\r') {
                    q.append("\\r");
                } else if (c < ' ') {
                    q.append(String.format("\\u%04x", (int) c));
                } else {
                    q.append(c);
                }
            }
            return q.append('"').toString();
        }
        boolean plain = s.length() > 0 && !s.equals("~") && !s.equalsIgnoreCase("null")
                && s.trim().equals(s) && "-?:,[]{}#&*!|>'\"%@`".indexOf(s.charAt(0)) < 0
                && !s.contains(": ") && !s.contains(" #") && !s.endsWith(":");
        return plain ? s : "'" + s.replace("'", "''") + "'";
    }

    @Override
    public void loadFromString(String contents) throws InvalidConfigurationException {
        Object root;
        try {
            root = MiniYaml.parse(contents);
        } catch (MiniYaml.YamlException ex) {
            throw new InvalidConfigurationException(ex.getMessage(), ex);
        }
        map.clear();
        if (root == null) {
            return;
        }
        if (!(root instanceof Map)) {
            throw new InvalidConfigurationException("Top level is not a Map.");
        }
        for (Map.Entry<?, ?> e : ((Map<?, ?>) root).entrySet()) {
            String key = String.valueOf(e.getKey());
            if (e.getValue() instanceof Map) {
                createSection(key, (Map<?, ?>) e.getValue());
            } else if (e.getValue() != null) {
                map.put(key, e.getValue());
            }
        }
    }

    @Override
    public YamlConfigurationOptions options() {
        if (options == null) {
            options = new YamlConfigurationOptions(this);
        }
        return (YamlConfigurationOptions) options;
    }

    /** The file's configuration; an unreadable file is logged and gives an empty one. */
    public static YamlConfiguration loadConfiguration(File file) {
        YamlConfiguration config = new YamlConfiguration();
        try {
            config.load(file);
        } catch (FileNotFoundException ex) {
            // a missing file is an empty configuration
        } catch (IOException ex) {
            log("Cannot load " + file, ex);
        } catch (InvalidConfigurationException ex) {
            log("Cannot load " + file, ex);
        }
        return config;
    }

    public static YamlConfiguration loadConfiguration(InputStream stream) {
        YamlConfiguration config = new YamlConfiguration();
        try {
            config.load(stream);
        } catch (IOException ex) {
            log("Cannot load configuration from stream", ex);
        } catch (InvalidConfigurationException ex) {
            log("Cannot load configuration from stream", ex);
        }
        return config;
    }

    private static void log(String message, Throwable ex) {
        if (Bukkit.getServer() != null) {
            Bukkit.getLogger().log(Level.SEVERE, message, ex);
        }
    }
}
