package net.md_5.bungee.api.plugin;

import java.util.ArrayList;
import java.util.List;

/** Compile-only stand-in: the proxy's plugin manager; it only remembers registered listeners. */
public class PluginManager {
    private final List<Listener> listeners = new ArrayList<Listener>();

    public void registerListener(Plugin plugin, Listener listener) {
        listeners.add(listener);
    }

    public List<Listener> getListeners() {
        return listeners;
    }
}
