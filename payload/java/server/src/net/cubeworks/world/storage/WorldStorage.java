package net.cubeworks.world.storage;

import java.io.Closeable;
import java.io.File;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.Iterator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * The world folder in the layout the 1.7.2 server reads: level.dat, region/r.X.Z.mca and
 * players/NAME.dat. Safe to call from several threads: packing and unpacking happen outside the
 * one lock, which guards the files. A load may wait for a save in progress, for the write and
 * flush of one region file at most. Whatever is broken on disk is reported through the log with
 * the file's name and never thrown at the caller; a file that cannot be used at all is renamed to
 * NAME.broken-TIMESTAMP, so that nothing of it is lost, and the world starts that part anew.
 */
public final class WorldStorage implements Closeable {
    /** Region files kept open at once; the least recently used one is closed first. */
    static final int OPEN_REGIONS = 8;

    private final File folder;
    private final File regionFolder;
    private final File playerFolder;
    private final StorageLog log;
    private final Object lock = new Object();
    private final LinkedHashMap<Long, RegionFile> regions = new LinkedHashMap<Long, RegionFile>(16, 0.75f, true);
    /** Region files that could not be read, each said once until it can be read again. */
    private final java.util.Set<String> unreadable = new java.util.HashSet<String>();
    private boolean closed;

    public WorldStorage(File worldFolder, StorageLog log) {
        this.folder = worldFolder;
        this.regionFolder = new File(worldFolder, "region");
        this.playerFolder = new File(worldFolder, "players");
        this.log = log;
    }

    // ---- level.dat --------------------------------------------------------------------------

    /**
     * The world's settings, or null when there are none. A broken level.dat is set aside and
     * the copy the previous save left in level.dat_old is read instead, when it can be.
     */
    public StoredLevel loadLevel() {
        synchronized (lock) {
            File main = new File(folder, "level.dat");
            File old = new File(folder, "level.dat_old");
            if (main.exists()) {
                StoredLevel l = readLevel(main);
                if (l != null) {
                    return l;
                }
            }
            if (old.exists()) {
                StoredLevel l = readLevel(old);
                if (l != null) {
                    log.warn("Read the world's settings from " + old.getPath() + ", the copy of the save before");
                    return l;
                }
            }
            return null;
        }
    }

    private StoredLevel readLevel(File f) {
        try {
            return LevelCodec.decode(Nbt.read(Nbt.gunzip(SafeFiles.readSmall(f))));
        } catch (Nbt.FormatException e) {
            reportAndSetAside(f, e.getMessage());
        } catch (RuntimeException e) {
            reportAndSetAside(f, "its tags are not laid out as the world's settings (" + e + ")");
        } catch (IOException e) {
            log.warn("Could not read " + f.getPath() + ": " + e);
        }
        return null;
    }

    /** Writes level.dat whole, keeping the previous one as level.dat_old, as the game does. */
    public void saveLevel(StoredLevel level) throws IOException {
        byte[] packed = Nbt.gzip(Nbt.write(LevelCodec.encode(level, System.currentTimeMillis())));
        synchronized (lock) {
            checkOpen();
            File main = new File(folder, "level.dat");
            if (main.isFile()) {
                try {
                    Files.copy(main.toPath(), new File(folder, "level.dat_old").toPath(),
                            StandardCopyOption.REPLACE_EXISTING);
                } catch (IOException e) {
                    log.warn("Could not keep the previous " + main.getPath() + " as level.dat_old: " + e);
                }
            }
            SafeFiles.replace(main, packed);
        }
    }

    /** What a kept file's tags are read into; a FormatException where they are not laid out so. */
    private interface Decoder<T> {
        T decode(NbtCompound root) throws Nbt.FormatException;
    }

    /**
     * A kept gzipped file read through the decoder, under the lock. Throws Unavailable when it cannot
     * be read now, or is broken and cannot be set aside; a broken one is reported and set aside, and
     * null is returned as for a file that is not there. kind names whose tags they should be.
     */
    private <T> T loadKept(File f, String kind, Decoder<T> decoder) throws Unavailable {
        String broken;
        try {
            return decoder.decode(Nbt.read(Nbt.gunzip(SafeFiles.readSmall(f))));
        } catch (Nbt.FormatException e) {
            broken = e.getMessage();
        } catch (RuntimeException e) {
            broken = "its tags are not laid out as " + kind + " (" + e + ")";
        } catch (IOException e) {
            log.warn("Could not read " + f.getPath() + ": " + e);
            throw new Unavailable(f.getPath() + " cannot be read: " + e, e);
        }
        if (!reportAndSetAside(f, broken)) {
            throw new Unavailable(f.getPath() + " is broken and could not be set aside", null);
        }
        return null;
    }

    // ---- data/scoreboard.dat -----------------------------------------------------------------

    /**
     * The main scoreboard as kept, or null when none is kept. Throws Unavailable when the file
     * exists but cannot be read now, or is broken and cannot be set aside: nothing must be
     * written over it then. A broken one is reported and set aside, and the board starts anew.
     */
    public StoredScoreboard loadScoreboard() throws Unavailable {
        synchronized (lock) {
            File f = scoreboardFile();
            if (!f.exists()) {
                return null;
            }
            return loadKept(f, "a scoreboard's", ScoreboardCodec::decode);
        }
    }

    /** Writes data/scoreboard.dat whole. */
    public void saveScoreboard(StoredScoreboard board) throws IOException {
        byte[] packed = Nbt.gzip(Nbt.write(ScoreboardCodec.encode(board)));
        synchronized (lock) {
            checkOpen();
            File f = scoreboardFile();
            SafeFiles.replace(f, packed);
        }
    }

    private File scoreboardFile() {
        return new File(new File(folder, "data"), "scoreboard.dat");
    }

    // ---- region files ----------------------------------------------------------------------

    /**
     * The column as saved, or null when it was never saved or its entry is broken (reported).
     * Throws Unavailable when its region file exists but cannot be opened or read now: the
     * column is then neither to be played as new land nor written over (the first failure of
     * each file is reported; it is asked again later).
     */
    public StoredColumn loadColumn(int cx, int cz) throws Unavailable {
        RegionFile.Entry entry;
        String name;
        synchronized (lock) {
            if (closed) {
                throw new Unavailable("the world storage is closed", null);
            }
            File file = regionFile(cx >> 5, cz >> 5);
            name = file.getPath();
            RegionFile r;
            try {
                r = region(cx >> 5, cz >> 5, false);
                if (r == null) {
                    return null;
                }
                entry = r.read(index(cx, cz));
            } catch (Nbt.FormatException e) {
                readable(name);
                reportColumn(name, cx, cz, e.getMessage());
                return null;
            } catch (IOException e) {
                if (unreadable.add(name)) {
                    log.warn("Could not read " + name + " (" + e + "): the land kept in it is not played, and "
                            + "nothing is written over it, until it can be read; it is tried again now and then");
                }
                throw new Unavailable(name + " cannot be read: " + e, e);
            }
            readable(name);
        }
        if (entry == null) {
            return null;
        }
        try {
            byte[] raw = entry.compression == RegionFile.ZLIB
                    ? Nbt.unzlib(entry.packed, 0, entry.packed.length)
                    : Nbt.ungzip(entry.packed, 0, entry.packed.length);
            NbtCompound root = Nbt.read(raw);
            List<String> skipped = new ArrayList<String>();
            StoredColumn c = ChunkCodec.decode(root, cx, cz, skipped);
            for (String why : skipped) {
                log.warn(name + ": in the column (" + cx + ", " + cz + ") " + why);
            }
            NbtCompound level = root.compound("Level");
            long xPos = level.number("xPos", cx), zPos = level.number("zPos", cz);
            if (xPos != cx || zPos != cz) {
                log.warn(name + ": the column stored for (" + cx + ", " + cz + ") says it is (" + xPos + ", " + zPos
                        + "); it is taken for (" + cx + ", " + cz + ")");
            }
            return c;
        } catch (Nbt.FormatException e) {
            reportColumn(name, cx, cz, e.getMessage());
            return null;
        } catch (RuntimeException e) {
            // tags of unexpected types where the layout has fixed ones: broken input too
            reportColumn(name, cx, cz, "its tags are not laid out as a column's (" + e + ")");
            return null;
        }
    }

    /** The file was read: when it could not be before, that is said once. */
    private void readable(String name) {
        if (unreadable.remove(name)) {
            log.warn(name + " can be read again; the land kept in it is played again");
        }
    }

    /**
     * Whether the world folder can be written now, tried by writing a small file in it (the
     * folder is made when missing); null when it can, else why not.
     */
    public String whyNotWritable() {
        synchronized (lock) {
            File probe = new File(folder, ".cubeworks-write-test");
            try {
                if (!folder.isDirectory() && !folder.mkdirs() && !folder.isDirectory()) {
                    return "the folder cannot be made";
                }
                SafeFiles.replace(probe, new byte[0]);
                if (!probe.delete()) {
                    return "a file written in it cannot be removed";
                }
                return null;
            } catch (IOException e) {
                return e.getMessage() == null ? e.toString() : e.getMessage();
            }
        }
    }

    private void reportColumn(String file, int cx, int cz, String why) {
        log.warn(file + ": the column (" + cx + ", " + cz + ") cannot be read: " + why
                + ". It is generated anew; the other columns of the file are kept");
    }

    /**
     * Writes the columns. They are packed before the lock is taken; a column that cannot be
     * written (too big for the format, arrays of the wrong size) is reported and skipped, the
     * others are written. Throws the first error writing a file, after trying the other files.
     */
    public void saveColumns(List<StoredColumn> columns) throws IOException {
        synchronized (lock) {
            checkOpen();
        }
        int now = (int) (System.currentTimeMillis() / 1000);
        Map<Long, List<RegionFile.Pending>> byRegion = new LinkedHashMap<Long, List<RegionFile.Pending>>();
        for (StoredColumn c : columns) {
            if (c == null) {
                continue;
            }
            String bad = ChunkCodec.invalid(c);
            if (bad != null) {
                log.warn("The column (" + c.x + ", " + c.z + ") is not saved: " + bad);
                continue;
            }
            byte[] zlib = Nbt.zlibWrite(ChunkCodec.encode(c));
            if (RegionFile.sectorsFor(zlib.length) > RegionFile.MAX_SECTORS) {
                log.warn("The column (" + c.x + ", " + c.z + ") is not saved: packed it takes " + zlib.length
                        + " bytes, more than a region file entry holds (255 sectors of 4096 bytes)");
                continue;
            }
            Long key = key(c.x >> 5, c.z >> 5);
            List<RegionFile.Pending> list = byRegion.get(key);
            if (list == null) {
                list = new ArrayList<RegionFile.Pending>();
                byRegion.put(key, list);
            }
            list.add(new RegionFile.Pending(index(c.x, c.z), zlib, now));
        }
        IOException first = null;
        for (Map.Entry<Long, List<RegionFile.Pending>> e : byRegion.entrySet()) {
            int rx = (int) (e.getKey() >> 32), rz = (int) (long) e.getKey();
            // the lock is taken per region file, so that loads in between wait for one file's write at most
            synchronized (lock) {
                checkOpen();
                try {
                    RegionFile r = region(rx, rz, true);
                    for (int i : r.write(e.getValue())) {
                        log.warn(r.file.getPath() + ": dropped the entry of the column (" + (rx * 32 + (i & 31)) + ", "
                                + (rz * 32 + (i >> 5)) + "), which pointed past the end of the file");
                    }
                } catch (IOException ex) {
                    log.warn("Could not write " + regionFile(rx, rz).getPath() + ": " + ex);
                    if (first == null) {
                        first = ex;
                    }
                }
            }
        }
        if (first != null) {
            throw first;
        }
    }

    private static int index(int cx, int cz) {
        return (cx & 31) | (cz & 31) << 5;
    }

    private static Long key(int rx, int rz) {
        return Long.valueOf((long) rx << 32 | (rz & 0xFFFFFFFFL));
    }

    private File regionFile(int rx, int rz) {
        return new File(regionFolder, "r." + rx + "." + rz + ".mca");
    }

    /**
     * The open region file; null when it does not exist and create is false. A file whose header
     * cannot be read is set aside (and, when writing, a new one started).
     */
    private RegionFile region(int rx, int rz, boolean create) throws IOException {
        Long key = key(rx, rz);
        RegionFile r = regions.get(key);
        if (r != null && (r.writable || !create)) {
            return r;
        }
        if (r != null) {
            // opened to be read: writing needs it opened again
            regions.remove(key);
            closeQuietly(r);
        }
        File f = regionFile(rx, rz);
        if (!f.exists()) {
            if (!create) {
                return null;
            }
            if (!regionFolder.isDirectory() && !regionFolder.mkdirs() && !regionFolder.isDirectory()) {
                throw new IOException("cannot create the folder " + regionFolder.getPath());
            }
        }
        try {
            r = new RegionFile(f, create);
        } catch (RegionFile.BrokenHeader e) {
            if (!reportAndSetAside(f, e.getMessage())) {
                throw new IOException(f.getPath() + " is broken and could not be set aside");
            }
            if (!create) {
                return null;
            }
            r = new RegionFile(f, true);
        }
        if (r.padded) {
            log.warn(f.getPath() + " was not a whole number of 4096-byte sectors; it has been padded with zeros");
        }
        regions.put(key, r);
        if (regions.size() > OPEN_REGIONS) {
            Iterator<RegionFile> eldest = regions.values().iterator();
            RegionFile out = eldest.next();
            eldest.remove();
            closeQuietly(out);
        }
        return r;
    }

    // ---- player files ----------------------------------------------------------------------

    /**
     * The player's file, or null when there is none, the name is not a safe file name, or it
     * is broken (reported, and set aside so that nothing new is written over it). Throws
     * Unavailable when it exists but cannot be read now, or is broken and cannot be set aside:
     * the player must not be played as new then, or its new file would replace the kept one.
     */
    public StoredPlayer loadPlayer(String name) throws Unavailable {
        if (!SafeFiles.safeName(name)) {
            log.warn("The player name \"" + printable(name) + "\" cannot be a file name; no player file is read for it");
            return null;
        }
        synchronized (lock) {
            File f = new File(playerFolder, name + ".dat");
            if (!f.exists()) {
                return null;
            }
            return loadKept(f, "a player's", PlayerCodec::decode);
        }
    }

    /** Writes the player's file whole; a name that is not a safe file name is refused with a warning. */
    public void savePlayer(String name, StoredPlayer p) throws IOException {
        if (!SafeFiles.safeName(name)) {
            log.warn("The player name \"" + printable(name) + "\" cannot be a file name; the player is not saved");
            return;
        }
        byte[] packed = Nbt.gzip(Nbt.write(PlayerCodec.encode(p)));
        synchronized (lock) {
            checkOpen();
            SafeFiles.replace(new File(playerFolder, name + ".dat"), packed);
        }
    }

    /** A name for the console with its control characters shown as \\uXXXX. */
    private static String printable(String name) {
        if (name == null) {
            return "null";
        }
        StringBuilder sb = new StringBuilder();
        for (int i = 0; i < name.length() && i < 64; i++) {
            char c = name.charAt(i);
            if (c < 0x20 || c == 0x7F || Character.isISOControl(c)) {
                sb.append(String.format("\\u%04x", (int) c));
            } else {
                sb.append(c);
            }
        }
        return name.length() > 64 ? sb.append("...").toString() : sb.toString();
    }

    // ---- shared ----------------------------------------------------------------------------

    /** Reports a broken file and renames it aside; answers whether it was moved. */
    private boolean reportAndSetAside(File f, String why) {
        File aside = SafeFiles.setAside(f);
        if (aside != null) {
            log.warn(f.getPath() + " is broken (" + why + "); it has been renamed to " + aside.getPath()
                    + " and is started anew");
            return true;
        }
        log.warn(f.getPath() + " is broken (" + why + ") and could not be renamed aside; it is left as it is");
        return false;
    }

    private void checkOpen() throws IOException {
        if (closed) {
            throw new IOException("the world storage is closed");
        }
    }

    private static void closeQuietly(RegionFile r) {
        try {
            r.close();
        } catch (IOException e) {
            // nothing is pending on a region file: every write went through already
        }
    }

    /** Closes the open region files. Saving afterwards fails; loading answers null. */
    @Override
    public void close() {
        synchronized (lock) {
            closed = true;
            for (RegionFile r : regions.values()) {
                closeQuietly(r);
            }
            regions.clear();
        }
    }
}
