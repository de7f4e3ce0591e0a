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
 * reuses data compressed once. Any other column is compressed by itself (for speed: a join into
 * 441 columns of varied land is megabytes of data), and a column around the spawn keeps that with
 * it until it changes; the columns a packet holds are joined into one zlib stream, so what a
 * column keeps is used without compressing it again.
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
        /** null: the unmodified flat column, or one whose data is already compressed. */
        final byte[] data;
        /** The column's data compressed on its own, from the column's cache; else null. */
        Packed packed;
        /** The column the data was made from, and its version then, to keep the compressed data in. */
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

        /** The column's data; its compressed form when it was sent unchanged before. */
        public static Entry of(Column c) {
            Object cached = c.sendCache;
            int version = c.version();
            if (cached instanceof Packed && ((Packed) cached).version == version) {
                Packed p = (Packed) cached;
                Entry e = new Entry(c.x, c.z, p.mask, null);
                e.packed = p;
                return e;
            }
            int mask = c.sectionMask();
            Entry e = new Entry(c.x, c.z, mask, c.chunkData(mask));
            e.source = c;
            e.version = version;
            return e;
        }

        boolean flat() {
            return data == null && packed == null;
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

        Packed(byte[] raw, int mask, int version) {
            Deflater d = new Deflater(Deflater.BEST_SPEED, true);
            try {
                d.setInput(raw);
                ByteArrayOutputStream out = new ByteArrayOutputStream(raw.length / 6 + 64);
                byte[] buf = new byte[16384];
                while (true) {
                    int n = d.deflate(buf, 0, buf.length, Deflater.SYNC_FLUSH);
                    out.write(buf, 0, n);
                    if (n < buf.length && d.needsInput()) {
                        break;
                    }
                }
                blocks = out.toByteArray();
            } finally {
                d.end();
            }
            Adler32 a = new Adler32();
            a.update(raw, 0, raw.length);
            adler = (int) a.getValue();
            length = raw.length;
            this.mask = mask;
            this.version = version;
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
    private static final Packed FLAT_PACKED = new Packed(FLAT_DATA, FLAT_MASK, 0);

    /** The zlib stream of the columns' data in a row, from each column's compressed blocks. */
    private static byte[] joined(List<Entry> group) {
        ByteArrayOutputStream out = new ByteArrayOutputStream();
        out.write(0x78); // deflate, 32K window
        out.write(0x01); // fastest; the header's check bits
        int adler = 1;
        for (Entry e : group) {
            Packed p = e.packed;
            if (p == null) {
                if (e.data == null) {
                    p = FLAT_PACKED;
                } else {
                    p = new Packed(e.data, e.mask, e.version);
                    if (e.source != null && e.source.keepSendCache && e.source.version() == e.version) {
                        e.source.sendCache = p; // sent unchanged again: compressed once
                    }
                }
            }
            out.write(p.blocks, 0, p.blocks.length);
            adler = adlerCombine(adler, p.adler, p.length);
        }
        out.write(0x03); // a final, empty block
        out.write(0x00);
        out.write(adler >>> 24);
        out.write(adler >>> 16);
        out.write(adler >>> 8);
        out.write(adler);
        return out.toByteArray();
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
        byte[] compressed;
        if (allFlat(group)) {
            compressed = FLAT_COMPRESSED[group.size()];
        } else {
            compressed = joined(group);
        }
        if (compressed.length + group.size() * 12 + 16 > MAX_FRAME && group.size() > 1) {
            int half = group.size() / 2;
            addBulk(group.subList(0, half), frames);
            addBulk(group.subList(half, group.size()), frames);
            return;
        }
        PacketOut p = new PacketOut(PlayPackets.MAP_CHUNK_BULK).writeShort(group.size()).writeInt(compressed.length).writeBoolean(true)
                .writeBytes(compressed);
        for (Entry e : group) {
            p.writeInt(e.x).writeInt(e.z).writeShort(e.mask).writeShort(0);
        }
        frames.add(p.frame());
    }

}
