package net.md_5.bungee.api.plugin;

import net.md_5.bungee.api.ProxyServer;

/** Compile-only stand-in: base class of a proxy plugin's main class. */
public class Plugin {
    public void onLoad() {
    }

    public void onEnable() {
    }

    public void onDisable() {
    }

    public ProxyServer getProxy() {
        return ProxyServer.getInstance();
    }
}
