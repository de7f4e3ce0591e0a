package net.md_5.bungee.api.connection;

import java.net.InetSocketAddress;

/** Compile-only stand-in: a connection to the proxy. */
public interface Connection {
    InetSocketAddress getAddress();

    void disconnect(String reason);
}
