package net.cubeworks.world.protocol;

import java.io.EOFException;
import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.Charset;

/** Reads the fields of one received packet; running past its end is a ProtocolException. */
public final class PacketIn {
    private static final Charset UTF8 = Charset.forName("UTF-8");

    /** The client sent something that is not a valid packet. */
    public static final class ProtocolException extends IOException {
        private static final long serialVersionUID = 1L;

        public ProtocolException(String message) {
            super(message);
        }
    }

    private final byte[] data;
    private int pos;

    public PacketIn(byte[] data) {
        this.data = data;
    }

    public int remaining() {
        return data.length - pos;
    }

    private void need(int n) throws ProtocolException {
        if (n < 0 || data.length - pos < n) {
            throw new ProtocolException("packet too short");
        }
    }

    public int readVarInt() throws ProtocolException {
        int value = 0;
        for (int i = 0; i < 5; i++) {
            need(1);
            int b = data[pos++] & 0xFF;
            value |= (b & 0x7F) << (7 * i);
            if ((b & 0x80) == 0) {
                return value;
            }
        }
        throw new ProtocolException("VarInt too big");
    }

    /** A string of at most maxChars characters. */
    public String readString(int maxChars) throws ProtocolException {
        int len = readVarInt();
        if (len < 0 || len > maxChars * 4) {
            throw new ProtocolException("string too long");
        }
        need(len);
        String s = new String(data, pos, len, UTF8);
        pos += len;
        if (s.length() > maxChars) {
            throw new ProtocolException("string too long");
        }
        return s;
    }

    public int readUnsignedByte() throws ProtocolException {
        need(1);
        return data[pos++] & 0xFF;
    }

    public int readUnsignedShort() throws ProtocolException {
        need(2);
        int v = ((data[pos] & 0xFF) << 8) | (data[pos + 1] & 0xFF);
        pos += 2;
        return v;
    }

    /** A byte array prefixed with its length as an unsigned short, at most max bytes. */
    public byte[] readShortBytes(int max) throws ProtocolException {
        int len = readUnsignedShort();
        if (len > max) {
            throw new ProtocolException("byte array too long");
        }
        need(len);
        byte[] b = new byte[len];
        System.arraycopy(data, pos, b, 0, len);
        pos += len;
        return b;
    }

    public int readByte() throws ProtocolException {
        return (byte) readUnsignedByte();
    }

    public boolean readBoolean() throws ProtocolException {
        return readUnsignedByte() != 0;
    }

    public int readShort() throws ProtocolException {
        return (short) readUnsignedShort();
    }

    public float readFloat() throws ProtocolException {
        return Float.intBitsToFloat(readInt());
    }

    public double readDouble() throws ProtocolException {
        return Double.longBitsToDouble(readLong());
    }

    /** Skips n bytes, which must all be there. */
    public void skip(int n) throws ProtocolException {
        need(n);
        pos += n;
    }

    public int readInt() throws ProtocolException {
        return (readUnsignedShort() << 16) | readUnsignedShort();
    }

    public long readLong() throws ProtocolException {
        return ((long) readInt() << 32) | (readInt() & 0xFFFFFFFFL);
    }

    /**
     * Reads one VarInt from a stream whose first byte has already been read. A stream
     * that ends inside the VarInt gives an EOFException.
     */
    public static int readVarInt(int firstByte, InputStream in, int maxBytes) throws IOException {
        int value = 0;
        int b = firstByte;
        for (int i = 0; ; i++) {
            if (b < 0) {
                throw new EOFException();
            }
            value |= (b & 0x7F) << (7 * i);
            if ((b & 0x80) == 0) {
                return value;
            }
            if (i + 1 >= maxBytes) {
                throw new ProtocolException("VarInt too big");
            }
            b = in.read();
        }
    }

    /** Fills the array from the stream or fails with an EOFException. */
    public static void readFully(InputStream in, byte[] buf) throws IOException {
        int off = 0;
        while (off < buf.length) {
            int n = in.read(buf, off, buf.length - off);
            if (n < 0) {
                throw new EOFException();
            }
            off += n;
        }
    }
}
