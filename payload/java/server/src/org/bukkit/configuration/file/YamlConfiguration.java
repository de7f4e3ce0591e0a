package org.bukkit.configuration.file;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.IOException;
import java.io.InputStream;
import java.util.Map;
import java.util.logging.Level;

import org.bukkit.Bukkit;
import org.bukkit.configuration.Configuration;
import org.bukkit.configuration.ConfigurationSection;
import org.bukkit.configuration.InvalidConfigurationException;

import org.yaml.snakeyaml.DumperOptions;
import org.yaml.snakeyaml.Yaml;
import org.yaml.snakeyaml.error.YAMLException;
import org.yaml.snakeyaml.representer.Representer;

/**
 * A configuration in YAML, read and written with snakeyaml as plugins expect: block style,
 * the header as leading "# " comment lines, serializable objects as maps with a "==" entry.
 */
public class YamlConfiguration extends FileConfiguration {
    protected static final String COMMENT_PREFIX = "# ";
    protected static final String BLANK_CONFIG = "{}\n";

    private final DumperOptions yamlOptions = new DumperOptions();
    private final Representer yamlRepresenter = new YamlRepresenter();
    private final Yaml yaml = new Yaml(new YamlConstructor(), yamlRepresenter, yamlOptions);

    @Override
    public String saveToString() {
        yamlOptions.setIndent(options().indent());
        yamlOptions.setDefaultFlowStyle(DumperOptions.FlowStyle.BLOCK);
        yamlOptions.setAllowUnicode(true);
        yamlRepresenter.setDefaultFlowStyle(DumperOptions.FlowStyle.BLOCK);
        String header = buildHeader();
        String dump = yaml.dump(getValues(false));
        if (dump.equals(BLANK_CONFIG)) {
            dump = "";
        }
        return header + dump;
    }

    @Override
    public void loadFromString(String contents) throws InvalidConfigurationException {
        if (contents == null) {
            throw new IllegalArgumentException("Contents cannot be null");
        }
        Object root;
        try {
            root = yaml.load(contents);
        } catch (YAMLException ex) {
            throw new InvalidConfigurationException(ex);
        } catch (ClassCastException ex) {
            throw new InvalidConfigurationException("Top level is not a Map.");
        }
        if (root != null && !(root instanceof Map)) {
            throw new InvalidConfigurationException("Top level is not a Map.");
        }
        map.clear();
        String header = parseHeader(contents);
        if (header.length() > 0) {
            options().header(header);
        }
        if (root != null) {
            convertMapsToSections((Map<?, ?>) root, this);
        }
    }

    protected void convertMapsToSections(Map<?, ?> input, ConfigurationSection section) {
        for (Map.Entry<?, ?> entry : input.entrySet()) {
            String key = entry.getKey().toString();
            Object value = entry.getValue();
            if (value instanceof Map) {
                convertMapsToSections((Map<?, ?>) value, section.createSection(key));
            } else {
                section.set(key, value);
            }
        }
    }

    /** The leading comment lines of the text, without their "# ", up to the first other line. */
    protected String parseHeader(String input) {
        String[] lines = input.split("\r?\n", -1);
        StringBuilder result = new StringBuilder();
        boolean readingHeader = true;
        boolean foundHeader = false;
        for (int i = 0; i < lines.length && readingHeader; i++) {
            String line = lines[i];
            if (line.startsWith(COMMENT_PREFIX) || line.equals("#")) {
                if (i > 0) {
                    result.append("\n");
                }
                if (line.length() > COMMENT_PREFIX.length()) {
                    result.append(line.substring(COMMENT_PREFIX.length()));
                }
                foundHeader = true;
            } else if (foundHeader && line.length() == 0) {
                result.append("\n");
            } else if (foundHeader) {
                readingHeader = false;
            } else if (line.length() > 0) {
                readingHeader = false;
            }
        }
        String header = result.toString();
        while (header.endsWith("\n")) {
            header = header.substring(0, header.length() - 1);
        }
        return header;
    }

    /** The header as comment lines and a blank line; the defaults' header when this one has none. */
    protected String buildHeader() {
        String header = options().header();
        if (options().copyHeader()) {
            Configuration def = getDefaults();
            if (def instanceof FileConfiguration) {
                String defaultsHeader = ((FileConfiguration) def).options().header();
                if (defaultsHeader != null && defaultsHeader.length() > 0 && (header == null || header.length() == 0)) {
                    header = defaultsHeader;
                }
            }
        }
        if (header == null || header.length() == 0) {
            return "";
        }
        StringBuilder sb = new StringBuilder();
        for (String line : header.split("\r?\n", -1)) {
            sb.append(COMMENT_PREFIX).append(line).append('\n');
        }
        return sb.append('\n').toString();
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

    public static YamlConfiguration loadConfiguration(java.io.Reader reader) {
        YamlConfiguration config = new YamlConfiguration();
        try {
            config.load(reader);
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
