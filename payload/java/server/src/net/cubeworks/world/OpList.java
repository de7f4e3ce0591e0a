package net.cubeworks.world;

import java.io.File;
import java.io.IOException;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;

/** The operators, kept in ops.txt as one lower-case name per line. */
public final class OpList {
    private static final Charset UTF8 = Charset.forName("UTF-8");
    private final File file;
    private final Set<String> names = new LinkedHashSet<String>();

    public OpList(File file) {
        this.file = file;
    }

    /** Reads the file; a missing file is an empty list. */
    public void load() throws IOException {
        names.clear();
        if (!file.exists()) {
            return;
        }
        for (String line : Files.readAllLines(file.toPath(), UTF8)) {
            String name = line.trim();
            if (name.length() > 0 && !name.startsWith("#")) {
                names.add(name.toLowerCase());
            }
        }
    }

    public void save() throws IOException {
        StringBuilder sb = new StringBuilder();
        for (String name : names) {
            sb.append(name).append(System.getProperty("line.separator"));
        }
        Files.write(file.toPath(), sb.toString().getBytes(UTF8));
    }

    public boolean contains(String name) {
        return names.contains(name.toLowerCase());
    }

    public boolean add(String name) {
        return names.add(name.toLowerCase());
    }

    public boolean remove(String name) {
        return names.remove(name.toLowerCase());
    }

    public List<String> names() {
        return new ArrayList<String>(names);
    }
}
