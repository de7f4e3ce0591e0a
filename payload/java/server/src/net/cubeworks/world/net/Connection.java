package net.cubeworks.world.net;

import java.io.BufferedInputStream;
import java.io.EOFException;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.InetSocketAddress;
import java.net.Socket;
import java.net.SocketTimeoutException;
import java.util.concurrent.BlockingQueue;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;

import net.cubeworks.world.net.PacketIn.ProtocolException;

/**
 * One client connection. A reader thread runs the handshake, status, login and play
 * states; packets go out through a queue drained by a writer thread, so sending never
 * blocks the caller, whatever the client does. A client that floods us so that the queue
 * fills up is dropped.
 */
public final class Connection {
    /** Largest packet a client may send. */
    public static final int MAX_CLIENT_PACKET = 32767;
    static final int READ_TIMEOUT_MS = 30000;
    private static final int QUEUE_LIMIT = 4096;
    private static final Object CLOSE = new Object();

    public static final int STATE_HANDSHAKE = 0;
    public static final int STATE_STATUS = 1;
    public static final int STATE_LOGIN = 2;
    public static final int STATE_PLAY = 3;

    private final Socket socket;
    private final ConnectionHandler handler;
    private final NetworkListener listener;
    private final BlockingQueue<Object> queue = new LinkedBlockingQueue<Object>(QUEUE_LIMIT);
    private volatile int state = STATE_HANDSHAKE;
    private volatile int protocol;
    private volatile boolean closing;
    private volatile long closingSince;
    private volatile boolean closed;
    private volatile Object player;

    // keep-alive bookkeeping, touched by the keep-alive ticker and the reader
    private volatile int pendingKeepAlive;
    private volatile long keepAliveSentAt;
    private volatile long lastKeepAliveSent = System.currentTimeMillis();

    Connection(Socket socket, ConnectionHandler handler, NetworkListener listener) {
        this.socket = socket;
        this.handler = handler;
        this.listener = listener;
    }

    public int protocol() {
        return protocol;
    }

    public int state() {
        return state;
    }

    public InetSocketAddress remoteAddress() {
        return (InetSocketAddress) socket.getRemoteSocketAddress();
    }

    /** The game's object for the player on this connection, once logged in. */
    public Object player() {
        return player;
    }

    public void attachPlayer(Object p) {
        player = p;
        state = STATE_PLAY;
    }

    public boolean isClosing() {
        return closing || closed;
    }

    void start() {
        Thread reader = new Thread(null, new Runnable() {
            public void run() {
                readLoop();
            }
        }, "Connection reader " + socket.getRemoteSocketAddress(), 256 * 1024);
        Thread writer = new Thread(null, new Runnable() {
            public void run() {
                writeLoop();
            }
        }, "Connection writer " + socket.getRemoteSocketAddress(), 128 * 1024);
        reader.setDaemon(true);
        writer.setDaemon(true);
        writer.start();
        reader.start();
    }

    /** Queues a packet; dropped silently once the connection is closing. */
    public void send(PacketOut packet) {
        sendRaw(packet.frame());
    }

    void sendRaw(byte[] bytes) {
        if (closing || closed) {
            return;
        }
        if (!queue.offer(bytes)) {
            closeNow();
        }
    }

    /**
     * Sends the disconnect packet of the current state with a chat reason, then ends the
     * connection once it has gone out.
     */
    public void disconnect(String reason) {
        if (closing || closed) {
            return;
        }
        if (state == STATE_PLAY) {
            send(new PacketOut(0x40).writeString(Json.chat(reason)));
        } else if (state == STATE_LOGIN) {
            send(new PacketOut(0x00).writeString(Json.chat(reason)));
        }
        finish();
    }

    /** Ends the connection after what is queued has gone out. */
    void finish() {
        if (closing || closed) {
            return;
        }
        closing = true;
        closingSince = System.currentTimeMillis();
        if (!queue.offer(CLOSE)) {
            closeNow();
        }
    }

    /** Closes the socket at once. */
    public void closeNow() {
        if (closed) {
            return;
        }
        closed = true;
        closing = true;
        try {
            socket.close();
        } catch (IOException ignored) {
            // already gone
        }
        queue.clear();
        queue.offer(CLOSE);
    }

    /** True when the writer has sent everything queued (or the socket is gone). */
    public boolean drained() {
        return closed || queue.isEmpty();
    }

    /** Called about once a second: keep-alive and the time limits of this connection. */
    void tick(long now) {
        if (closed) {
            return;
        }
        if (closing) {
            if (now - closingSince > 5000) {
                closeNow();
            }
            return;
        }
        if (state != STATE_PLAY) {
            return;
        }
        if (pendingKeepAlive != 0 && now - keepAliveSentAt > READ_TIMEOUT_MS) {
            handler.kickForTimeout(this);
            return;
        }
        if (now - lastKeepAliveSent >= 15000) {
            int id = (int) (Math.random() * Integer.MAX_VALUE) + 1;
            lastKeepAliveSent = now;
            if (pendingKeepAlive == 0) {
                pendingKeepAlive = id;
                keepAliveSentAt = now;
            } else {
                id = pendingKeepAlive;
            }
            send(new PacketOut(0x00).writeInt(id));
        }
    }

    private void writeLoop() {
        try {
            OutputStream out = socket.getOutputStream();
            while (true) {
                Object item = queue.poll(60, TimeUnit.SECONDS);
                if (closed) {
                    break;
                }
                if (item == null) {
                    continue;
                }
                if (item == CLOSE) {
                    out.flush();
                    // Half-close so the disconnect packet arrives before the end of the
                    // stream; the reader closes the socket when the client goes away.
                    socket.shutdownOutput();
                    break;
                }
                out.write((byte[]) item);
                if (queue.isEmpty()) {
                    out.flush();
                }
            }
        } catch (IOException ex) {
            closeNow();
        } catch (InterruptedException ex) {
            closeNow();
        }
    }

    /** Reads one frame: VarInt length (at most 3 bytes), then that many bytes. */
    static byte[] readFrame(int firstByte, InputStream in, int maxLength) throws IOException {
        int length = PacketIn.readVarInt(firstByte, in, 3);
        if (length <= 0 || length > maxLength) {
            throw new ProtocolException("bad packet length " + length);
        }
        byte[] data = new byte[length];
        PacketIn.readFully(in, data);
        return data;
    }

    private byte[] readFrame(InputStream in) throws IOException {
        int first = in.read();
        if (first < 0) {
            throw new EOFException();
        }
        return readFrame(first, in, MAX_CLIENT_PACKET);
    }

    private void readLoop() {
        String reason = "Disconnected";
        try {
            socket.setSoTimeout(READ_TIMEOUT_MS);
            socket.setTcpNoDelay(true);
            InputStream in = new BufferedInputStream(socket.getInputStream(), 4096);
            int first = in.read();
            if (first < 0) {
                return;
            }
            if (first == 0xFE) {
                // the server-list ping of clients before 1.7
                sendRaw(handler.legacyPingResponse());
                finish();
                drainUntilClosed(in);
                return;
            }
            PacketIn hs = new PacketIn(readFrame(first, in, 1024));
            if (hs.readVarInt() != 0x00) {
                throw new ProtocolException("expected handshake");
            }
            protocol = hs.readVarInt();
            hs.readString(255);
            hs.readUnsignedShort();
            int next = hs.readVarInt();
            if (next == 1) {
                state = STATE_STATUS;
                statusLoop(in);
            } else if (next == 2) {
                state = STATE_LOGIN;
                PacketIn login = new PacketIn(readFrame(in));
                if (login.readVarInt() != 0x00) {
                    throw new ProtocolException("expected login start");
                }
                String name = login.readString(16);
                handler.login(this, name);
                if (state == STATE_PLAY) {
                    playLoop(in);
                } else {
                    drainUntilClosed(in);
                }
            } else {
                throw new ProtocolException("bad next state " + next);
            }
        } catch (SocketTimeoutException ex) {
            reason = "Timed out";
        } catch (ProtocolException ex) {
            reason = "Internal exception: " + ex.getMessage();
        } catch (EOFException ex) {
            reason = "End of stream";
        } catch (IOException ex) {
            reason = "Internal exception: " + ex;
        } catch (RuntimeException ex) {
            reason = "Internal exception: " + ex;
        } finally {
            closeNow();
            if (player != null) {
                handler.connectionLost(this, reason);
            }
            listener.connectionEnded(this);
        }
    }

    private void statusLoop(InputStream in) throws IOException {
        boolean answered = false;
        while (true) {
            PacketIn p = new PacketIn(readFrame(in));
            int id = p.readVarInt();
            if (id == 0x00 && !answered) {
                answered = true;
                send(new PacketOut(0x00).writeString(handler.statusJson(protocol)));
            } else if (id == 0x01) {
                send(new PacketOut(0x01).writeLong(p.readLong()));
                finish();
                drainUntilClosed(in);
                return;
            } else {
                throw new ProtocolException("unexpected status packet " + id);
            }
        }
    }

    private void playLoop(InputStream in) throws IOException {
        while (true) {
            PacketIn p = new PacketIn(readFrame(in));
            int id = p.readVarInt();
            if (closing) {
                continue;
            }
            switch (id) {
                case 0x00:
                    if (p.readInt() == pendingKeepAlive) {
                        pendingKeepAlive = 0;
                    }
                    break;
                case 0x01:
                    handler.chat(this, p.readString(100));
                    break;
                default:
                    if (id < 0 || id > 0x17) {
                        throw new ProtocolException("bad packet id " + id);
                    }
                    // movement, digging, settings and the like: the world is empty, nothing to do
            }
        }
    }

    /** Discards input until the client closes or the time-out ends the wait. */
    private void drainUntilClosed(InputStream in) throws IOException {
        byte[] buf = new byte[512];
        while (!closed && in.read(buf) >= 0) {
            // nothing: we only wait for the end of the stream
        }
    }
}
