package org.bukkit.plugin;

import java.io.File;
import java.io.InputStream;
import java.util.logging.Logger;

import org.bukkit.Server;
import org.bukkit.command.TabExecutor;
import org.bukkit.configuration.file.FileConfiguration;

/** A plugin loaded by the server. */
public interface Plugin extends TabExecutor {
    File getDataFolder();

    PluginDescriptionFile getDescription();

    FileConfiguration getConfig();

    InputStream getResource(String filename);

    void saveConfig();

    void saveDefaultConfig();

    void reloadConfig();

    void saveResource(String resourcePath, boolean replace);

    Server getServer();

    boolean isEnabled();

    void onDisable();

    void onLoad();

    void onEnable();

    boolean isNaggable();

    void setNaggable(boolean canNag);

    Logger getLogger();

    String getName();

    PluginLoader getPluginLoader();

    /** The generator this plugin offers for a world that names it in its settings; null for none. */
    org.bukkit.generator.ChunkGenerator getDefaultWorldGenerator(String worldName, String id);
}
