package net.md_5.bungee.api;

import java.util.Collection;

import net.md_5.bungee.api.connection.ProxiedPlayer;
import net.md_5.bungee.api.plugin.PluginManager;

/** Compile-only stand-in for the proxy's server singleton; tests install their own instance. */
public abstract class ProxyServer {
    private static ProxyServer instance;

    public static ProxyServer getInstance() {
        return instance;
    }

    public static void setInstance(ProxyServer proxy) {
        instance = proxy;
    }

    public abstract Collection<ProxiedPlayer> getPlayers();

    public abstract PluginManager getPluginManager();
}
