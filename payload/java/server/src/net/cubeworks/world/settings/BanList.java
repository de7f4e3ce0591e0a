package net.cubeworks.world.settings;

import java.io.File;
import java.io.IOException;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.text.ParseException;
import java.text.SimpleDateFormat;
import java.util.ArrayList;
import java.util.Date;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Locale;
import java.util.Map;

/**
 * The banned player names, kept in banned-players.txt: a comment header, then one
 * "name|date|source|expires|reason" line per ban. A line holding only a name is a
 * permanent ban too.
 */
public final class BanList {
    // in the platform charset, like the other text files the server and its tools share
    private static final Charset TEXT = net.cubeworks.world.console.ConsoleOutput.platformCharset();
    public static final String DEFAULT_REASON = "Banned by an operator.";

    /** One ban. */
    public static final class Entry {
        public final String name;
        public final Date created;
        public final String source;
        public final Date expires;
        public final String reason;

        public Entry(String name, Date created, String source, Date expires, String reason) {
            this.name = name;
            this.created = created;
            this.source = source;
            this.expires = expires;
            this.reason = reason;
        }

        boolean expired(long now) {
            return expires != null && expires.getTime() < now;
        }
    }

    private final File file;
    private final Map<String, Entry> entries = new LinkedHashMap<String, Entry>();

    public BanList(File file) {
        this.file = file;
    }

    private static SimpleDateFormat dateFormat() {
        return new SimpleDateFormat("yyyy-MM-dd HH:mm:ss Z", Locale.ROOT);
    }

    /** Parses one line of the file, or returns null for a comment, blank or unreadable line. */
    static Entry parseLine(String line) {
        line = line.trim();
        if (line.length() == 0 || line.startsWith("#")) {
            return null;
        }
        String[] parts = line.split("\\|", 5);
        String name = parts[0].trim();
        if (name.length() == 0) {
            return null;
        }
        SimpleDateFormat fmt = dateFormat();
        Date created = new Date();
        Date expires = null;
        String source = "(Unknown)";
        String reason = DEFAULT_REASON;
        if (parts.length > 1) {
            try {
                created = fmt.parse(parts[1].trim());
            } catch (ParseException ignored) {
                // keep "now"
            }
        }
        if (parts.length > 2 && parts[2].trim().length() > 0) {
            source = parts[2].trim();
        }
        if (parts.length > 3) {
            String until = parts[3].trim();
            if (until.length() > 0 && !until.equalsIgnoreCase("Forever")) {
                try {
                    expires = fmt.parse(until);
                } catch (ParseException ignored) {
                    expires = null;
                }
            }
        }
        if (parts.length > 4 && parts[4].trim().length() > 0) {
            reason = parts[4].trim();
        }
        return new Entry(name, created, source, expires, reason);
    }

    static String formatLine(Entry e) {
        SimpleDateFormat fmt = dateFormat();
        return e.name + "|" + fmt.format(e.created) + "|" + e.source + "|"
                + (e.expires == null ? "Forever" : fmt.format(e.expires)) + "|" + e.reason;
    }

    /** Reads the file; a missing file is an empty list. */
    public void load() throws IOException {
        entries.clear();
        if (!file.exists()) {
            return;
        }
        for (String line : new String(Files.readAllBytes(file.toPath()), TEXT).split("\r?\n|\r")) {
            Entry e = parseLine(line);
            if (e != null) {
                entries.put(e.name.toLowerCase(), e);
            }
        }
    }

    public void save() throws IOException {
        String nl = System.getProperty("line.separator");
        StringBuilder sb = new StringBuilder();
        sb.append("# Updated ").append(new SimpleDateFormat("M/d/yy h:mm a", Locale.US).format(new Date()))
                .append(" by Minecraft 1.7.2").append(nl);
        sb.append("# victim name | ban date | banned by | banned until | reason").append(nl).append(nl);
        long now = System.currentTimeMillis();
        for (Entry e : entries.values()) {
            if (!e.expired(now)) {
                sb.append(formatLine(e)).append(nl);
            }
        }
        Files.write(file.toPath(), sb.toString().getBytes(TEXT));
    }

    /** The ban in force for the name, or null. */
    public Entry get(String name) {
        Entry e = entries.get(name.toLowerCase());
        if (e != null && e.expired(System.currentTimeMillis())) {
            entries.remove(name.toLowerCase());
            return null;
        }
        return e;
    }

    public void add(Entry e) {
        entries.put(e.name.toLowerCase(), e);
    }

    public boolean remove(String name) {
        return entries.remove(name.toLowerCase()) != null;
    }

    public List<String> names() {
        List<String> out = new ArrayList<String>();
        for (Entry e : entries.values()) {
            out.add(e.name);
        }
        return out;
    }
}
