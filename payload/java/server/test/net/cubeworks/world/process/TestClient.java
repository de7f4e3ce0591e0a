package net.cubeworks.world.process;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.fail;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.EOFException;
import java.io.IOException;
import java.math.BigInteger;
import java.net.InetSocketAddress;
import java.net.Socket;
import java.net.SocketTimeoutException;
import java.security.GeneralSecurityException;
import java.security.KeyFactory;
import java.security.MessageDigest;
import java.security.PublicKey;
import java.security.SecureRandom;
import java.security.spec.X509EncodedKeySpec;

import javax.crypto.Cipher;
import javax.crypto.CipherInputStream;
import javax.crypto.CipherOutputStream;
import javax.crypto.spec.IvParameterSpec;
import javax.crypto.spec.SecretKeySpec;

/**
 * A small game client written from the protocol description, independent of the
 * server's own codec: handshake, status, login, chat and reading packets.
 */
final class TestClient {
    /** One received packet. */
    static final class Packet {
        final int id;
        final DataInputStream data;

        Packet(int id, byte[] body) {
            this.id = id;
            this.data = new DataInputStream(new ByteArrayInputStream(body));
        }

        String string() throws IOException {
            byte[] b = new byte[readVarInt(data)];
            data.readFully(b);
            return new String(b, "UTF-8");
        }
    }

    /** The session server's part of an online-mode login, as the game client plays it. */
    interface SessionJoin {
        void join(String name, String serverHash) throws IOException;
    }

    final Socket socket;
    DataInputStream in;
    DataOutputStream out;
    final int protocol;
    String uuid;
    /** Bytes of the packets read so far, their length prefixes included. */
    long bytesRead;

    TestClient(int port, int protocol) throws IOException {
        this(null, port, protocol);
    }

    /** A client whose connection comes from the given local address (any of 127.0.0.0/8). */
    TestClient(String localAddress, int port, int protocol) throws IOException {
        socket = new Socket();
        if (localAddress != null) {
            socket.bind(new InetSocketAddress(localAddress, 0));
        }
        socket.connect(new InetSocketAddress("127.0.0.1", port), 5000);
        socket.setSoTimeout(5000);
        in = new DataInputStream(socket.getInputStream());
        out = new DataOutputStream(socket.getOutputStream());
        this.protocol = protocol;
    }

    static void writeVarInt(ByteArrayOutputStream out, int v) {
        while ((v & ~0x7F) != 0) {
            out.write((v & 0x7F) | 0x80);
            v >>>= 7;
        }
        out.write(v);
    }

    static int readVarInt(DataInputStream in) throws IOException {
        int v = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            int b = in.readUnsignedByte();
            v |= (b & 0x7F) << shift;
            if ((b & 0x80) == 0) {
                return v;
            }
        }
        throw new IOException("VarInt too long");
    }

    static void writeString(ByteArrayOutputStream out, String s) throws IOException {
        byte[] b = s.getBytes("UTF-8");
        writeVarInt(out, b.length);
        out.write(b);
    }

    void send(int id, byte[] body) throws IOException {
        ByteArrayOutputStream frame = new ByteArrayOutputStream();
        writeVarInt(frame, body.length + 1);
        frame.write(id);
        frame.write(body);
        out.write(frame.toByteArray());
        out.flush();
    }

    void handshake(int nextState) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        writeVarInt(b, protocol);
        writeString(b, "localhost");
        b.write(socket.getPort() >> 8);
        b.write(socket.getPort() & 0xFF);
        writeVarInt(b, nextState);
        send(0x00, b.toByteArray());
    }

    Packet read() throws IOException {
        int len = readVarInt(in);
        if (len <= 0 || len > 2 * 1024 * 1024) {
            throw new IOException("bad length " + len);
        }
        byte[] body = new byte[len];
        in.readFully(body);
        bytesRead += len + (len < 128 ? 1 : len < 16384 ? 2 : 3);
        DataInputStream d = new DataInputStream(new ByteArrayInputStream(body));
        int id = readVarInt(d);
        byte[] rest = new byte[d.available()];
        d.readFully(rest);
        return new Packet(id, rest);
    }

    /** Reads until a packet with the id arrives, answering keep-alives on the way. */
    Packet await(int id) throws IOException {
        long deadline = System.currentTimeMillis() + 5000;
        while (System.currentTimeMillis() < deadline) {
            Packet p = read();
            if (p.id == id) {
                return p;
            }
            if (p.id == 0x00) {
                ByteArrayOutputStream b = new ByteArrayOutputStream();
                new DataOutputStream(b).writeInt(p.data.readInt());
                send(0x00, b.toByteArray());
            }
        }
        throw new IOException("no packet " + id);
    }

    /** Reads chat packets until one contains the text. */
    String awaitChat(String text) throws IOException {
        while (true) {
            String json = await(0x02).string();
            if (json.contains(text)) {
                return json;
            }
        }
    }

    /** Status request and ping; returns the status JSON after checking the pong. */
    String status() throws IOException {
        handshake(1);
        send(0x00, new byte[0]);
        Packet p = read();
        assertEquals(0x00, p.id);
        String json = p.string();
        send(0x01, new byte[] {0, 0, 0, 0, 0, 0, 0x12, 0x34});
        Packet pong = read();
        assertEquals(0x01, pong.id);
        assertEquals(0x1234L, pong.data.readLong());
        return json;
    }

    static String status(int port) throws IOException {
        TestClient c = new TestClient(port, 4);
        try {
            return c.status();
        } finally {
            c.close();
        }
    }

    /** Logs in; returns null when admitted (uuid set), else the login disconnect reason. */
    String login(String name) throws IOException {
        return login(name, null);
    }

    /**
     * Logs in, answering an Encryption Request as the game client does when a session join
     * is given: a new shared secret and the verify token encrypted with the server's key,
     * the join reported with the server hash, then AES/CFB8 both ways.
     */
    String login(String name, SessionJoin session) throws IOException {
        handshake(2);
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        writeString(b, name);
        send(0x00, b.toByteArray());
        Packet p = read();
        if (p.id == 0x01) {
            if (session == null) {
                fail("encryption requested in what should be an offline login");
            }
            encrypt(p, name, session);
            p = read();
        }
        if (p.id == 0x00) {
            return p.string();
        }
        assertEquals(0x02, p.id);
        uuid = p.string();
        assertEquals(name, p.string());
        return null;
    }

    static TestClient join(int port, int protocol, String name) throws IOException {
        TestClient c = new TestClient(port, protocol);
        String refused = c.login(name);
        if (refused != null) {
            fail(name + " refused: " + refused);
        }
        c.await(0x01);
        return c;
    }

    private static byte[] shortBytes(DataInputStream d) throws IOException {
        byte[] b = new byte[d.readUnsignedShort()];
        d.readFully(b);
        return b;
    }

    private void encrypt(Packet request, String name, SessionJoin session) throws IOException {
        try {
            String serverId = request.string();
            byte[] publicKey = shortBytes(request.data);
            byte[] token = shortBytes(request.data);
            byte[] secret = new byte[16];
            new SecureRandom().nextBytes(secret);
            PublicKey key = KeyFactory.getInstance("RSA").generatePublic(new X509EncodedKeySpec(publicKey));
            Cipher rsa = Cipher.getInstance("RSA/ECB/PKCS1Padding");
            rsa.init(Cipher.ENCRYPT_MODE, key);
            byte[] secretOut = rsa.doFinal(secret);
            rsa.init(Cipher.ENCRYPT_MODE, key);
            byte[] tokenOut = rsa.doFinal(token);

            MessageDigest sha1 = MessageDigest.getInstance("SHA-1");
            sha1.update(serverId.getBytes("ISO-8859-1"));
            sha1.update(secret);
            sha1.update(publicKey);
            session.join(name, new BigInteger(sha1.digest()).toString(16));

            ByteArrayOutputStream body = new ByteArrayOutputStream();
            DataOutputStream d = new DataOutputStream(body);
            d.writeShort(secretOut.length);
            d.write(secretOut);
            d.writeShort(tokenOut.length);
            d.write(tokenOut);
            send(0x01, body.toByteArray());

            Cipher dec = Cipher.getInstance("AES/CFB8/NoPadding");
            dec.init(Cipher.DECRYPT_MODE, new SecretKeySpec(secret, "AES"), new IvParameterSpec(secret));
            Cipher enc = Cipher.getInstance("AES/CFB8/NoPadding");
            enc.init(Cipher.ENCRYPT_MODE, new SecretKeySpec(secret, "AES"), new IvParameterSpec(secret));
            in = new DataInputStream(new CipherInputStream(socket.getInputStream(), dec));
            out = new DataOutputStream(new CipherOutputStream(socket.getOutputStream(), enc));
        } catch (GeneralSecurityException ex) {
            throw new IOException(ex);
        }
    }

    void chat(String text) throws IOException {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        writeString(b, text);
        send(0x01, b.toByteArray());
    }

    /** True when the server ends the connection within the time, after any pending data. */
    boolean closedByServer(long timeoutMs) throws IOException {
        socket.setSoTimeout((int) timeoutMs);
        try {
            byte[] buf = new byte[1024];
            while (in.read(buf) >= 0) {
                // skip what is still in flight
            }
            return true;
        } catch (SocketTimeoutException ex) {
            return false;
        } catch (EOFException ex) {
            return true;
        } catch (IOException ex) {
            return true;
        }
    }

    void close() {
        try {
            socket.close();
        } catch (IOException ignored) {
            // closing anyway
        }
    }
}
