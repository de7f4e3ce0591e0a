package net.cubeworks.world.storage;

import java.io.File;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.RandomAccessFile;
import java.nio.file.AtomicMoveNotSupportedException;
import java.nio.file.Files;
import java.nio.file.StandardCopyOption;
import java.text.SimpleDateFormat;
import java.util.Date;
import java.util.Locale;

/** File steps the storage shares: replacing a file whole, setting a broken one aside, safe names. */
public final class SafeFiles {
    /** Bigger level.dat or player files than this are broken, not read into memory. */
    static final int MAX_SMALL_FILE = 4 << 20;

    private SafeFiles() {
    }

    /**
     * Writes the bytes to a temporary file next to the target, flushes them to the disk, then
     * moves the temporary file over the target, so a crash leaves either the old or the new file.
     * Renaming onto an existing file fails on Windows, hence the move with REPLACE_EXISTING.
     */
    static void replace(File target, byte[] content) throws IOException {
        File dir = target.getAbsoluteFile().getParentFile();
        if (dir != null && !dir.isDirectory() && !dir.mkdirs() && !dir.isDirectory()) {
            throw new IOException("cannot create the folder " + dir);
        }
        File tmp = new File(dir, target.getName() + ".tmp");
        FileOutputStream out = new FileOutputStream(tmp);
        try {
            out.write(content);
            out.getFD().sync();
        } finally {
            out.close();
        }
        try {
            Files.move(tmp.toPath(), target.toPath(), StandardCopyOption.REPLACE_EXISTING,
                    StandardCopyOption.ATOMIC_MOVE);
        } catch (AtomicMoveNotSupportedException e) {
            Files.move(tmp.toPath(), target.toPath(), StandardCopyOption.REPLACE_EXISTING);
        } catch (IOException e) {
            // some file systems refuse the atomic move with an ordinary error; try once plainly
            Files.move(tmp.toPath(), target.toPath(), StandardCopyOption.REPLACE_EXISTING);
        }
    }

    /**
     * Reads a small file whole. A file longer than the limit is not read: that is broken input,
     * reported by the caller like any other.
     */
    static byte[] readSmall(File f) throws IOException {
        RandomAccessFile raf = new RandomAccessFile(f, "r");
        try {
            long len = raf.length();
            if (len > MAX_SMALL_FILE) {
                throw new Nbt.FormatException("the file is " + len + " bytes long, more than such a file can be");
            }
            byte[] b = new byte[(int) len];
            raf.readFully(b);
            return b;
        } finally {
            raf.close();
        }
    }

    /**
     * Renames a broken file to NAME.broken-TIMESTAMP next to it (with a counter when that name is
     * taken) and answers the new file; null when it could not be moved.
     */
    static File setAside(File broken) {
        String stamp = new SimpleDateFormat("yyyyMMdd-HHmmss", Locale.ROOT).format(new Date());
        File dir = broken.getAbsoluteFile().getParentFile();
        File aside = new File(dir, broken.getName() + ".broken-" + stamp);
        for (int i = 2; aside.exists(); i++) {
            aside = new File(dir, broken.getName() + ".broken-" + stamp + "-" + i);
        }
        try {
            Files.move(broken.toPath(), aside.toPath());
            return aside;
        } catch (IOException e) {
            return null;
        }
    }

    private static final String[] DEVICES = { "CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$" };

    /**
     * Whether a player name may become a file name on every system the server runs on: no path
     * separators or characters Windows refuses, no control characters, no "." or ".." steps, no
     * trailing dot or space (Windows drops them), not a device name (CON, NUL, COM1, LPT1... with
     * or without an extension), at most 16 characters.
     */
    static boolean safeName(String name) {
        if (name == null || name.isEmpty() || name.length() > 16) {
            return false;
        }
        for (int i = 0; i < name.length(); i++) {
            char c = name.charAt(i);
            if (c < 0x20 || c == 0x7F || Character.isISOControl(c) || "/\\:*?\"<>|".indexOf(c) >= 0) {
                return false;
            }
            if (Character.isHighSurrogate(c)) {
                if (i + 1 >= name.length() || !Character.isLowSurrogate(name.charAt(i + 1))) {
                    return false;
                }
                i++;
            } else if (Character.isLowSurrogate(c)) {
                return false;
            }
        }
        if (name.contains("..")) {
            return false;
        }
        char last = name.charAt(name.length() - 1);
        if (last == '.' || last == ' ') {
            return false;
        }
        // Windows treats "nul.dat" and "NUL .txt" as the device too: compare the part before the first dot
        int dot = name.indexOf('.');
        String base = (dot < 0 ? name : name.substring(0, dot)).trim().toUpperCase(Locale.ROOT);
        for (String d : DEVICES) {
            if (base.equals(d)) {
                return false;
            }
        }
        if (base.length() == 4 && (base.startsWith("COM") || base.startsWith("LPT"))) {
            char n = base.charAt(3);
            if ((n >= '0' && n <= '9') || n == '\u00b9' || n == '\u00b2' || n == '\u00b3') {
                return false;
            }
        }
        return true;
    }
}
