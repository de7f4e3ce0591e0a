package org.bukkit.util;

import java.io.File;
import java.io.FileInputStream;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;

/** File helpers plugins use to back up their configuration. */
public class FileUtil {

    /**
     * Copies {@code inFile} over {@code outFile} when the two differ in length or the source is
     * newer; returns whether a copy was made. A failed copy answers false instead of throwing, so a
     * plugin's backup never stops its start.
     */
    public static boolean copy(File inFile, File outFile) {
        if (!inFile.exists()) {
            return false;
        }
        if (outFile.exists() && outFile.length() == inFile.length()
                && outFile.lastModified() >= inFile.lastModified()) {
            return false;
        }
        InputStream in = null;
        OutputStream out = null;
        try {
            in = new FileInputStream(inFile);
            out = new FileOutputStream(outFile);
            byte[] buffer = new byte[8192];
            int n;
            while ((n = in.read(buffer)) > 0) {
                out.write(buffer, 0, n);
            }
        } catch (IOException e) {
            return false;
        } finally {
            close(in);
            close(out);
        }
        outFile.setLastModified(inFile.lastModified());
        return true;
    }

    private static void close(java.io.Closeable c) {
        if (c != null) {
            try {
                c.close();
            } catch (IOException ignored) {
                // nothing more to do for a stream we are done with
            }
        }
    }
}
