package net.cubeworks.world.storage;

import java.io.Closeable;
import java.io.File;
import java.io.IOException;
import java.io.RandomAccessFile;
import java.util.ArrayList;
import java.util.BitSet;
import java.util.List;

/**
 * One region file of 32x32 columns in the game's Anvil layout: a header of 1024 locations
 * (3-byte sector offset, 1-byte sector count) and 1024 timestamps in seconds, then 4096-byte
 * sectors. A column's entry is a 4-byte big-endian length that counts the compression byte, the
 * compression byte (2 for zlib, 1 for gzip) and the packed tag data.
 *
 * A column is never rewritten in place: its new entry goes to sectors nobody uses, is flushed to
 * the disk, and only then does the header point at it, so a crash in between leaves the old entry
 * readable. The old sectors are free for later writes from then on.
 */
public final class RegionFile implements Closeable {
    static final int SECTOR = 4096;
    /** The sector count is one byte: an entry holds at most 255 sectors. */
    static final int MAX_SECTORS = 255;
    static final byte GZIP = 1, ZLIB = 2;

    /** The header itself cannot be read; the file must be set aside. */
    static final class BrokenHeader extends IOException {
        private static final long serialVersionUID = 1L;

        BrokenHeader(String message) {
            super(message);
        }
    }

    /** One column's packed data, ready to be written. */
    static final class Pending {
        final int index;
        final byte[] zlib;
        final int timestamp;

        Pending(int index, byte[] zlib, int timestamp) {
            this.index = index;
            this.zlib = zlib;
            this.timestamp = timestamp;
        }
    }

    /** An entry as stored: its compression byte and the packed bytes. */
    static final class Entry {
        final byte compression;
        final byte[] packed;

        Entry(byte compression, byte[] packed) {
            this.compression = compression;
            this.packed = packed;
        }
    }

    final File file;
    /** False when opened to read only: writing then needs the file opened again. */
    final boolean writable;
    private final RandomAccessFile raf;
    private final int[] locations = new int[1024];
    private final int[] timestamps = new int[1024];
    private final BitSet used = new BitSet();
    private int sectorCount;
    /** Whether the file was not a whole number of sectors and has been padded with zeros. */
    final boolean padded;

    /**
     * Opens an existing file, or creates an empty one when writable. A file opened only to be
     * read is never changed, not even padded: it may be one that this process may not write.
     */
    RegionFile(File file, boolean writable) throws IOException {
        this.file = file;
        this.writable = writable;
        boolean existed = file.exists();
        raf = new RandomAccessFile(file, writable ? "rw" : "r");
        boolean ok = false;
        try {
            long len = raf.length();
            if (!existed || len == 0) {
                if (!writable) {
                    throw new BrokenHeader("the file is empty");
                }
                raf.write(new byte[2 * SECTOR]);
                len = 2 * SECTOR;
            } else if (len < 2 * SECTOR) {
                throw new BrokenHeader("the file is " + len + " bytes long, shorter than its 8192-byte header");
            }
            // a file to be written is padded first, so that new sectors start on a sector boundary
            padded = writable && len % SECTOR != 0;
            if (len % SECTOR != 0) {
                len = (len / SECTOR + 1) * SECTOR;
                if (writable) {
                    raf.setLength(len);
                }
            }
            if (len / SECTOR > (1 << 24)) {
                throw new BrokenHeader("the file is " + len + " bytes long, more than a region can address");
            }
            sectorCount = (int) (len / SECTOR);
            byte[] header = new byte[2 * SECTOR];
            raf.seek(0);
            raf.readFully(header);
            for (int i = 0; i < 1024; i++) {
                locations[i] = intAt(header, i * 4);
                timestamps[i] = intAt(header, SECTOR + i * 4);
            }
            rebuildUsed();
            ok = true;
        } finally {
            if (!ok) {
                raf.close();
            }
        }
    }

    private static int intAt(byte[] b, int off) {
        return (b[off] & 0xFF) << 24 | (b[off + 1] & 0xFF) << 16 | (b[off + 2] & 0xFF) << 8 | (b[off + 3] & 0xFF);
    }

    /** Why a header entry cannot be followed, or null when its sectors lie inside the file. */
    private String badLocation(int loc) {
        int offset = loc >>> 8, count = loc & 0xFF;
        if (offset < 2) {
            return "its sectors (" + offset + ", " + count + ") overlap the header";
        }
        if (count == 0) {
            return "it has no sectors (offset " + offset + ")";
        }
        if (offset + count > sectorCount) {
            return "its sectors " + offset + ".." + (offset + count - 1) + " lie past the end of the file ("
                    + sectorCount + " sectors)";
        }
        return null;
    }

    /** Marks the header and every sector a followable entry holds. Entries may share sectors. */
    private void rebuildUsed() {
        used.clear();
        used.set(0, 2);
        for (int loc : locations) {
            if (loc != 0 && badLocation(loc) == null) {
                used.set(loc >>> 8, (loc >>> 8) + (loc & 0xFF));
            }
        }
    }

    boolean has(int index) {
        return locations[index] != 0;
    }

    int timestamp(int index) {
        return timestamps[index];
    }

    int location(int index) {
        return locations[index];
    }

    /**
     * The entry of a column, null when the column was never saved. Throws a FormatException
     * saying what is wrong when the entry cannot be read; the caller reports it.
     */
    Entry read(int index) throws IOException {
        int loc = locations[index];
        if (loc == 0) {
            return null;
        }
        String bad = badLocation(loc);
        if (bad != null) {
            throw new Nbt.FormatException(bad);
        }
        int offset = loc >>> 8, count = loc & 0xFF;
        try {
            return readAt(offset, count);
        } catch (java.io.EOFException e) {
            // the header points into sectors the file does not have in full: broken, not unreadable
            throw new Nbt.FormatException("its sectors run past the end of the file");
        }
    }

    private Entry readAt(int offset, int count) throws IOException {
        raf.seek((long) offset * SECTOR);
        int length = raf.readInt();
        if (length <= 0 || (long) length + 4 > (long) count * SECTOR) {
            throw new Nbt.FormatException("its length " + length + " does not fit its " + count + " sectors");
        }
        byte compression = raf.readByte();
        if (compression != ZLIB && compression != GZIP) {
            throw new Nbt.FormatException("its compression byte is " + compression + ", neither 2 (zlib) nor 1 (gzip)");
        }
        byte[] packed = new byte[length - 1];
        raf.readFully(packed);
        return new Entry(compression, packed);
    }

    /** Sectors an entry of this many packed bytes takes (length and compression byte included). */
    static int sectorsFor(int packedLength) {
        return (packedLength + 5 + SECTOR - 1) / SECTOR;
    }

    /**
     * Writes the entries: first every entry's data to free sectors (or the end of the file) and
     * flushes it, then their header entries. Header entries that point past the end of the file
     * (a truncated file) are cleared first, so that the sectors the file grows into are not claimed
     * by them; the caller has been told which. Answers the indexes of the entries so cleared.
     */
    List<Integer> write(List<Pending> pending) throws IOException {
        if (!writable) {
            throw new IOException(file.getPath() + " was opened to be read only");
        }
        List<Integer> cleared = new ArrayList<Integer>();
        for (int i = 0; i < 1024; i++) {
            int loc = locations[i];
            if (loc != 0 && (loc >>> 8) >= 2 && (loc & 0xFF) > 0 && badLocation(loc) != null) {
                writeHeaderInt(i * 4, 0);
                locations[i] = 0;
                cleared.add(i);
            }
        }
        int[] newLocations = new int[pending.size()];
        for (int p = 0; p < pending.size(); p++) {
            byte[] zlib = pending.get(p).zlib;
            int n = sectorsFor(zlib.length);
            if (n > MAX_SECTORS) {
                throw new IllegalArgumentException("an entry of " + n + " sectors");
            }
            int start = allocate(n);
            byte[] entry = new byte[n * SECTOR];
            int length = zlib.length + 1;
            entry[0] = (byte) (length >>> 24);
            entry[1] = (byte) (length >>> 16);
            entry[2] = (byte) (length >>> 8);
            entry[3] = (byte) length;
            entry[4] = ZLIB;
            System.arraycopy(zlib, 0, entry, 5, zlib.length);
            raf.seek((long) start * SECTOR);
            raf.write(entry);
            used.set(start, start + n);
            sectorCount = Math.max(sectorCount, start + n);
            newLocations[p] = start << 8 | n;
        }
        // the data is on the disk before any header entry points at it
        raf.getChannel().force(false);
        for (int p = 0; p < pending.size(); p++) {
            Pending e = pending.get(p);
            writeHeaderInt(e.index * 4, newLocations[p]);
            writeHeaderInt(SECTOR + e.index * 4, e.timestamp);
            locations[e.index] = newLocations[p];
            timestamps[e.index] = e.timestamp;
        }
        rebuildUsed();
        return cleared;
    }

    private void writeHeaderInt(int pos, int value) throws IOException {
        raf.seek(pos);
        raf.writeInt(value);
    }

    /** The first run of n free sectors, where the end of the file counts as free. */
    private int allocate(int n) {
        int start = used.nextClearBit(2);
        while (true) {
            int next = used.nextSetBit(start);
            if (next < 0 || next - start >= n) {
                return start;
            }
            start = used.nextClearBit(next);
        }
    }

    long length() throws IOException {
        return raf.length();
    }

    @Override
    public void close() throws IOException {
        raf.close();
    }
}
