package net.cubeworks.world.settings;

import java.io.File;
import java.io.IOException;
import java.nio.charset.Charset;
import java.nio.file.Files;
import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Set;

/** Player names kept as one lower-case name per line: the operators (ops.txt), the white-list (white-list.txt). */
public final class NameList {
    // in the platform charset, like the other text files the server and its tools share
    private static final Charset TEXT = net.cubeworks.world.console.ConsoleOutput.platformCharset();
    private final File file;
    private final Set<String> names = new LinkedHashSet<String>();

    public NameList(File file) {
        this.file = file;
    }

    /** Reads the file; a missing file is an empty list. */
    public void load() throws IOException {
        names.clear();
        if (!file.exists()) {
            return;
        }
        for (String line : new String(Files.readAllBytes(file.toPath()), TEXT).split("\r?\n|\r")) {
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
        Files.write(file.toPath(), sb.toString().getBytes(TEXT));
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
