package net.cubeworks.world.net;

import java.io.BufferedInputStream;
import java.io.EOFException;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.InetSocketAddress;
import java.net.Socket;
import java.net.SocketTimeoutException;
import java.util.List;
import java.util.concurrent.BlockingQueue;
import java.util.concurrent.CancellationException;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.Future;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.atomic.AtomicInteger;

import javax.crypto.Cipher;

import net.cubeworks.world.protocol.Json;
import net.cubeworks.world.protocol.LoginPackets;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PacketIn.ProtocolException;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.protocol.StatusPackets;
import net.cubeworks.world.util.FatalErrors;

/**
 * One client connection. A reader thread runs the handshake, status, login and play
 * states; packets go out through a queue drained by a writer thread, so sending never
 * blocks the caller, whatever the client does. A client that floods us so that the queue
 * fills up is dropped. Until a player is admitted the connection is pending: it has a
 * deadline for the whole handshake and login, kept by the listener's ticker.
 */
public final class Connection {
    /** Largest packet a client may send. */
    public static final int MAX_CLIENT_PACKET = 32767;
    static final int READ_TIMEOUT_MS = 30000;
    private static final int QUEUE_LIMIT = 4096;
    private static final Object CLOSE = new Object();
    /** Batches of frames still being built or not yet written that one connection may have. */
    static final int MAX_PENDING_LATER = 16;

    public static final int STATE_HANDSHAKE = 0;
    public static final int STATE_STATUS = 1;
    public static final int STATE_LOGIN = 2;
    public static final int STATE_PLAY = 3;

    private final Socket socket;
    private final ConnectionHandler handler;
    private final NetworkListener listener;
    /** The online-mode keys and session server; null in offline mode. */
    private final LoginSecurity security;
    private final BlockingQueue<Object> queue = new LinkedBlockingQueue<Object>(QUEUE_LIMIT);
    private final AtomicInteger pendingLater = new AtomicInteger();
    private volatile int state = STATE_HANDSHAKE;
    private volatile String hostname = "";
    private volatile int protocol;
    private volatile boolean closing;
    private volatile long closingSince;
    private volatile boolean closed;
    private volatile Object player;
    private final long acceptedAt = System.currentTimeMillis();
    /** Extra time granted on top of the login deadline, while the client asks the session server. */
    private volatile long extraTimeMs;
    /** Set while the session server is asked: the client has done its part then. */
    private volatile boolean verifying;
    private InputStream in;

    // keep-alive bookkeeping, touched by the keep-alive ticker and the reader
    private volatile int pendingKeepAlive;
    private volatile long keepAliveSentAt;
    private volatile long lastKeepAliveSent = System.currentTimeMillis();

    Connection(Socket socket, ConnectionHandler handler, NetworkListener listener, LoginSecurity security) {
        this.socket = socket;
        this.handler = handler;
        this.listener = listener;
        this.security = security;
    }

    public int protocol() {
        return protocol;
    }

    public int state() {
        return state;
    }

    /** The host and port the client says it connected to, from its handshake; empty before it. */
    public String hostname() {
        return hostname;
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
        listener.loggedIn(this);
    }

    /** True while the session server is being asked about this login. */
    boolean isVerifying() {
        return verifying;
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

    /** Queues a whole frame built elsewhere (such as cached chunk packets). */
    public void sendFrame(byte[] frame) {
        sendRaw(frame);
    }

    /**
     * Queues frames still being built on another thread (compressed chunk data): they go
     * out in their place in the queue, after what was queued before and before what is
     * queued after, once they are ready.
     */
    public void sendLater(Future<List<byte[]>> frames) {
        if (closing || closed) {
            frames.cancel(false);
            return;
        }
        // a client that makes us build columns faster than it reads them is flooding us
        if (pendingLater.incrementAndGet() > MAX_PENDING_LATER || !queue.offer(frames)) {
            frames.cancel(false);
            closeNow();
        }
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
        disconnectWith(Json.chat(reason));
    }

    /** Like {@link #disconnect(String)} with the reason as a chat component in JSON. */
    public void disconnectWith(String reasonJson) {
        if (closing || closed) {
            return;
        }
        if (state == STATE_PLAY) {
            send(PlayPackets.disconnect(reasonJson));
        } else if (state == STATE_LOGIN) {
            send(LoginPackets.disconnect(reasonJson));
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

    /**
     * Called several times a second: keep-alive and the time limits of this connection.
     * A pending connection past its login deadline is dropped.
     */
    void tick(long now, long loginDeadlineMs) {
        if (closed) {
            return;
        }
        if (closing) {
            // a client that does not close after its last packet: players get more grace
            // than connections that never logged in, which must not hold a pending place
            if (now - closingSince > (state == STATE_PLAY ? 5000 : 1000)) {
                closeNow();
            }
            return;
        }
        if (state != STATE_PLAY) {
            if (!verifying && now - acceptedAt > loginDeadlineMs + extraTimeMs) {
                if (state == STATE_LOGIN) {
                    disconnect("Took too long to log in");
                } else {
                    closeNow();
                }
            }
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
            send(PlayPackets.keepAlive(id));
        }
    }

    @SuppressWarnings("unchecked")
    private void writeLoop() {
        Cipher encrypt = null;
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
                if (item instanceof Cipher) {
                    // everything queued after this point goes out encrypted
                    encrypt = (Cipher) item;
                    continue;
                }
                if (item instanceof Future) {
                    List<byte[]> frames;
                    try {
                        frames = ((Future<List<byte[]>>) item).get();
                    } catch (ExecutionException ex) {
                        // the frames could not be built: the client would miss columns
                        FatalErrors.check(ex.getCause(), "building the columns for a player");
                        closeNow();
                        break;
                    } catch (CancellationException ex) {
                        continue;
                    } finally {
                        pendingLater.decrementAndGet();
                    }
                    for (byte[] f : frames) {
                        out.write(encrypt == null ? f : encrypt.update(f));
                    }
                } else {
                    byte[] bytes = (byte[]) item;
                    out.write(encrypt == null ? bytes : encrypt.update(bytes));
                }
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

    private byte[] readFrame() throws IOException {
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
            in = new BufferedInputStream(socket.getInputStream(), 4096);
            int first = in.read();
            if (first < 0) {
                return;
            }
            if (first == StatusPackets.LEGACY_PING) {
                // the server-list ping of clients before 1.7
                sendRaw(handler.legacyPingResponse(remoteAddress().getAddress()));
                finish();
                drainUntilClosed();
                return;
            }
            StatusPackets.Handshake hs = StatusPackets.readHandshake(new PacketIn(readFrame(first, in, 1024)));
            protocol = hs.protocol;
            hostname = hs.host + ":" + hs.port;
            int next = hs.nextState;
            if (next == StatusPackets.NEXT_STATUS) {
                state = STATE_STATUS;
                statusLoop();
            } else if (next == StatusPackets.NEXT_LOGIN) {
                state = STATE_LOGIN;
                new LoginSequence(this, security, handler).run();
                if (state == STATE_PLAY) {
                    playLoop();
                } else {
                    drainUntilClosed();
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

    private void statusLoop() throws IOException {
        boolean answered = false;
        while (true) {
            PacketIn p = new PacketIn(readFrame());
            int id = p.readVarInt();
            if (id == StatusPackets.REQUEST && !answered) {
                answered = true;
                send(StatusPackets.response(handler.statusJson(protocol, remoteAddress().getAddress())));
            } else if (id == StatusPackets.PING) {
                send(StatusPackets.pong(p.readLong()));
                finish();
                drainUntilClosed();
                return;
            } else {
                throw new ProtocolException("unexpected status packet " + id);
            }
        }
    }

    private void playLoop() throws IOException {
        while (true) {
            PacketIn p = new PacketIn(readFrame());
            int id = p.readVarInt();
            if (closing) {
                continue;
            }
            switch (id) {
                case PlayReads.KEEP_ALIVE:
                    if (PlayReads.keepAlive(p) == pendingKeepAlive) {
                        pendingKeepAlive = 0;
                    }
                    break;
                case PlayReads.CHAT:
                    handler.chat(this, PlayReads.chat(p));
                    break;
                default:
                    if (id < 0 || id > PlayReads.LAST_ID) {
                        throw new ProtocolException("bad packet id " + id);
                    }
                    handler.play(this, id, p);
            }
        }
    }

    /** Reads the next packet of the current state. */
    PacketIn readPacket() throws IOException {
        return new PacketIn(readFrame());
    }

    /**
     * Switches encryption on: what is read from now on is decrypted, and packets queued
     * from now on go out encrypted. False when the connection is already being dropped.
     */
    boolean startEncryption(Cipher decrypt, Cipher encrypt) {
        in = new CipherStreams.DecryptingInput(in, decrypt);
        if (!queue.offer(encrypt)) {
            closeNow();
            return false;
        }
        return true;
    }

    /** Grants the client more time for its login, on top of the deadline. */
    void grantExtraTime(long ms) {
        extraTimeMs += ms;
    }

    /** Marks the time the session server is asked, which the login deadline leaves out. */
    void setVerifying(boolean value) {
        verifying = value;
    }

    /** Discards input until the client closes or the time-out ends the wait. */
    private void drainUntilClosed() throws IOException {
        byte[] buf = new byte[512];
        while (!closed && in.read(buf) >= 0) {
            // nothing: we only wait for the end of the stream
        }
    }
}
