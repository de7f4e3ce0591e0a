package org.bukkit.plugin;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.Reader;
import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissionDefault;
import org.yaml.snakeyaml.Yaml;
import org.yaml.snakeyaml.constructor.SafeConstructor;
import org.yaml.snakeyaml.error.YAMLException;

/**
 * The contents of a plugin's plugin.yml (any valid YAML): name, main class, version, authors,
 * the plugins it needs or comes before, the commands and permissions it declares.
 */
public final class PluginDescriptionFile {
    private String name;
    private String main;
    private String version;
    private String description;
    private String website;
    private String prefix;
    private List<String> authors = new ArrayList<String>();
    private List<String> depend = new ArrayList<String>();
    private List<String> softDepend = new ArrayList<String>();
    private List<String> loadBefore = new ArrayList<String>();
    private PluginLoadOrder order = PluginLoadOrder.POSTWORLD;
    private PermissionDefault defaultPerm = PermissionDefault.OP;
    private Map<?, ?> lazyPermissions = null;
    private List<Permission> permissions = null;
    private Map<String, Map<String, Object>> commands = new LinkedHashMap<String, Map<String, Object>>();
    private java.util.Set<PluginAwareness> awareness = new java.util.LinkedHashSet<PluginAwareness>();

    public PluginDescriptionFile(final InputStream stream) throws InvalidDescriptionException {
        try {
            ByteArrayOutputStream buf = new ByteArrayOutputStream();
            byte[] chunk = new byte[4096];
            int n;
            while ((n = stream.read(chunk)) > 0) {
                buf.write(chunk, 0, n);
            }
            loadMap(parse(new String(buf.toByteArray(), "UTF-8")));
        } catch (IOException ex) {
            throw new InvalidDescriptionException(ex);
        }
    }

    public PluginDescriptionFile(final Reader reader) throws InvalidDescriptionException {
        try {
            StringBuilder sb = new StringBuilder();
            char[] chunk = new char[4096];
            int n;
            while ((n = reader.read(chunk)) > 0) {
                sb.append(chunk, 0, n);
            }
            loadMap(parse(sb.toString()));
        } catch (IOException ex) {
            throw new InvalidDescriptionException(ex);
        }
    }

    public PluginDescriptionFile(final String pluginName, final String pluginVersion, final String mainClass) {
        name = pluginName;
        version = pluginVersion;
        main = mainClass;
    }

    /**
     * Plain maps, lists and scalars, and the awareness tags of plugin.yml ("!@UTF8"): a known one
     * is its flag, another one a placeholder naming it; no other tag builds any object.
     */
    private static final class DescriptionConstructor extends SafeConstructor {
        DescriptionConstructor() {
            yamlConstructors.put(null, new org.yaml.snakeyaml.constructor.AbstractConstruct() {
                public Object construct(final org.yaml.snakeyaml.nodes.Node node) {
                    final String tag = node.getTag().getValue();
                    if (!tag.startsWith("!@")) {
                        return SafeConstructor.undefinedConstructor.construct(node);
                    }
                    for (PluginAwareness.Flags flag : PluginAwareness.Flags.values()) {
                        if (tag.equals("!@" + flag.name())) {
                            return flag;
                        }
                    }
                    return new PluginAwareness() {
                        @Override
                        public String toString() {
                            return tag;
                        }
                    };
                }
            });
        }
    }

    /** The YAML document as plain maps, lists and scalars (and awareness flags). */
    private static Object parse(String text) throws InvalidDescriptionException {
        try {
            return new Yaml(new DescriptionConstructor()).load(text);
        } catch (YAMLException ex) {
            throw new InvalidDescriptionException(ex, "plugin.yml is not valid YAML");
        }
    }

    public String getName() {
        return name;
    }

    /** The name as plugin.yml writes it; this server keeps it as it is for getName too. */
    public String getRawName() {
        return name;
    }

    public String getVersion() {
        return version;
    }

    public String getMain() {
        return main;
    }

    public String getDescription() {
        return description;
    }

    public List<String> getAuthors() {
        return authors;
    }

    /** What the plugin declares it knows about (plugin.yml "awareness", such as !@UTF8). */
    public java.util.Set<PluginAwareness> getAwareness() {
        return java.util.Collections.unmodifiableSet(awareness);
    }

    public String getWebsite() {
        return website;
    }

    public List<String> getDepend() {
        return depend;
    }

    public List<String> getSoftDepend() {
        return softDepend;
    }

    public List<String> getLoadBefore() {
        return loadBefore;
    }

    public PluginLoadOrder getLoad() {
        return order;
    }

    public PermissionDefault getPermissionDefault() {
        return defaultPerm;
    }

    /** The permissions of "permissions:", made the first time they are asked for. */
    public List<Permission> getPermissions() {
        if (permissions == null) {
            if (lazyPermissions == null) {
                permissions = new ArrayList<Permission>();
            } else {
                permissions = Collections.unmodifiableList(Permission.loadPermissions(lazyPermissions,
                        "Permission node '%s' in plugin description file for " + getFullName() + " is invalid",
                        defaultPerm));
                lazyPermissions = null;
            }
        }
        return permissions;
    }

    public String getPrefix() {
        return prefix;
    }

    /** Command name to its properties (description, usage, permission, permission-message, aliases). */
    public Map<String, Map<String, Object>> getCommands() {
        return commands;
    }

    /** "name vversion", as the server prints it. */
    public String getFullName() {
        return name + " v" + version;
    }

    private static String required(Map<?, ?> map, String key) throws InvalidDescriptionException {
        Object value = map.get(key);
        if (value == null) {
            throw new InvalidDescriptionException(key + " is not defined");
        }
        if (value instanceof Map || value instanceof List) {
            throw new InvalidDescriptionException(key + " is of wrong type");
        }
        return value.toString();
    }

    private static List<String> stringList(Object value, String key) throws InvalidDescriptionException {
        List<String> out = new ArrayList<String>();
        if (value == null) {
            return out;
        }
        if (value instanceof List) {
            for (Object o : (List<?>) value) {
                out.add(String.valueOf(o));
            }
        } else if (value instanceof Map) {
            throw new InvalidDescriptionException(key + " is of wrong type");
        } else {
            out.add(value.toString());
        }
        return out;
    }

    private void loadMap(Object root) throws InvalidDescriptionException {
        if (!(root instanceof Map)) {
            throw new InvalidDescriptionException("plugin.yml is not a map of keys");
        }
        Map<?, ?> map = (Map<?, ?>) root;
        name = required(map, "name");
        if (!name.matches("^[A-Za-z0-9 _.-]+$")) {
            throw new InvalidDescriptionException("name '" + name + "' contains invalid characters.");
        }
        main = required(map, "main");
        Object aware = map.get("awareness");
        if (aware instanceof Iterable) {
            for (Object o : (Iterable<?>) aware) {
                if (o instanceof PluginAwareness) {
                    awareness.add((PluginAwareness) o);
                }
            }
        }
        if (main.startsWith("org.bukkit.")) {
            throw new InvalidDescriptionException("main may not be within the org.bukkit namespace");
        }
        version = required(map, "version");
        description = map.get("description") == null ? null : map.get("description").toString();
        website = map.get("website") == null ? null : map.get("website").toString();
        prefix = map.get("prefix") == null ? null : map.get("prefix").toString();
        if (map.get("author") != null) {
            authors.add(map.get("author").toString());
        }
        authors.addAll(stringList(map.get("authors"), "authors"));
        depend = stringList(map.get("depend"), "depend");
        softDepend = stringList(map.get("softdepend"), "softdepend");
        loadBefore = stringList(map.get("loadbefore"), "loadbefore");
        if (map.get("load") != null) {
            try {
                order = PluginLoadOrder.valueOf(map.get("load").toString().toUpperCase().replaceAll("\\W", ""));
            } catch (IllegalArgumentException ex) {
                throw new InvalidDescriptionException(ex, "load is not a valid choice");
            }
        }
        if (map.get("default-permission") != null) {
            defaultPerm = PermissionDefault.getByName(map.get("default-permission").toString());
            if (defaultPerm == null) {
                throw new InvalidDescriptionException("default-permission is not a valid choice");
            }
        }
        Object perms = map.get("permissions");
        if (perms instanceof Map) {
            lazyPermissions = (Map<?, ?>) perms;
        } else if (perms != null) {
            throw new InvalidDescriptionException("permissions are of the wrong type");
        }
        Object cmds = map.get("commands");
        if (cmds instanceof Map) {
            for (Map.Entry<?, ?> e : ((Map<?, ?>) cmds).entrySet()) {
                Map<String, Object> props = new LinkedHashMap<String, Object>();
                if (e.getValue() instanceof Map) {
                    for (Map.Entry<?, ?> p : ((Map<?, ?>) e.getValue()).entrySet()) {
                        props.put(String.valueOf(p.getKey()), p.getValue());
                    }
                } else if (e.getValue() != null) {
                    throw new InvalidDescriptionException("commands are of wrong type");
                }
                commands.put(String.valueOf(e.getKey()), Collections.unmodifiableMap(props));
            }
        } else if (cmds != null) {
            throw new InvalidDescriptionException("commands are of wrong type");
        }
    }
}
