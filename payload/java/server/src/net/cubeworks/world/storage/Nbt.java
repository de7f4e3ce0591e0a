package net.cubeworks.world.storage;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.util.Map;
import java.util.zip.Deflater;
import java.util.zip.GZIPInputStream;
import java.util.zip.GZIPOutputStream;
import java.util.zip.Inflater;
import java.util.zip.InflaterInputStream;
import java.util.zip.ZipException;

/**
 * The game's binary tag format (big-endian, modified UTF-8 names), with the gzip and zlib
 * wrappings its files use. Reading works on bytes already in memory, so every length read from
 * the input is checked against what is left before anything is allocated.
 */
public final class Nbt {
    static final byte END = 0, BYTE = 1, SHORT = 2, INT = 3, LONG = 4, FLOAT = 5, DOUBLE = 6,
            BYTE_ARRAY = 7, STRING = 8, LIST = 9, COMPOUND = 10, INT_ARRAY = 11;
    /** Deeper nesting than the game ever writes; bounds the reader's recursion. */
    static final int MAX_DEPTH = 512;
    /**
     * Most bytes any one file or column may unpack to: far above what the game writes (a column
     * full of chests is a few hundred kB), and small enough for a server running in 64 MB.
     */
    static final int MAX_UNPACKED = 8 << 20;

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
        In in = new In(raw);
        byte type = in.u8();
        if (type != COMPOUND) {
            throw new FormatException("the root tag is of type " + type + ", not a compound");
        }
        in.utf();
        try {
            return (NbtCompound) readPayload(in, COMPOUND, 0);
        } catch (StackOverflowError e) {
            // a thread with less stack than the depth limit needs: the file is still not ours to
            // read, and it must not end the thread (the world's threads have room for the limit)
            throw new FormatException("tags nested too deeply for this thread to read");
        }
    }

    /** Big-endian reads from bytes in memory; running past the end is broken input. */
    private static final class In {
        final byte[] b;
        int pos;

        In(byte[] b) {
            this.b = b;
        }

        int left() {
            return b.length - pos;
        }

        void need(int n) throws FormatException {
            if (n > b.length - pos) {
                throw new FormatException("the tag data ends early (" + n + " more bytes needed at byte " + pos + ")");
            }
        }

        byte u8() throws FormatException {
            need(1);
            return b[pos++];
        }

        short u16() throws FormatException {
            need(2);
            int v = (b[pos] & 0xFF) << 8 | (b[pos + 1] & 0xFF);
            pos += 2;
            return (short) v;
        }

        int u32() throws FormatException {
            need(4);
            int v = (b[pos] & 0xFF) << 24 | (b[pos + 1] & 0xFF) << 16 | (b[pos + 2] & 0xFF) << 8 | (b[pos + 3] & 0xFF);
            pos += 4;
            return v;
        }

        long u64() throws FormatException {
            return (long) u32() << 32 | (u32() & 0xFFFFFFFFL);
        }

        /** Modified UTF-8 after a 2-byte length. */
        String utf() throws FormatException {
            int n = u16() & 0xFFFF;
            need(n);
            StringBuilder sb = new StringBuilder(n);
            int end = pos + n;
            while (pos < end) {
                int c = b[pos++] & 0xFF;
                if (c < 0x80) {
                    sb.append((char) c);
                } else if ((c & 0xE0) == 0xC0 && pos < end && (b[pos] & 0xC0) == 0x80) {
                    sb.append((char) ((c & 0x1F) << 6 | (b[pos++] & 0x3F)));
                } else if ((c & 0xF0) == 0xE0 && pos + 1 < end && (b[pos] & 0xC0) == 0x80 && (b[pos + 1] & 0xC0) == 0x80) {
                    sb.append((char) ((c & 0x0F) << 12 | (b[pos] & 0x3F) << 6 | (b[pos + 1] & 0x3F)));
                    pos += 2;
                } else {
                    throw new FormatException("a malformed name or string at byte " + (pos - 1));
                }
            }
            return sb.toString();
        }

        /** An array or list length, checked against what is left before anything is allocated. */
        int length(int elementSize, String what) throws FormatException {
            int n = u32();
            if (n < 0 || (long) n * elementSize > left()) {
                throw new FormatException(what + " of length " + n + " does not fit the " + left() + " bytes left");
            }
            return n;
        }
    }

    private static Object readPayload(In in, byte type, int depth) throws FormatException {
        switch (type) {
        case BYTE:
            return in.u8();
        case SHORT:
            return in.u16();
        case INT:
            return in.u32();
        case LONG:
            return in.u64();
        case FLOAT:
            return Float.intBitsToFloat(in.u32());
        case DOUBLE:
            return Double.longBitsToDouble(in.u64());
        case BYTE_ARRAY: {
            int n = in.length(1, "a byte array");
            byte[] a = java.util.Arrays.copyOfRange(in.b, in.pos, in.pos + n);
            in.pos += n;
            return a;
        }
        case STRING:
            return in.utf();
        case INT_ARRAY: {
            int[] a = new int[in.length(4, "an int array")];
            for (int i = 0; i < a.length; i++) {
                a[i] = in.u32();
            }
            return a;
        }
        case LIST: {
            if (depth >= MAX_DEPTH) {
                throw new FormatException("tags nested deeper than " + MAX_DEPTH);
            }
            byte elementType = in.u8();
            if (elementType < END || elementType > INT_ARRAY) {
                throw new FormatException("a list of unknown tag type " + elementType);
            }
            // every element but End takes at least one byte
            int n = in.length(elementType == END ? 0 : 1, "a list");
            if (elementType == END && n != 0) {
                throw new FormatException("a list of " + n + " End tags");
            }
            NbtList list = new NbtList(elementType);
            for (int i = 0; i < n; i++) {
                list.items.add(readPayload(in, elementType, depth + 1));
            }
            return list;
        }
        case COMPOUND: {
            if (depth >= MAX_DEPTH) {
                throw new FormatException("tags nested deeper than " + MAX_DEPTH);
            }
            NbtCompound c = new NbtCompound();
            while (true) {
                byte t = in.u8();
                if (t == END) {
                    return c;
                }
                if (t < END || t > INT_ARRAY) {
                    throw new FormatException("a tag of unknown type " + t);
                }
                String name = in.utf();
                c.map.put(name, readPayload(in, t, depth + 1));
            }
        }
        default:
            throw new FormatException("a tag of unknown type " + type);
        }
    }

    // ---- writing ------------------------------------------------------------------------------

    /** The root compound under the name "", as the game writes its files. */
    static byte[] write(NbtCompound root) {
        Out out = written(root);
        return java.util.Arrays.copyOf(out.buf, out.size);
    }

    /** The root compound written into this thread's buffer, kept for its next write. */
    private static Out written(NbtCompound root) {
        Out out = OUT.get();
        out.size = 0;
        out.u8(COMPOUND);
        out.utf("");
        writePayload(out, root);
        if (out.buf.length > 1 << 20) {
            OUT.remove(); // a rare big tag: its buffer is not kept
        }
        return out;
    }

    /**
     * The root compound as a region file keeps a column: written, then compressed with zlib at the
     * default level, both in buffers this thread keeps, so a save makes little garbage.
     */
    static byte[] zlibWrite(NbtCompound root) {
        Out out = written(root);
        Deflater d = DEFLATER.get();
        d.reset();
        d.setInput(out.buf, 0, out.size);
        d.finish();
        byte[] packed = PACKED.get();
        int n = 0;
        while (!d.finished()) {
            if (n == packed.length) {
                packed = java.util.Arrays.copyOf(packed, packed.length * 2);
                PACKED.set(packed);
            }
            n += d.deflate(packed, n, packed.length - n);
        }
        return java.util.Arrays.copyOf(packed, n);
    }

    private static final ThreadLocal<Out> OUT = new ThreadLocal<Out>() {
        protected Out initialValue() {
            return new Out(65536);
        }
    };
    private static final ThreadLocal<Deflater> DEFLATER = new ThreadLocal<Deflater>() {
        protected Deflater initialValue() {
            return new Deflater();
        }
    };
    private static final ThreadLocal<byte[]> PACKED = new ThreadLocal<byte[]>() {
        protected byte[] initialValue() {
            return new byte[32768];
        }
    };

    /**
     * A growable big-endian buffer. A column's tags are mostly arrays; copying them straight in
     * (rather than through synchronized stream calls per value) keeps a save cheap even before
     * the JIT has compiled anything.
     */
    private static final class Out {
        byte[] buf;
        int size;

        Out(int capacity) {
            buf = new byte[capacity];
        }

        void room(int n) {
            if (size + n > buf.length) {
                buf = java.util.Arrays.copyOf(buf, Math.max(buf.length * 2, size + n));
            }
        }

        void u8(int v) {
            room(1);
            buf[size++] = (byte) v;
        }

        void u16(int v) {
            room(2);
            buf[size++] = (byte) (v >>> 8);
            buf[size++] = (byte) v;
        }

        void u32(int v) {
            room(4);
            buf[size++] = (byte) (v >>> 24);
            buf[size++] = (byte) (v >>> 16);
            buf[size++] = (byte) (v >>> 8);
            buf[size++] = (byte) v;
        }

        void u64(long v) {
            u32((int) (v >>> 32));
            u32((int) v);
        }

        void bytes(byte[] b) {
            room(b.length);
            System.arraycopy(b, 0, buf, size, b.length);
            size += b.length;
        }

        /** Modified UTF-8 with its 2-byte length, as DataOutput.writeUTF writes it. */
        void utf(String s) {
            int n = 0;
            for (int i = 0; i < s.length(); i++) {
                char c = s.charAt(i);
                n += c >= 1 && c <= 0x7F ? 1 : c <= 0x7FF ? 2 : 3;
            }
            if (n > 65535) {
                throw new IllegalArgumentException("a string of " + n + " bytes does not fit a tag");
            }
            u16(n);
            room(n);
            for (int i = 0; i < s.length(); i++) {
                char c = s.charAt(i);
                if (c >= 1 && c <= 0x7F) {
                    buf[size++] = (byte) c;
                } else if (c <= 0x7FF) {
                    buf[size++] = (byte) (0xC0 | c >> 6);
                    buf[size++] = (byte) (0x80 | c & 0x3F);
                } else {
                    buf[size++] = (byte) (0xE0 | c >> 12);
                    buf[size++] = (byte) (0x80 | c >> 6 & 0x3F);
                    buf[size++] = (byte) (0x80 | c & 0x3F);
                }
            }
        }
    }

    private static void writePayload(Out out, Object v) {
        switch (typeOf(v)) {
        case BYTE:
            out.u8((Byte) v);
            break;
        case SHORT:
            out.u16((Short) v);
            break;
        case INT:
            out.u32((Integer) v);
            break;
        case LONG:
            out.u64((Long) v);
            break;
        case FLOAT:
            out.u32(Float.floatToIntBits((Float) v));
            break;
        case DOUBLE:
            out.u64(Double.doubleToLongBits((Double) v));
            break;
        case BYTE_ARRAY: {
            byte[] a = (byte[]) v;
            out.u32(a.length);
            out.bytes(a);
            break;
        }
        case STRING:
            out.utf((String) v);
            break;
        case INT_ARRAY: {
            int[] a = (int[]) v;
            out.u32(a.length);
            out.room(a.length * 4);
            for (int x : a) {
                out.buf[out.size++] = (byte) (x >>> 24);
                out.buf[out.size++] = (byte) (x >>> 16);
                out.buf[out.size++] = (byte) (x >>> 8);
                out.buf[out.size++] = (byte) x;
            }
            break;
        }
        case LIST: {
            NbtList l = (NbtList) v;
            out.u8(l.items.isEmpty() && l.type == END ? END : l.type);
            out.u32(l.items.size());
            for (Object item : l.items) {
                writePayload(out, item);
            }
            break;
        }
        case COMPOUND:
            for (Map.Entry<String, Object> e : ((NbtCompound) v).entries()) {
                out.u8(typeOf(e.getValue()));
                out.utf(e.getKey());
                writePayload(out, e.getValue());
            }
            out.u8(END);
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

    /** A zlib stream (the compression of region file entries), packed in one call. */
    static byte[] zlib(byte[] raw) {
        Deflater d = new Deflater();
        try {
            d.setInput(raw);
            d.finish();
            byte[] out = new byte[raw.length / 4 + 64];
            int n = 0;
            while (!d.finished()) {
                if (n == out.length) {
                    out = java.util.Arrays.copyOf(out, out.length * 2);
                }
                n += d.deflate(out, n, out.length - n);
            }
            return java.util.Arrays.copyOf(out, n);
        } finally {
            d.end();
        }
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
        Inflater inflater = new Inflater();
        try {
            return drain(new InflaterInputStream(new ByteArrayInputStream(packed, offset, length), inflater, 8192), "zlib");
        } catch (FormatException e) {
            throw e;
        } catch (IOException e) {
            throw new FormatException("not readable as zlib (" + e.getMessage() + ")");
        } finally {
            inflater.end();
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
