package net.cubeworks.world.net;

import java.io.IOException;
import java.net.InetAddress;
import java.net.InetSocketAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.Iterator;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.concurrent.CopyOnWriteArrayList;

/**
 * The listening socket: accepts clients and ticks their timers. Connections that have not
 * yet logged in a player are pending, and only they are limited, so that idle or slow
 * sockets can never take the room of players: each has a deadline for its whole handshake
 * and login, one address may hold only a few at a time (enough for a LAN party behind one
 * address, which logs in one by one), and when all pending places are taken the oldest
 * pending connection makes room for the newcomer. Players who completed a login are not
 * counted; the player limit is the game's.
 */
public final class NetworkListener {
    /** System property: milliseconds a connection has for its handshake and login. */
    public static final String LOGIN_DEADLINE_PROPERTY = "cubeworks.login-deadline-ms";
    /** System property: how many pending connections one address may hold. */
    public static final String PENDING_PER_ADDRESS_PROPERTY = "cubeworks.pending-per-address";
    static final int DEFAULT_LOGIN_DEADLINE_MS = 5000;
    static final int DEFAULT_PENDING_PER_ADDRESS = 16;
    static final int MAX_PENDING = 128;
    private static final long TICK_MS = 250;
    /** Room in the system's queue of connections not yet accepted, so bursts are not dropped. */
    private static final int ACCEPT_BACKLOG = 256;

    private final ConnectionHandler handler;
    private final LoginSecurity security;
    private final ServerSocket serverSocket;
    private final long loginDeadlineMs;
    private final int pendingPerAddress;
    private final List<Connection> connections = new CopyOnWriteArrayList<Connection>();
    // pending connections, oldest first, and how many each address holds; guarded by pendingLock
    private final Object pendingLock = new Object();
    private final Set<Connection> pending = new LinkedHashSet<Connection>();
    private final Map<InetAddress, Integer> pendingByAddress = new HashMap<InetAddress, Integer>();
    private volatile boolean running = true;

    /**
     * Binds the address; an empty host means every interface. security is null in offline
     * mode, else it holds the keys and the session server for online-mode logins.
     */
    public NetworkListener(ConnectionHandler handler, String host, int port, LoginSecurity security)
            throws IOException {
        this.handler = handler;
        this.security = security;
        this.loginDeadlineMs = intProperty(LOGIN_DEADLINE_PROPERTY, DEFAULT_LOGIN_DEADLINE_MS);
        this.pendingPerAddress = intProperty(PENDING_PER_ADDRESS_PROPERTY, DEFAULT_PENDING_PER_ADDRESS);
        ServerSocket ss = new ServerSocket();
        try {
            ss.bind(host.length() == 0 ? new InetSocketAddress(port) : new InetSocketAddress(host, port), ACCEPT_BACKLOG);
        } catch (IOException ex) {
            ss.close();
            throw ex;
        }
        serverSocket = ss;
    }

    /** A positive whole number from a system property, or the default. */
    static int intProperty(String name, int def) {
        try {
            int v = Integer.parseInt(System.getProperty(name, "").trim());
            return v > 0 ? v : def;
        } catch (NumberFormatException ex) {
            return def;
        }
    }

    public int localPort() {
        return serverSocket.getLocalPort();
    }

    /** Starts accepting clients and the ticker of their timers. */
    public void start() {
        Thread acceptor = new Thread(new Runnable() {
            public void run() {
                acceptLoop();
            }
        }, "Server connection acceptor");
        acceptor.setDaemon(true);
        acceptor.start();
        Thread ticker = new Thread(new Runnable() {
            public void run() {
                tickLoop();
            }
        }, "Keep-alive ticker");
        ticker.setDaemon(true);
        ticker.start();
    }

    private void acceptLoop() {
        while (running) {
            Socket s;
            try {
                s = serverSocket.accept();
            } catch (IOException ex) {
                if (!running) {
                    return;
                }
                try {
                    Thread.sleep(50);
                } catch (InterruptedException ie) {
                    return;
                }
                continue;
            }
            Connection c = running ? admit(s) : null;
            if (c == null) {
                try {
                    s.close();
                } catch (IOException ignored) {
                    // refused anyway
                }
                continue;
            }
            connections.add(c);
            try {
                c.start();
            } catch (Throwable ex) {
                // out of threads: refuse this one only
                connectionEnded(c);
                c.closeNow();
            }
        }
    }

    /**
     * Counts a new socket as pending, or refuses it (null) when its address already holds
     * its share. When every pending place is taken, the oldest pending connection whose
     * client still has to act is dropped for it.
     */
    private Connection admit(Socket s) {
        InetAddress address = s.getInetAddress();
        Connection evicted = null;
        Connection c;
        synchronized (pendingLock) {
            Integer held = pendingByAddress.get(address);
            if (held != null && held >= pendingPerAddress) {
                return null;
            }
            if (pending.size() >= MAX_PENDING) {
                for (Iterator<Connection> it = pending.iterator(); it.hasNext();) {
                    Connection old = it.next();
                    if (!old.isVerifying()) {
                        evicted = old;
                        break;
                    }
                }
                if (evicted == null) {
                    return null;
                }
                release(evicted);
            }
            c = new Connection(s, handler, this, security);
            pending.add(c);
            pendingByAddress.put(address, held == null ? 1 : held + 1);
        }
        if (evicted != null) {
            evicted.closeNow();
        }
        return c;
    }

    /** Takes the connection out of the pending count; under pendingLock. */
    private void release(Connection c) {
        if (!pending.remove(c)) {
            return;
        }
        InetAddress address = c.remoteAddress().getAddress();
        Integer held = pendingByAddress.get(address);
        if (held == null || held <= 1) {
            pendingByAddress.remove(address);
        } else {
            pendingByAddress.put(address, held - 1);
        }
    }

    /** A player has logged in on the connection: it no longer counts as pending. */
    void loggedIn(Connection c) {
        synchronized (pendingLock) {
            release(c);
        }
    }

    /** How many connections are pending, for tests and diagnostics. */
    public int pendingCount() {
        synchronized (pendingLock) {
            return pending.size();
        }
    }

    private void tickLoop() {
        while (running) {
            try {
                Thread.sleep(TICK_MS);
            } catch (InterruptedException ex) {
                return;
            }
            long now = System.currentTimeMillis();
            for (Connection c : connections) {
                try {
                    c.tick(now, loginDeadlineMs);
                } catch (RuntimeException ex) {
                    c.closeNow();
                }
            }
        }
    }

    void connectionEnded(Connection c) {
        connections.remove(c);
        synchronized (pendingLock) {
            release(c);
        }
    }

    public List<Connection> connections() {
        return new ArrayList<Connection>(connections);
    }

    /** Stops accepting; open connections are left to their owners. */
    public void close() {
        running = false;
        try {
            serverSocket.close();
        } catch (IOException ignored) {
            // closing anyway
        }
    }
}
