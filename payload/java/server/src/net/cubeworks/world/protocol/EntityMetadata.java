package net.cubeworks.world.protocol;

import java.io.ByteArrayOutputStream;

/**
 * An entity's metadata as the 1.7 client reads it: entries of a type (byte, short, int, float,
 * string) and an index, each a header byte {@code type << 5 | index} and the value, then 0x7F.
 */
public final class EntityMetadata {
    private final ByteArrayOutputStream out = new ByteArrayOutputStream();

    public EntityMetadata putByte(int index, int value) {
        out.write(index & 0x1F);
        out.write(value);
        return this;
    }

    public EntityMetadata putShort(int index, int value) {
        out.write(1 << 5 | index & 0x1F);
        out.write(value >> 8);
        out.write(value);
        return this;
    }

    public EntityMetadata putInt(int index, int value) {
        out.write(2 << 5 | index & 0x1F);
        writeInt(value);
        return this;
    }

    public EntityMetadata putFloat(int index, float value) {
        out.write(3 << 5 | index & 0x1F);
        writeInt(Float.floatToIntBits(value));
        return this;
    }

    public EntityMetadata putString(int index, String value) {
        out.write(4 << 5 | index & 0x1F);
        byte[] b = value.getBytes(java.nio.charset.StandardCharsets.UTF_8);
        PacketOut.writeVarInt(out, b.length);
        out.write(b, 0, b.length);
        return this;
    }

    private void writeInt(int v) {
        out.write(v >>> 24);
        out.write(v >>> 16);
        out.write(v >>> 8);
        out.write(v);
    }

    /** The entries and the end marker. */
    public byte[] bytes() {
        byte[] b = out.toByteArray();
        byte[] all = java.util.Arrays.copyOf(b, b.length + 1);
        all[b.length] = 0x7F;
        return all;
    }
}
