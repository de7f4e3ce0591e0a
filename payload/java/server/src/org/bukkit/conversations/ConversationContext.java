package org.bukkit.conversations;

import java.util.HashMap;
import java.util.Map;

import org.bukkit.plugin.Plugin;

/** What the steps of one conversation share: the plugin, whom it is with, and the answers kept so far. */
public class ConversationContext {
    private final Conversable forWhom;
    private final Map<Object, Object> sessionData;
    private final Plugin plugin;

    public ConversationContext(Plugin plugin, Conversable forWhom, Map<Object, Object> initialSessionData) {
        this.plugin = plugin;
        this.forWhom = forWhom;
        this.sessionData = initialSessionData == null ? new HashMap<Object, Object>() : initialSessionData;
    }

    public Plugin getPlugin() {
        return plugin;
    }

    public Conversable getForWhom() {
        return forWhom;
    }

    public Object getSessionData(Object key) {
        return sessionData.get(key);
    }

    public void setSessionData(Object key, Object value) {
        sessionData.put(key, value);
    }
}
