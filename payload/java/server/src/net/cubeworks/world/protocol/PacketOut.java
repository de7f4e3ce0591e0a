package net.cubeworks.world.protocol;

import java.io.ByteArrayOutputStream;
import java.nio.charset.Charset;

/** Builds one packet: its id and fields, then the length-prefixed frame for the wire. */
public final class PacketOut {
    private static final Charset UTF8 = Charset.forName("UTF-8");
    private final ByteArrayOutputStream body = new ByteArrayOutputStream(64);

    public PacketOut(int packetId) {
        writeVarInt(packetId);
    }

    /** Appends the VarInt encoding of value: 7 bits per byte, low bits first. */
    public static void writeVarInt(ByteArrayOutputStream out, int value) {
        while ((value & ~0x7F) != 0) {
            out.write((value & 0x7F) | 0x80);
            value >>>= 7;
        }
        out.write(value);
    }

    public PacketOut writeVarInt(int value) {
        writeVarInt(body, value);
        return this;
    }

    /** A UTF-8 string prefixed with its byte count as a VarInt. */
    public PacketOut writeString(String s) {
        byte[] b = s.getBytes(UTF8);
        writeVarInt(b.length);
        body.write(b, 0, b.length);
        return this;
    }

    public PacketOut writeByte(int v) {
        body.write(v & 0xFF);
        return this;
    }

    public PacketOut writeBoolean(boolean v) {
        return writeByte(v ? 1 : 0);
    }

    public PacketOut writeShort(int v) {
        body.write((v >>> 8) & 0xFF);
        body.write(v & 0xFF);
        return this;
    }

    public PacketOut writeInt(int v) {
        writeShort(v >>> 16);
        return writeShort(v);
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
        body.write(b, 0, b.length);
        return this;
    }

    /** The packet id and fields without the length prefix. */
    public byte[] body() {
        return body.toByteArray();
    }

    /** The frame: VarInt length, then id and fields. */
    public byte[] frame() {
        byte[] b = body.toByteArray();
        ByteArrayOutputStream out = new ByteArrayOutputStream(b.length + 5);
        writeVarInt(out, b.length);
        out.write(b, 0, b.length);
        return out.toByteArray();
    }
}
