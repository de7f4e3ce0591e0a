package net.md_5.bungee.api.connection;

/** Compile-only stand-in: a player connected to the proxy. */
public interface ProxiedPlayer extends Connection {
    String getName();
}
