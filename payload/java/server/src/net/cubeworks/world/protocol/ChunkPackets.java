package net.cubeworks.world.protocol;

import java.io.ByteArrayOutputStream;
import java.util.ArrayList;
import java.util.List;
import java.util.zip.Adler32;
import java.util.zip.Deflater;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Column;


/**
 * The packets that carry columns to a client: Map Chunk Bulk for up to
 * {@link #MAX_PER_PACKET} columns (the client sets aside about 197 KB for each) and the
 * ground-up Chunk Data with empty bit maps that makes the client drop a column.
 * An unmodified flat column always has the same bytes, so a packet of only flat columns
 * reuses data compressed once. Any other column is compressed by itself, at {@link #LEVEL}, from
 * a copy taken under the world lock (its arrays shared until the column changes), into buffers
 * each thread keeps; a column around the spawn keeps what it was compressed to until it changes.
 * The columns a packet holds are joined into one zlib stream, written straight into the frame, so
 * what a column keeps is used without compressing it again.
 */
public final class ChunkPackets {
    public static final int MAX_PER_PACKET = 10;
    /** Largest frame the client takes: the length is a VarInt of at most 3 bytes. */
    public static final int MAX_FRAME = 2097151;

    /** One column about to be sent: where, which sections, and its data, compressed or not. */
    public static final class Entry {
        final int x;
        final int z;
        final int mask;
        /** null: the unmodified flat column, or one whose data is already compressed or to be made from a copy. */
        final byte[] data;
        /** The column's data compressed on its own, from the column's cache; else null. */
        Packed packed;
        /** A copy of the column as it was when the entry was made (arrays shared): its data is made from that. */
        Column copy;
        /** The column itself, and its version when copied, to keep the compressed data in. */
        Column source;
        int version;

        public Entry(int x, int z, int mask, byte[] data) {
            this.x = x;
            this.z = z;
            this.mask = mask;
            this.data = data;
        }

        public static Entry flat(int x, int z) {
            return new Entry(x, z, FLAT_MASK, null);
        }

        /**
         * The column as it is now, for sending: its compressed form when it was sent unchanged
         * before, else a copy of it (sharing its arrays) that is compressed later, on any thread.
         */
        public static Entry of(Column c) {
            Object cached = c.sendCache;
            int version = c.version();
            if (cached instanceof Packed && ((Packed) cached).version == version) {
                Packed p = (Packed) cached;
                Entry e = new Entry(c.x, c.z, p.mask, null);
                e.packed = p;
                return e;
            }
            Entry e = new Entry(c.x, c.z, c.sectionMask(), null);
            e.copy = c.copy();
            e.source = c;
            e.version = version;
            return e;
        }

        boolean flat() {
            return data == null && packed == null && copy == null;
        }

        /** The compressed data, compressing it now (and keeping it with a spawn column) when it is not yet. */
        Packed packed() {
            if (packed != null) {
                return packed;
            }
            if (copy != null) {
                byte[] raw = RAW.get();
                int n = copy.chunkData(mask, raw);
                packed = new Packed(raw, n, mask, version);
                copy = null;
                if (source.keepSendCache && source.version() == version) {
                    source.sendCache = packed; // sent unchanged again: compressed once
                }
            } else if (data != null) {
                packed = new Packed(data, data.length, mask, version);
            } else {
                packed = FLAT_PACKED;
            }
            return packed;
        }
    }

    /**
     * A column's data compressed by itself as deflate blocks ending on a byte (a sync flush), with
     * its Adler-32 and length: the blocks of several columns in a row, a final empty block, the
     * zlib header and the combined checksum make the zlib stream of a Map Chunk Bulk.
     */
    static final class Packed {
        final byte[] blocks;
        final int adler;
        final int length;
        final int mask;
        final int version;

        Packed(byte[] raw, int rawLength, int mask, int version) {
            Deflater d = DEFLATER.get();
            d.reset();
            d.setInput(raw, 0, rawLength);
            byte[] out = SCRATCH.get();
            int n = 0;
            while (true) {
                if (n == out.length) {
                    out = java.util.Arrays.copyOf(out, out.length * 2);
                    SCRATCH.set(out);
                }
                n += d.deflate(out, n, out.length - n, Deflater.SYNC_FLUSH);
                if (n < out.length && d.needsInput()) {
                    break;
                }
            }
            blocks = java.util.Arrays.copyOf(out, n);
            Adler32 a = ADLER.get();
            a.reset();
            a.update(raw, 0, rawLength);
            adler = (int) a.getValue();
            length = rawLength;
            this.mask = mask;
            this.version = version;
        }
    }

    /**
     * How hard a column is compressed. Measured on the 441 natural columns of a spawn area, each
     * compressed by itself on one core (the world bench, mode footprint-levels): level 1 sends
     * 1,232 kB in 45 ms, 4 sends 917 kB in 92 ms, 5 sends 878 kB in 133 ms, 6 sends 858 kB in
     * 226 ms and 9 sends 822 kB in 1.7 s. Level 5 is the last step that costs little: each step on
     * costs about twice the time for 2 % fewer bytes, and at 4 a join's packets come close to the
     * 944 kB the same land takes from a server of the time. Over the generator pool's threads a
     * join's columns take a few tens of milliseconds more than at level 1, and the spawn's
     * columns, which every joining player is sent, are compressed once, at the start, and kept
     * (see {@link Column#keepSendCache}).
     */
    public static final int LEVEL = 5;
    /** The zlib header for the level: deflate with a 32K window, the level's hint, the check bits. */
    private static final int HEADER = header(LEVEL);

    static int header(int level) {
        int hint = level <= 1 ? 0 : level <= 5 ? 1 : level == 6 ? 2 : 3;
        int cmf = 0x78;
        int flg = hint << 6;
        flg += 31 - ((cmf << 8 | flg) % 31);
        return cmf << 8 | flg;
    }

    /** One compressor per thread, reset for each column, so no column makes and ends a zlib stream of its own. */
    private static final ThreadLocal<Deflater> DEFLATER = new ThreadLocal<Deflater>() {
        protected Deflater initialValue() {
            return new Deflater(LEVEL, true);
        }
    };
    /** Room for a column's data before it is compressed, per thread: the most 16 sections and the biomes take. */
    private static final ThreadLocal<byte[]> RAW = new ThreadLocal<byte[]>() {
        protected byte[] initialValue() {
            return new byte[16 * 10240 + 256];
        }
    };
    private static final ThreadLocal<Adler32> ADLER = new ThreadLocal<Adler32>() {
        protected Adler32 initialValue() {
            return new Adler32();
        }
    };
    /** Room for a column's compressed data, per thread; it grows when a column needs more. */
    private static final ThreadLocal<byte[]> SCRATCH = new ThreadLocal<byte[]>() {
        protected byte[] initialValue() {
            return new byte[32768];
        }
    };

    /**
     * Compresses the column's data now and keeps it with the column (one whose data is worth its
     * memory: see {@link Column#keepSendCache}), so the first player sent it finds it ready.
     * Outside the world lock only while nothing changes the column.
     */
    public static void prepare(Column c) {
        Object cached = c.sendCache;
        int version = c.version();
        if (cached instanceof Packed && ((Packed) cached).version == version) {
            return;
        }
        int mask = c.sectionMask();
        byte[] raw = RAW.get();
        Packed p = new Packed(raw, c.chunkData(mask, raw), mask, version);
        if (c.version() == version) {
            c.sendCache = p;
        }
    }

    /** The Adler-32 of two pieces of data in a row, from the checksums of each and the second's length. */
    static int adlerCombine(int first, int second, int secondLength) {
        final long base = 65521;
        long rem = (secondLength & 0xFFFFFFFFL) % base;
        long a1 = first & 0xFFFFL;
        long b1 = (first >>> 16) & 0xFFFFL;
        long a2 = second & 0xFFFFL;
        long b2 = (second >>> 16) & 0xFFFFL;
        long a = (a1 + a2 + base - 1) % base;
        long b = (rem * a1 + b1 + b2 + base - rem) % base;
        return (int) (b << 16 | a);
    }

    static final int FLAT_MASK = 1;
    /** The uncompressed data of one flat column. */
    static final byte[] FLAT_DATA = Column.flat(0, 0).chunkData(FLAT_MASK);
    /** FLAT_COMPRESSED[n]: the data of n flat columns in a row, compressed. */
    private static final byte[][] FLAT_COMPRESSED = new byte[MAX_PER_PACKET + 1][];

    static {
        for (int n = 1; n <= MAX_PER_PACKET; n++) {
            ByteArrayOutputStream raw = new ByteArrayOutputStream(FLAT_DATA.length * n);
            for (int i = 0; i < n; i++) {
                raw.write(FLAT_DATA, 0, FLAT_DATA.length);
            }
            FLAT_COMPRESSED[n] = deflate(raw.toByteArray());
        }
    }

    private ChunkPackets() {
    }

    static byte[] deflate(byte[] raw) {
        Deflater d = new Deflater(Deflater.DEFAULT_COMPRESSION);
        try {
            d.setInput(raw);
            d.finish();
            ByteArrayOutputStream out = new ByteArrayOutputStream(raw.length / 4 + 64);
            byte[] buf = new byte[16384];
            while (!d.finished()) {
                int n = d.deflate(buf);
                out.write(buf, 0, n);
            }
            return out.toByteArray();
        } finally {
            d.end();
        }
    }

    /** True when the packet can be built from cached bytes without compressing anything. */
    public static boolean allFlat(List<Entry> entries) {
        for (Entry e : entries) {
            if (!e.flat()) {
                return false;
            }
        }
        return true;
    }

    /** The compressed data of a flat column by itself, for packets that mix flat and other columns. */
    private static final Packed FLAT_PACKED = new Packed(FLAT_DATA, FLAT_DATA.length, FLAT_MASK, 0);

    /** The length of the zlib stream of the group's columns in a row (each compressed first, when not yet). */
    private static int joinedLength(List<Entry> group) {
        int n = 2 + 2 + 4; // header, the final empty block, the checksum
        for (Entry e : group) {
            n += e.packed().blocks.length;
        }
        return n;
    }

    /** Writes the zlib stream of the columns' data in a row, from each column's compressed blocks. */
    private static void writeJoined(List<Entry> group, PacketOut out) {
        out.writeByte(HEADER >> 8); // deflate, 32K window
        out.writeByte(HEADER); // the level's hint; the header's check bits
        int adler = 1;
        for (Entry e : group) {
            Packed p = e.packed();
            out.writeBytes(p.blocks);
            adler = adlerCombine(adler, p.adler, p.length);
        }
        out.writeByte(0x03); // a final, empty block
        out.writeByte(0x00);
        out.writeInt(adler);
    }

    /**
     * The frames of Update Sign packets for the column's signs, which follow the column's data
     * to a client as the game sends them: the client keeps no text of a sign it was not sent.
     * Empty for a column without signs (or null, the flat ground).
     */
    public static List<byte[]> signFrames(Column c) {
        List<byte[]> out = new ArrayList<byte[]>();
        if (c != null) {
            for (BlockEntity e : c.blockEntities()) {
                if (e instanceof BlockEntity.Sign) {
                    out.add(PlayPackets.updateSign(e.x, e.y, e.z, ((BlockEntity.Sign) e).lines()).frame());
                }
            }
        }
        return out;
    }

    /**
     * The frames of Map Chunk Bulk packets for the columns, in their order, at most
     * {@link #MAX_PER_PACKET} columns a packet; a group whose packet would be too large for
     * the client is split further.
     */
    public static List<byte[]> bulkFrames(List<Entry> entries) {
        List<byte[]> frames = new ArrayList<byte[]>();
        for (int i = 0; i < entries.size(); i += MAX_PER_PACKET) {
            addBulk(entries.subList(i, Math.min(entries.size(), i + MAX_PER_PACKET)), frames);
        }
        return frames;
    }

    private static void addBulk(List<Entry> group, List<byte[]> frames) {
        boolean flat = allFlat(group);
        int length = flat ? FLAT_COMPRESSED[group.size()].length : joinedLength(group);
        if (length + group.size() * 12 + 16 > MAX_FRAME && group.size() > 1) {
            int half = group.size() / 2;
            addBulk(group.subList(0, half), frames);
            addBulk(group.subList(half, group.size()), frames);
            return;
        }
        PacketOut p = PacketOut.sized(PlayPackets.MAP_CHUNK_BULK, PacketOut.varIntSize(PlayPackets.MAP_CHUNK_BULK) + 7
                + length + 12 * group.size()).writeShort(group.size()).writeInt(length).writeBoolean(true);
        if (flat) {
            p.writeBytes(FLAT_COMPRESSED[group.size()]);
        } else {
            writeJoined(group, p);
        }
        for (Entry e : group) {
            p.writeInt(e.x).writeInt(e.z).writeShort(e.mask).writeShort(0);
        }
        frames.add(p.frame());
    }

}
