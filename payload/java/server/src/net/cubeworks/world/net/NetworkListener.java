package net.cubeworks.world.net;

import java.io.IOException;
import java.net.InetSocketAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.CopyOnWriteArrayList;


/** The listening socket: accepts clients, caps how many are open, ticks their timers. */
public final class NetworkListener {
    static final int MAX_CONNECTIONS = 64;

    private final ConnectionHandler handler;
    private final ServerSocket serverSocket;
    private final List<Connection> connections = new CopyOnWriteArrayList<Connection>();
    private volatile boolean running = true;

    /** Binds the address; an empty host means every interface. */
    public NetworkListener(ConnectionHandler handler, String host, int port) throws IOException {
        this.handler = handler;
        ServerSocket ss = new ServerSocket();
        try {
            ss.bind(host.length() == 0 ? new InetSocketAddress(port) : new InetSocketAddress(host, port), 50);
        } catch (IOException ex) {
            ss.close();
            throw ex;
        }
        serverSocket = ss;
    }

    public int localPort() {
        return serverSocket.getLocalPort();
    }

    /** Starts accepting clients and the one-second ticker of their timers. */
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
            if (connections.size() >= MAX_CONNECTIONS || !running) {
                try {
                    s.close();
                } catch (IOException ignored) {
                    // refused anyway
                }
                continue;
            }
            Connection c = new Connection(s, handler, this);
            connections.add(c);
            try {
                c.start();
            } catch (Throwable ex) {
                // out of threads: refuse this one only
                connections.remove(c);
                c.closeNow();
            }
        }
    }

    private void tickLoop() {
        while (running) {
            try {
                Thread.sleep(1000);
            } catch (InterruptedException ex) {
                return;
            }
            long now = System.currentTimeMillis();
            for (Connection c : connections) {
                try {
                    c.tick(now);
                } catch (RuntimeException ex) {
                    c.closeNow();
                }
            }
        }
    }

    void connectionEnded(Connection c) {
        connections.remove(c);
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
