package org.bukkit.configuration.file;

import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;

import org.bukkit.configuration.Configuration;
import org.bukkit.configuration.InvalidConfigurationException;
import org.bukkit.configuration.MemoryConfiguration;

/** A configuration read from and saved to a UTF-8 text file. */
public abstract class FileConfiguration extends MemoryConfiguration {
    /** Files are read and written as UTF-8 here, whatever the system's own encoding is. */
    @Deprecated
    public static final boolean UTF8_OVERRIDE = true;
    /** Whether the text may hold characters beyond the basic plane: always, in UTF-8. */
    @Deprecated
    public static final boolean UTF_BIG = true;
    /** Whether the system's own encoding is UTF-8. */
    @Deprecated
    public static final boolean SYSTEM_UTF = "UTF-8".equalsIgnoreCase(java.nio.charset.Charset.defaultCharset().name());

    public FileConfiguration() {
    }

    public FileConfiguration(Configuration defaults) {
        super(defaults);
    }

    public void save(File file) throws IOException {
        File parent = file.getParentFile();
        if (parent != null) {
            parent.mkdirs();
        }
        OutputStream out = new FileOutputStream(file);
        try {
            out.write(saveToString().getBytes("UTF-8"));
        } finally {
            out.close();
        }
    }

    public void save(String file) throws IOException {
        save(new File(file));
    }

    public abstract String saveToString();

    public void load(File file) throws FileNotFoundException, IOException, InvalidConfigurationException {
        load(new FileInputStream(file));
    }

    public void load(InputStream stream) throws IOException, InvalidConfigurationException {
        try {
            ByteArrayOutputStream buf = new ByteArrayOutputStream();
            byte[] chunk = new byte[4096];
            int n;
            while ((n = stream.read(chunk)) > 0) {
                buf.write(chunk, 0, n);
            }
            loadFromString(new String(buf.toByteArray(), "UTF-8"));
        } finally {
            stream.close();
        }
    }

    /** Reads the whole text (the reader is closed after). */
    public void load(java.io.Reader reader) throws IOException, InvalidConfigurationException {
        java.io.BufferedReader in = reader instanceof java.io.BufferedReader ? (java.io.BufferedReader) reader
                : new java.io.BufferedReader(reader);
        StringBuilder text = new StringBuilder();
        try {
            char[] chunk = new char[4096];
            int n;
            while ((n = in.read(chunk)) > 0) {
                text.append(chunk, 0, n);
            }
        } finally {
            in.close();
        }
        loadFromString(text.toString());
    }

    public void load(String file) throws FileNotFoundException, IOException, InvalidConfigurationException {
        load(new File(file));
    }

    public abstract void loadFromString(String contents) throws InvalidConfigurationException;

    /** The header comment as the file writes it. */
    protected abstract String buildHeader();

    @Override
    public FileConfigurationOptions options() {
        if (options == null) {
            options = new FileConfigurationOptions(this);
        }
        return (FileConfigurationOptions) options;
    }
}
