package org.bukkit.plugin.java;

import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.URL;
import java.net.URLConnection;
import java.util.List;
import java.util.logging.Level;
import java.util.logging.Logger;

import org.bukkit.Server;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;
import org.bukkit.command.PluginCommand;
import org.bukkit.configuration.file.FileConfiguration;
import org.bukkit.configuration.file.YamlConfiguration;
import org.bukkit.plugin.PluginBase;
import org.bukkit.plugin.PluginDescriptionFile;
import org.bukkit.plugin.PluginLoader;
import org.bukkit.plugin.PluginLogger;

/** Base class of every plugin's main class. */
public abstract class JavaPlugin extends PluginBase {
    private boolean isEnabled = false;
    private PluginLoader loader = null;
    private Server server = null;
    private File file = null;
    private PluginDescriptionFile description = null;
    private File dataFolder = null;
    private ClassLoader classLoader = null;
    private boolean naggable = true;
    private PluginLogger logger = null;
    private FileConfiguration newConfig = null;
    private File configFile = null;

    public JavaPlugin() {
    }

    /** The folder for the plugin's own files, plugins/&lt;name&gt;; it may not exist yet. */
    public final File getDataFolder() {
        return dataFolder;
    }

    public final PluginLoader getPluginLoader() {
        return loader;
    }

    public final Server getServer() {
        return server;
    }

    public final boolean isEnabled() {
        return isEnabled;
    }

    protected File getFile() {
        return file;
    }

    public final PluginDescriptionFile getDescription() {
        return description;
    }

    /** config.yml of the data folder, with the jar's own config.yml as defaults. */
    public FileConfiguration getConfig() {
        if (newConfig == null) {
            reloadConfig();
        }
        return newConfig;
    }

    public void reloadConfig() {
        newConfig = YamlConfiguration.loadConfiguration(configFile);
        InputStream defConfigStream = getResource("config.yml");
        if (defConfigStream != null) {
            newConfig.setDefaults(YamlConfiguration.loadConfiguration(defConfigStream));
        }
    }

    public void saveConfig() {
        try {
            getConfig().save(configFile);
        } catch (IOException ex) {
            logger.log(Level.SEVERE, "Could not save config to " + configFile, ex);
        }
    }

    /** Copies the jar's config.yml into the data folder unless one is there already. */
    public void saveDefaultConfig() {
        if (!configFile.exists()) {
            saveResource("config.yml", false);
        }
    }

    public InputStream getResource(String filename) {
        if (filename == null) {
            throw new IllegalArgumentException("Filename cannot be null");
        }
        try {
            URL url = getClassLoader().getResource(filename);
            if (url == null) {
                return null;
            }
            URLConnection connection = url.openConnection();
            connection.setUseCaches(false);
            return connection.getInputStream();
        } catch (IOException ex) {
            return null;
        }
    }

    public void saveResource(String resourcePath, boolean replace) {
        if (resourcePath == null || resourcePath.length() == 0) {
            throw new IllegalArgumentException("ResourcePath cannot be null or empty");
        }
        resourcePath = resourcePath.replace('\\', '/');
        InputStream in = getResource(resourcePath);
        if (in == null) {
            throw new IllegalArgumentException("The embedded resource '" + resourcePath
                    + "' cannot be found in " + file);
        }
        File outFile = new File(dataFolder, resourcePath);
        File outDir = outFile.getParentFile();
        if (!outDir.exists()) {
            outDir.mkdirs();
        }
        try {
            if (!outFile.exists() || replace) {
                OutputStream out = new FileOutputStream(outFile);
                try {
                    byte[] buf = new byte[4096];
                    int len;
                    while ((len = in.read(buf)) > 0) {
                        out.write(buf, 0, len);
                    }
                } finally {
                    out.close();
                }
            }
        } catch (IOException ex) {
            getLogger().log(Level.SEVERE, "Could not save " + outFile.getName() + " to " + outFile, ex);
        } finally {
            try {
                in.close();
            } catch (IOException ignored) {
                // nothing more to do
            }
        }
    }

    protected final ClassLoader getClassLoader() {
        return classLoader;
    }

    /** Runs onEnable or onDisable when the state changes. */
    protected final void setEnabled(final boolean enabled) {
        if (isEnabled != enabled) {
            isEnabled = enabled;
            if (isEnabled) {
                onEnable();
            } else {
                onDisable();
            }
        }
    }

    final void initialize(PluginLoader loader, Server server, PluginDescriptionFile description,
            File dataFolder, File file, ClassLoader classLoader) {
        this.loader = loader;
        this.server = server;
        this.file = file;
        this.description = description;
        this.dataFolder = dataFolder;
        this.classLoader = classLoader;
        this.configFile = new File(dataFolder, "config.yml");
        this.logger = new PluginLogger(this);
    }

    public boolean onCommand(CommandSender sender, Command command, String label, String[] args) {
        return false;
    }

    public List<String> onTabComplete(CommandSender sender, Command command, String alias, String[] args) {
        return null;
    }

    /** The command of this name declared in plugin.yml, or null when the plugin has none. */
    public PluginCommand getCommand(String name) {
        String alias = name.toLowerCase();
        PluginCommand command = getServer().getPluginCommand(alias);
        if (command == null || command.getPlugin() != this) {
            command = getServer().getPluginCommand(description.getName().toLowerCase() + ":" + alias);
        }
        if (command != null && command.getPlugin() == this) {
            return command;
        }
        return null;
    }

    public void onLoad() {
    }

    public void onDisable() {
    }

    public void onEnable() {
    }

    public final boolean isNaggable() {
        return naggable;
    }

    public final void setNaggable(boolean canNag) {
        this.naggable = canNag;
    }

    public Logger getLogger() {
        return logger;
    }

    /** None by default: a plugin that generates worlds says so by overriding this. */
    public org.bukkit.generator.ChunkGenerator getDefaultWorldGenerator(String worldName, String id) {
        return null;
    }

    /**
     * The enabled or loaded plugin of this main class (plugins reach their own instance so);
     * IllegalArgumentException when none of the loaded plugins is one.
     */
    public static <T extends JavaPlugin> T getPlugin(Class<T> clazz) {
        if (clazz == null) {
            throw new IllegalArgumentException("Null class");
        }
        if (org.bukkit.Bukkit.getServer() != null) {
            for (org.bukkit.plugin.Plugin p : org.bukkit.Bukkit.getServer().getPluginManager().getPlugins()) {
                if (p.getClass() == clazz) {
                    return clazz.cast(p);
                }
            }
        }
        throw new IllegalArgumentException(clazz + " is not a loaded plugin's main class");
    }

    /** The plugin whose jar the class comes from. */
    public static JavaPlugin getProvidingPlugin(Class<?> clazz) {
        if (clazz == null) {
            throw new IllegalArgumentException("Null class");
        }
        if (org.bukkit.Bukkit.getServer() != null) {
            for (org.bukkit.plugin.Plugin p : org.bukkit.Bukkit.getServer().getPluginManager().getPlugins()) {
                if (p instanceof JavaPlugin && p.getClass().getClassLoader() == clazz.getClassLoader()) {
                    return (JavaPlugin) p;
                }
            }
        }
        throw new IllegalArgumentException(clazz + " is not from a plugin");
    }

    @Override
    public String toString() {
        return description.getFullName();
    }
}
