package net.cubeworks.world.storage;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.util.Map;
import java.util.zip.DeflaterOutputStream;
import java.util.zip.GZIPInputStream;
import java.util.zip.GZIPOutputStream;
import java.util.zip.InflaterInputStream;
import java.util.zip.ZipException;

/**
 * The game's binary tag format (big-endian, modified UTF-8 names), with the gzip and zlib
 * wrappings its files use. Reading works on bytes already in memory, so every length read from
 * the input is checked against what is left before anything is allocated.
 */
final class Nbt {
    static final byte END = 0, BYTE = 1, SHORT = 2, INT = 3, LONG = 4, FLOAT = 5, DOUBLE = 6,
            BYTE_ARRAY = 7, STRING = 8, LIST = 9, COMPOUND = 10, INT_ARRAY = 11;
    /** Deeper nesting than the game ever writes; bounds the reader's recursion. */
    static final int MAX_DEPTH = 512;
    /** Most bytes any one file or chunk may unpack to. */
    static final int MAX_UNPACKED = 16 << 20;

    private Nbt() {
    }

    /** Broken tag data, with what was wrong. */
    static final class FormatException extends IOException {
        private static final long serialVersionUID = 1L;

        FormatException(String message) {
            super(message);
        }
    }

    static byte typeOf(Object v) {
        if (v instanceof Byte) return BYTE;
        if (v instanceof Short) return SHORT;
        if (v instanceof Integer) return INT;
        if (v instanceof Long) return LONG;
        if (v instanceof Float) return FLOAT;
        if (v instanceof Double) return DOUBLE;
        if (v instanceof byte[]) return BYTE_ARRAY;
        if (v instanceof String) return STRING;
        if (v instanceof NbtList) return LIST;
        if (v instanceof NbtCompound) return COMPOUND;
        if (v instanceof int[]) return INT_ARRAY;
        return END;
    }

    // ---- reading ------------------------------------------------------------------------------

    /** Reads an unpacked file: one named compound (the name, "" in the game's files, is dropped). */
    static NbtCompound read(byte[] raw) throws FormatException {
        ByteArrayInputStream bytes = new ByteArrayInputStream(raw);
        DataInputStream in = new DataInputStream(bytes);
        try {
            byte type = in.readByte();
            if (type != COMPOUND) {
                throw new FormatException("the root tag is of type " + type + ", not a compound");
            }
            in.readUTF();
            return (NbtCompound) readPayload(in, bytes, COMPOUND, 0);
        } catch (FormatException e) {
            throw e;
        } catch (IOException e) {
            // EOF or a malformed name, in bytes already in memory
            throw new FormatException("the tag data ends early or holds a malformed name (" + e + ")");
        }
    }

    private static int length(DataInputStream in, ByteArrayInputStream left, int elementSize, String what)
            throws IOException {
        int n = in.readInt();
        if (n < 0 || (long) n * elementSize > left.available()) {
            throw new FormatException(what + " of length " + n + " does not fit the " + left.available()
                    + " bytes left");
        }
        return n;
    }

    private static Object readPayload(DataInputStream in, ByteArrayInputStream left, byte type, int depth)
            throws IOException {
        switch (type) {
        case BYTE:
            return in.readByte();
        case SHORT:
            return in.readShort();
        case INT:
            return in.readInt();
        case LONG:
            return in.readLong();
        case FLOAT:
            return in.readFloat();
        case DOUBLE:
            return in.readDouble();
        case BYTE_ARRAY: {
            byte[] a = new byte[length(in, left, 1, "a byte array")];
            in.readFully(a);
            return a;
        }
        case STRING:
            return in.readUTF();
        case INT_ARRAY: {
            int[] a = new int[length(in, left, 4, "an int array")];
            for (int i = 0; i < a.length; i++) {
                a[i] = in.readInt();
            }
            return a;
        }
        case LIST: {
            if (depth >= MAX_DEPTH) {
                throw new FormatException("tags nested deeper than " + MAX_DEPTH);
            }
            byte elementType = in.readByte();
            if (elementType < END || elementType > INT_ARRAY) {
                throw new FormatException("a list of unknown tag type " + elementType);
            }
            // every element but End takes at least one byte
            int n = length(in, left, elementType == END ? 0 : 1, "a list");
            if (elementType == END && n != 0) {
                throw new FormatException("a list of " + n + " End tags");
            }
            NbtList list = new NbtList(elementType);
            for (int i = 0; i < n; i++) {
                list.items.add(readPayload(in, left, elementType, depth + 1));
            }
            return list;
        }
        case COMPOUND: {
            if (depth >= MAX_DEPTH) {
                throw new FormatException("tags nested deeper than " + MAX_DEPTH);
            }
            NbtCompound c = new NbtCompound();
            while (true) {
                byte t = in.readByte();
                if (t == END) {
                    return c;
                }
                if (t < END || t > INT_ARRAY) {
                    throw new FormatException("a tag of unknown type " + t);
                }
                String name = in.readUTF();
                c.map.put(name, readPayload(in, left, t, depth + 1));
            }
        }
        default:
            throw new FormatException("a tag of unknown type " + type);
        }
    }

    // ---- writing ------------------------------------------------------------------------------

    /** The root compound under the name "", as the game writes its files. */
    static byte[] write(NbtCompound root) {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream(4096);
        try {
            write(root, bytes);
        } catch (IOException e) {
            throw new IllegalStateException(e); // memory streams do not fail
        }
        return bytes.toByteArray();
    }

    static void write(NbtCompound root, OutputStream out) throws IOException {
        DataOutputStream d = new DataOutputStream(out);
        d.writeByte(COMPOUND);
        d.writeUTF("");
        writePayload(d, root);
        d.flush();
    }

    private static void writePayload(DataOutputStream out, Object v) throws IOException {
        switch (typeOf(v)) {
        case BYTE:
            out.writeByte((Byte) v);
            break;
        case SHORT:
            out.writeShort((Short) v);
            break;
        case INT:
            out.writeInt((Integer) v);
            break;
        case LONG:
            out.writeLong((Long) v);
            break;
        case FLOAT:
            out.writeFloat((Float) v);
            break;
        case DOUBLE:
            out.writeDouble((Double) v);
            break;
        case BYTE_ARRAY: {
            byte[] a = (byte[]) v;
            out.writeInt(a.length);
            out.write(a);
            break;
        }
        case STRING:
            out.writeUTF((String) v);
            break;
        case INT_ARRAY: {
            int[] a = (int[]) v;
            out.writeInt(a.length);
            for (int x : a) {
                out.writeInt(x);
            }
            break;
        }
        case LIST: {
            NbtList l = (NbtList) v;
            out.writeByte(l.items.isEmpty() && l.type == END ? END : l.type);
            out.writeInt(l.items.size());
            for (Object item : l.items) {
                writePayload(out, item);
            }
            break;
        }
        case COMPOUND:
            for (Map.Entry<String, Object> e : ((NbtCompound) v).entries()) {
                out.writeByte(typeOf(e.getValue()));
                out.writeUTF(e.getKey());
                writePayload(out, e.getValue());
            }
            out.writeByte(END);
            break;
        default:
            throw new IllegalArgumentException("not an NBT value: " + v);
        }
    }

    // ---- the wrappings ------------------------------------------------------------------------

    static byte[] gzip(byte[] raw) {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream(raw.length / 2 + 64);
        try {
            GZIPOutputStream z = new GZIPOutputStream(bytes);
            z.write(raw);
            z.close();
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
        return bytes.toByteArray();
    }

    static byte[] zlib(byte[] raw) {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream(raw.length / 4 + 64);
        try {
            DeflaterOutputStream z = new DeflaterOutputStream(bytes);
            z.write(raw);
            z.close();
        } catch (IOException e) {
            throw new IllegalStateException(e);
        }
        return bytes.toByteArray();
    }

    static byte[] gunzip(byte[] packed) throws FormatException {
        try {
            return drain(new GZIPInputStream(new ByteArrayInputStream(packed)), "gzip");
        } catch (FormatException e) {
            throw e;
        } catch (IOException e) {
            throw new FormatException("not readable as gzip (" + e.getMessage() + ")");
        }
    }

    static byte[] unzlib(byte[] packed, int offset, int length) throws FormatException {
        try {
            return drain(new InflaterInputStream(new ByteArrayInputStream(packed, offset, length)), "zlib");
        } catch (FormatException e) {
            throw e;
        } catch (IOException e) {
            throw new FormatException("not readable as zlib (" + e.getMessage() + ")");
        }
    }

    static byte[] ungzip(byte[] packed, int offset, int length) throws FormatException {
        try {
            return drain(new GZIPInputStream(new ByteArrayInputStream(packed, offset, length)), "gzip");
        } catch (FormatException e) {
            throw e;
        } catch (IOException e) {
            throw new FormatException("not readable as gzip (" + e.getMessage() + ")");
        }
    }

    private static byte[] drain(InputStream in, String what) throws IOException {
        ByteArrayOutputStream out = new ByteArrayOutputStream(16384);
        byte[] buf = new byte[8192];
        try {
            int n;
            while ((n = in.read(buf)) > 0) {
                if (out.size() + n > MAX_UNPACKED) {
                    throw new FormatException(what + " data unpacks to more than " + MAX_UNPACKED + " bytes");
                }
                out.write(buf, 0, n);
            }
        } catch (ZipException e) {
            throw new FormatException("broken " + what + " data (" + e.getMessage() + ")");
        } catch (java.io.EOFException e) {
            throw new FormatException(what + " data ends early");
        } finally {
            in.close();
        }
        return out.toByteArray();
    }
}
