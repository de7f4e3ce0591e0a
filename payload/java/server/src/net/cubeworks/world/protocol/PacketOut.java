package net.cubeworks.world.protocol;

import java.io.ByteArrayOutputStream;
import java.nio.charset.Charset;

/**
 * Builds one packet: its id and fields, then the length-prefixed frame for the wire. The fields
 * go into one array with room for the length before them, so the frame is one copy of it.
 */
public final class PacketOut {
    private static final Charset UTF8 = Charset.forName("UTF-8");
    /** Room kept before the body for its length, a VarInt of at most 5 bytes. */
    private static final int HEAD = 5;
    private byte[] buf;
    /** Where the body starts: the room kept before it for the length. */
    private final int head;
    private int pos;

    public PacketOut(int packetId) {
        this(packetId, 32);
    }

    /** A packet whose body (id and fields) is about the given size. */
    public PacketOut(int packetId, int expectedSize) {
        head = HEAD;
        pos = head;
        buf = new byte[HEAD + Math.max(8, expectedSize + 5)];
        writeVarInt(packetId);
    }

    private PacketOut(int packetId, int bodyLength, boolean exact) {
        head = varIntSize(bodyLength);
        pos = head;
        buf = new byte[head + bodyLength];
        writeVarInt(packetId);
    }

    /**
     * A packet whose body (id and fields) will be exactly the given length: its frame is then the
     * array it was written into, with no copy (a large packet, as a Map Chunk Bulk, is not copied).
     */
    public static PacketOut sized(int packetId, int bodyLength) {
        return new PacketOut(packetId, bodyLength, true);
    }

    static int varIntSize(int value) {
        int size = 1;
        for (int v = value; (v & ~0x7F) != 0; v >>>= 7) {
            size++;
        }
        return size;
    }

    /** Appends the VarInt encoding of value: 7 bits per byte, low bits first. */
    public static void writeVarInt(ByteArrayOutputStream out, int value) {
        while ((value & ~0x7F) != 0) {
            out.write((value & 0x7F) | 0x80);
            value >>>= 7;
        }
        out.write(value);
    }

    private void room(int n) {
        if (pos + n > buf.length) {
            buf = java.util.Arrays.copyOf(buf, Math.max(pos + n, buf.length * 2));
        }
    }

    public PacketOut writeVarInt(int value) {
        room(5);
        while ((value & ~0x7F) != 0) {
            buf[pos++] = (byte) ((value & 0x7F) | 0x80);
            value >>>= 7;
        }
        buf[pos++] = (byte) value;
        return this;
    }

    /** A UTF-8 string prefixed with its byte count as a VarInt. */
    public PacketOut writeString(String s) {
        byte[] b = s.getBytes(UTF8);
        writeVarInt(b.length);
        return writeBytes(b);
    }

    public PacketOut writeByte(int v) {
        room(1);
        buf[pos++] = (byte) v;
        return this;
    }

    public PacketOut writeBoolean(boolean v) {
        return writeByte(v ? 1 : 0);
    }

    public PacketOut writeShort(int v) {
        room(2);
        buf[pos++] = (byte) (v >>> 8);
        buf[pos++] = (byte) v;
        return this;
    }

    public PacketOut writeInt(int v) {
        room(4);
        buf[pos++] = (byte) (v >>> 24);
        buf[pos++] = (byte) (v >>> 16);
        buf[pos++] = (byte) (v >>> 8);
        buf[pos++] = (byte) v;
        return this;
    }

    public PacketOut writeLong(long v) {
        writeInt((int) (v >>> 32));
        return writeInt((int) v);
    }

    public PacketOut writeFloat(float v) {
        return writeInt(Float.floatToIntBits(v));
    }

    public PacketOut writeDouble(double v) {
        return writeLong(Double.doubleToLongBits(v));
    }

    public PacketOut writeBytes(byte[] b) {
        room(b.length);
        System.arraycopy(b, 0, buf, pos, b.length);
        pos += b.length;
        return this;
    }

    /** The packet id and fields without the length prefix. */
    public byte[] body() {
        return java.util.Arrays.copyOfRange(buf, head, pos);
    }

    /** The frame: VarInt length, then id and fields. */
    public byte[] frame() {
        int length = pos - head;
        int size = varIntSize(length);
        if (size > head) {
            // a sized packet written past its length: the frame is made anew
            byte[] b = new byte[size + length];
            System.arraycopy(buf, head, b, size, length);
            writeLength(b, 0, size, length);
            return b;
        }
        int at = head - size;
        writeLength(buf, at, size, length);
        return at == 0 && pos == buf.length ? buf : java.util.Arrays.copyOfRange(buf, at, pos);
    }

    private static void writeLength(byte[] b, int at, int size, int length) {
        int v = length;
        for (int i = at; i < at + size; i++) {
            b[i] = (byte) (i == at + size - 1 ? v & 0x7F : (v & 0x7F) | 0x80);
            v >>>= 7;
        }
    }
}
