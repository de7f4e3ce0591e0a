package org.bukkit.conversations;

import org.bukkit.ChatColor;
import org.bukkit.plugin.Plugin;

/** The plugin's name in a colour, then a separator, before each line ("MyPlugin > "). */
public class PluginNameConversationPrefix implements ConversationPrefix {
    protected String separator;
    protected ChatColor prefixColor;
    protected Plugin plugin;

    private final String cached;

    public PluginNameConversationPrefix(Plugin plugin) {
        this(plugin, " > ", ChatColor.LIGHT_PURPLE);
    }

    public PluginNameConversationPrefix(Plugin plugin, String separator, ChatColor prefixColor) {
        this.plugin = plugin;
        this.separator = separator;
        this.prefixColor = prefixColor;
        this.cached = prefixColor + plugin.getDescription().getName() + separator + ChatColor.WHITE;
    }

    public String getPrefix(ConversationContext context) {
        return cached;
    }
}
