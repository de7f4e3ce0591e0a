package net.cubeworks.world.protocol;

import java.io.ByteArrayOutputStream;
import java.util.ArrayList;
import java.util.List;
import java.util.zip.Deflater;
import net.cubeworks.world.level.Column;


/**
 * The packets that carry columns to a client: Map Chunk Bulk for up to
 * {@link #MAX_PER_PACKET} columns (the client sets aside about 197 KB for each) and the
 * ground-up Chunk Data with empty bit maps that makes the client drop a column.
 * An unmodified flat column always has the same bytes, so a packet of only flat columns
 * reuses data compressed once.
 */
public final class ChunkPackets {
    public static final int MAX_PER_PACKET = 10;
    /** Largest frame the client takes: the length is a VarInt of at most 3 bytes. */
    public static final int MAX_FRAME = 2097151;

    /** One column about to be sent: where, which sections, and its uncompressed data. */
    public static final class Entry {
        final int x;
        final int z;
        final int mask;
        /** null: the unmodified flat column. */
        final byte[] data;

        public Entry(int x, int z, int mask, byte[] data) {
            this.x = x;
            this.z = z;
            this.mask = mask;
            this.data = data;
        }

        public static Entry flat(int x, int z) {
            return new Entry(x, z, FLAT_MASK, null);
        }

        public static Entry of(Column c) {
            int mask = c.sectionMask();
            return new Entry(c.x, c.z, mask, c.chunkData(mask));
        }
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
        return deflate(raw, Deflater.DEFAULT_COMPRESSION);
    }

    /**
     * Columns of varied land are compressed for speed: a join into 441 of them is several
     * megabytes either way, and the time goes into the join.
     */
    static byte[] deflate(byte[] raw, int level) {
        Deflater d = new Deflater(level);
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
            if (e.data != null) {
                return false;
            }
        }
        return true;
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
            ByteArrayOutputStream raw = new ByteArrayOutputStream();
            for (Entry e : group) {
                byte[] d = e.data == null ? FLAT_DATA : e.data;
                raw.write(d, 0, d.length);
            }
            compressed = deflate(raw.toByteArray(), Deflater.BEST_SPEED);
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
